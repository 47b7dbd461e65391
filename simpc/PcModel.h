// A model of a PC and the KR7740M modem behind one of its cards: what
// ipconfig and netsh print on it, what release, renew and "set ... dhcp" change,
// and the Windows 95/98/Me registry tree that describes its cards.
//
// Used in-process by the simulated Windows PC of the native tests, and under
// Wine by the substitute ipconfig.exe and netsh.exe, which keep the state in a
// file between runs. Scenarios are small text files (tests/scenarios/).
#pragma once

#include <string>
#include <vector>

namespace simpc {

enum class Kind { Ethernet, Wireless, Usb, DialUp, Pppoe };
enum class Layout { Win9x, WinXp, Win10 };

struct Card {
    std::string name;         // connection name (NT), e.g. "Local Area Connection"
    std::string description;  // e.g. "Realtek RTL8139 Family PCI Fast Ethernet NIC"
    std::string deviceId;     // MatchingDeviceId (9x), e.g. "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10"
    std::string mac = "00-50-BA-12-34-56";
    Kind kind = Kind::Ethernet;
    bool dhcp = true;     // address obtained automatically
    bool dnsAuto = true;  // DNS servers obtained automatically
    // Fixed values, used where the card does not obtain them automatically.
    std::string ip, mask = "255.255.255.0", gateway;
    std::vector<std::string> dns;
    bool toModem = false;  // its cable leads to the modem
    // The current lease (automatic values), changed by release and renew.
    bool leased = false;
    std::string leaseIp, leaseMask, leaseGateway, leaseDns, leaseServer;
};

struct PcModel {
    int family = 2;  // 1: Windows 95/98/Me, 2: NT family
    Layout layout = Layout::WinXp;
    std::string hostName = "HOMEPC";
    bool modemOn = true;
    std::vector<Card> cards;
    // Tool behaviour that a scenario may force (for failure paths).
    bool netshErrorObtaining = false;  // netsh prints "Error obtaining configuration"
    bool netshSetRefused = false;      // "set ... dhcp" changes nothing (no rights)
};

// Scenario text: "key = value" lines, "#" comments, one "[card]" section per card.
// Keys: family, layout (9x|xp|10), host, modem (on|off), netsh_error, netsh_refuse;
// per card: name, description, device, mac, kind (ethernet|wireless|usb|dialup|pppoe),
// dhcp (yes|no), dns_auto (yes|no), ip, mask, gateway, dns (comma separated),
// to_modem (yes|no), leased (yes|no) and lease_ip, lease_mask, lease_gateway, lease_dns, lease_server.
bool ParseScenario(const std::string& text, PcModel& model, std::string* error = nullptr);
// The same format, complete: ParseScenario(SerializeScenario(m)) gives m again.
std::string SerializeScenario(const PcModel& model);

struct ToolOutput {
    std::string out;  // standard output, lines ending in CR LF
    std::string err;  // standard error
    int exitCode = 0;
};

// One run of a tool by its command line ("ipconfig /all", "netsh interface ip
// show dns", ...). The run may change the model (release, renew, set).
ToolOutput RunIpconfig(PcModel& model, const std::string& commandLine);
ToolOutput RunNetsh(PcModel& model, const std::string& commandLine);

// The Windows 95/98/Me registry below HKEY_LOCAL_MACHINE that describes the
// cards: the network class keys, the hardware enumeration with its bindings,
// the TCP/IP protocol instances and their class keys, and the global MSTCP key.
struct RegValue {
    std::string key;   // path below HKEY_LOCAL_MACHINE
    std::string name;  // empty with isKey: the key alone
    std::string data;  // string data
    bool isKey = false;
};
std::vector<RegValue> Build9xRegistry(const PcModel& model);
// REGEDIT4 text of those values, for loading into a Wine prefix.
std::string ToRegFile(const std::vector<RegValue>& values);

}  // namespace simpc
