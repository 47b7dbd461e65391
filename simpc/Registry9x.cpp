// The Windows 95/98/Me registry that describes the PC's cards: per card its
// network class key, its hardware enumeration key bound to one TCP/IP protocol
// instance, that instance and its class key; and the global MSTCP key.
#include <cstdio>

#include "simpc/Lease.h"
#include "simpc/PcModel.h"
#include "simpc/Text.h"

namespace simpc {
namespace {

const std::string kClass = "System\\CurrentControlSet\\Services\\Class";
const std::string kMstcpEnum = "Enum\\Network\\MSTCP";
const std::string kMstcp = "System\\CurrentControlSet\\Services\\VxD\\MSTCP";
const char kAutomatic[] = "0.0.0.0";

std::string Instance(std::size_t i) {
    char text[8];
    std::snprintf(text, sizeof text, "%04u", static_cast<unsigned>(i % 10000));
    return text;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// "Enum\PCI\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\BUS_00&DEV_0B&FUNC_00"
std::string HardwareKey(const Card& card, std::size_t i) {
    const std::size_t slash = card.deviceId.find('\\');
    if (slash == std::string::npos) return "Enum\\Root\\Net\\" + Instance(i);
    const std::string bus = Upper(card.deviceId.substr(0, slash));
    const std::string device = Upper(card.deviceId.substr(slash + 1));
    char instance[32];
    if (bus == "PCI")
        std::snprintf(instance, sizeof instance, "BUS_00&DEV_%02X&FUNC_00",
                      static_cast<unsigned>(0x0B + i % 0x100));
    else
        std::snprintf(instance, sizeof instance, "%s", Instance(i).c_str());
    return "Enum\\" + bus + "\\" + device + "\\" + instance;
}

bool DnsAutoEverywhere(const PcModel& model) {
    for (const Card& card : model.cards)
        if (!card.dnsAuto) return false;
    return true;
}

std::string Escape(const std::string& s) {
    std::string r;
    for (char c : s) {
        if (c == '\\' || c == '"') r += '\\';
        r += c;
    }
    return r;
}

}  // namespace

std::vector<RegValue> Build9xRegistry(const PcModel& model) {
    std::vector<RegValue> v;
    auto value = [&v](const std::string& key, const std::string& name, const std::string& data) {
        v.push_back({key, name, data, false});
    };
    v.push_back({kClass + "\\Net", "", "", true});
    v.push_back({kMstcpEnum, "", "", true});
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Card& card = model.cards[i];
        const std::string n = Instance(i);
        // PPPoE drivers present themselves as Ethernet adapters; dial-up as WAN.
        const char* lower = IsLan(card) || card.kind == Kind::Pppoe ? "ethernet" : "wan";
        const std::string net = kClass + "\\Net\\" + n;
        value(net, "DriverDesc", card.description);
        value(net, "MatchingDeviceId", card.deviceId);
        value(net + "\\Ndi\\Interfaces", "Lower", lower);
        value(net + "\\Ndi\\Interfaces", "DefLower", lower);
        value(net + "\\Ndi\\Interfaces", "Upper", "ndis2,ndis3,ndis4");
        const std::string hardware = HardwareKey(card, i);
        value(hardware, "DeviceDesc", card.description);
        value(hardware, "Class", "Net");
        value(hardware, "HardwareID", card.deviceId);
        value(hardware, "Driver", "Net\\" + n);
        value(hardware + "\\Bindings", "MSTCP\\" + n, "");
        value(kMstcpEnum + "\\" + n, "DeviceDesc", "TCP/IP");
        value(kMstcpEnum + "\\" + n, "Class", "NetTrans");
        value(kMstcpEnum + "\\" + n, "Driver", "NetTrans\\" + n);
        const std::string trans = kClass + "\\NetTrans\\" + n;
        value(trans, "DriverDesc", "TCP/IP");
        value(trans, "IPAddress", card.dhcp ? kAutomatic : card.ip);
        value(trans, "IPMask", card.dhcp ? kAutomatic : card.mask);
        if (!card.dhcp && !card.gateway.empty()) value(trans, "DefaultGateway", card.gateway);
    }
    const bool dnsAuto = DnsAutoEverywhere(model);
    value(kMstcp, "HostName", model.hostName);
    value(kMstcp, "EnableDNS", dnsAuto ? "0" : "1");
    if (!dnsAuto) {
        std::vector<std::string> servers;
        for (const Card& card : model.cards)
            if (!card.dnsAuto)
                for (const std::string& s : card.dns) servers.push_back(s);
        value(kMstcp, "NameServer", JoinList(servers));
    }
    return v;
}

std::string ToRegFile(const std::vector<RegValue>& values) {
    std::vector<std::string> keys;
    for (const RegValue& r : values) {
        bool seen = false;
        for (const std::string& k : keys) seen = seen || k == r.key;
        if (!seen) keys.push_back(r.key);
    }
    std::string s = "REGEDIT4\r\n";
    for (const std::string& k : keys) {
        s += "\r\n[HKEY_LOCAL_MACHINE\\" + k + "]\r\n";
        for (const RegValue& r : values)
            if (r.key == k && !r.isKey)
                s += "\"" + Escape(r.name) + "\"=\"" + Escape(r.data) + "\"\r\n";
    }
    return s;
}

void Apply9xRegistry(PcModel& model, const RegReader& read) {
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        Card& card = model.cards[i];
        const std::string trans = kClass + "\\NetTrans\\" + Instance(i);
        std::string ip, mask;
        if (!read(trans, "IPAddress", ip) || !read(trans, "IPMask", mask)) continue;
        if (ip == kAutomatic && mask == kAutomatic) {
            card.dhcp = true;
        } else {
            card.dhcp = false;
            card.ip = ip;
            card.mask = mask;
        }
    }
    std::string enableDns;
    if (read(kMstcp, "EnableDNS", enableDns) && enableDns == "0")
        for (Card& card : model.cards) card.dnsAuto = true;
    for (std::size_t i = 0; i < model.cards.size(); ++i) RenewCard(model, i);
}

}  // namespace simpc
