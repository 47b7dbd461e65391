// The console tools: command lines, step labels, wait values (seconds) and the
// output texts the checks rely on. The program path is the Windows directory
// (Windows 95/98/Me) or the system directory (NT family) followed by the
// tool's file name.
#pragma once

namespace contracts {

constexpr char kIpconfigExe[] = "\\ipconfig.exe";
constexpr char kNetshExe[] = "\\netsh.exe";

struct ToolStep {
    const char* label;
    const char* commandLine;
    int waitSeconds;
};

// Lease release and renewal.
constexpr ToolStep kReleaseNt{"Release", "ipconfig /release", 60};
constexpr ToolStep kRenewNt{"Renew", "ipconfig /renew", 60};
constexpr ToolStep kRelease9x{"Release", "ipconfig /release_all", 60};
constexpr ToolStep kRenew9x{"Renew", "ipconfig /renew_all", 60};

// Full configuration listing.
constexpr ToolStep kIpconfigAllNt{"GetNetworkCard", "ipconfig /all", 5};
constexpr ToolStep kIpconfigAll9x{"Check DNSServer", "ipconfig /all", 5};

// netsh, NT family only. The "set" command lines are the prefix, then the
// connection name in double quotes, then kDhcpSuffix.
constexpr ToolStep kShowAddress{"Check DNS", "netsh interface ip show address", 5};
constexpr ToolStep kSetAddressDhcp{"Set to dynamic", "netsh interface ip set address ", 10};
constexpr ToolStep kShowDns{"DNSConfiguration", "netsh interface ip show dns", 10};
constexpr ToolStep kSetDnsDhcp{"Set auto DNS", "netsh interface ip set dns ", 10};
constexpr char kDhcpSuffix[] = " dhcp";

// Output texts relied upon.
constexpr char kEthernetAdapterHeader[] = "Ethernet adapter ";  // opens an adapter block
constexpr char kDescription[] = "Description";
constexpr char kDescriptionLabel[] = "        Description . . . . . . . . . . . : ";  // 44 characters
// Newer Windows indent the labels 3 blanks, so the value no longer starts at a
// fixed column: it follows the label's separator.
constexpr char kDescriptionIndented3[] = "   Description";
constexpr char kLabelValueSeparator[] = " : ";
constexpr char kDnsServersLabel[] = "DNS Servers . . . . . . . . . . . : ";  // then the address
constexpr char kErrorObtainingConfiguration[] = "Error obtaining configuration";
constexpr char kAddressAutomatic[] = "Yes";  // on the line after the connection's line
constexpr char kOk[] = "Ok";
constexpr char kDnsFromDhcp[] = "DNS servers configured through DHCP";

// Descriptions of cards that cannot lead to the modem (tested upper-cased).
constexpr const char* kExcludedDescriptions[] = {"DIAL-UP ADAPTER", "USB", "WIRELESS",
                                                 "POET", "P.P.P.O.E", "MODEM"};
// Windows 95/98/Me: the card's lower interface must name ethernet; device ids
// with these are not cards of the PC's own bus.
constexpr char kLowerEthernet[] = "ethernet";
constexpr const char* kExcludedDeviceIds[] = {"*", "USB"};

}  // namespace contracts
