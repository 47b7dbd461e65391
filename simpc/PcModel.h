// A model of a PC and the KR7740M modem behind one of its cards: what
// ipconfig and netsh print on it, what release, renew and "set ... dhcp" change,
// and the Windows 95/98/Me registry tree that describes its cards.
//
// Used in-process by the simulated Windows PC of the native tests, and under
// Wine by the substitute ipconfig.exe and netsh.exe, which keep the state in a
// file between runs. Scenarios are small text files (tests/scenarios/).
//
// How the PC behaves:
// - A card has a link when it is connected and, if its cable leads to the
//   modem, the modem is on; without a link ipconfig shows "Media disconnected".
// - Renewal: a card on DHCP gets the modem's lease (address 192.168.1.(100 +
//   its index), gateway, DHCP server and DNS server 192.168.1.1) only when it
//   also obtains its DNS servers automatically, leads to the modem and has a
//   link. Any other card on DHCP with a link gets an autoconfiguration address
//   (169.254.x.y, no gateway); release leaves it without an address.
// - Cards with a fixed address keep it; fixed DNS servers are shown as fixed.
// - Windows 95/98/Me have one DNS setting for the PC: DNS counts as automatic
//   for a card only when every card has it automatic.
// - "set address|dns NAME dhcp" switches the card over and renews its lease.
// - Dial-up and PPPoE connections take no part in DHCP; ipconfig on the NT
//   family lists them ("PPP adapter") only while connected; netsh omits them.
#pragma once

#include <functional>
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
    bool connected = true;  // a cable is plugged in (dial-up: the call is up)
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
    bool netshErrorObtaining = false;  // the address configuration cannot be read
    bool netshSetRefused = false;      // "set ... dhcp" changes nothing (no rights)
    // Tool runs that never end by themselves (whole command lines, as run).
    std::vector<std::string> hang;
    std::string stderrLine;  // a line every tool run also prints to standard error
    unsigned delayMs = 0;    // how long every tool run takes
};

bool operator==(const Card& a, const Card& b);
bool operator==(const PcModel& a, const PcModel& b);
inline bool operator!=(const Card& a, const Card& b) { return !(a == b); }
inline bool operator!=(const PcModel& a, const PcModel& b) { return !(a == b); }

// Scenario text: "key = value" lines, "#" comments, one "[card]" section per card.
// Keys: family, layout (9x|xp|10), host, modem (on|off), netsh_error, netsh_refuse;
// per card: name, description, device, mac, kind (ethernet|wireless|usb|dialup|pppoe),
// dhcp (yes|no), dns_auto (yes|no), ip, mask, gateway, dns (comma separated),
// to_modem (yes|no), leased (yes|no) and lease_ip, lease_mask, lease_gateway, lease_dns, lease_server.
// Further keys: hang (a command line; repeatable), stderr, delay_ms; per card
// connected (yes|no). A card without "leased" starts as Windows leaves it after
// start-up: its lease renewed once. Without "layout" the family chooses (1: 9x).
bool ParseScenario(const std::string& text, PcModel& model, std::string* error = nullptr);
// The same format, complete: ParseScenario(SerializeScenario(m)) gives m again.
std::string SerializeScenario(const PcModel& model);

struct ToolOutput {
    std::string out;  // standard output, lines ending in CR LF
    std::string err;  // standard error
    int exitCode = 0;
    bool hang = false;        // the run never ends (nothing printed, nothing changed)
    unsigned durationMs = 0;  // how long the run takes (the model's delayMs)
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
// What Windows 95/98/Me takes up from that tree at its next start: each card's
// "IPAddress"/"IPMask" in its TCP/IP class key and the global "EnableDNS".
// read(key, name, data) gives a value below HKEY_LOCAL_MACHINE; false: absent.
using RegReader = std::function<bool(const std::string& key, const std::string& name,
                                     std::string& data)>;
void Apply9xRegistry(PcModel& model, const RegReader& read);

}  // namespace simpc
