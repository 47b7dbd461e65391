// ipconfig on Windows 2000/XP (labels indented 8 blanks) and on Windows 10
// (3 blanks, IPv6 link-local addresses, "(Preferred)" after addresses).
#include <cstdio>
#include <cstdlib>

#include "simpc/Lease.h"
#include "simpc/Listings.h"
#include "simpc/Text.h"

namespace simpc {
namespace {

constexpr std::size_t kLabelWidth = 34;

struct Style {
    bool win10;
    std::string indent;
    explicit Style(const PcModel& m) : win10(m.layout == Layout::Win10), indent(win10 ? "   " : "        ") {}
};

std::string L(const char* name) { return Dotted(name, kLabelWidth); }

std::string Header(const Style& st, const Card& card) {
    if (!IsLan(card)) return "PPP adapter " + card.name + ":";
    if (st.win10 && card.kind == Kind::Wireless) return "Wireless LAN adapter " + card.name + ":";
    return "Ethernet adapter " + card.name + ":";
}

// Listed at all: a dial-up or PPPoE connection only while it is up.
bool Listed(const Card& card) { return IsLan(card) || card.connected; }

// fe80:: and the interface identifier made of the hardware address (EUI-64).
std::string LinkLocal(const Card& card, std::size_t index) {
    unsigned b[6] = {0, 0, 0, 0, 0, 0};
    std::size_t pos = 0;
    for (unsigned& byte : b) {
        if (pos >= card.mac.size()) break;
        byte = static_cast<unsigned>(std::strtoul(card.mac.c_str() + pos, nullptr, 16)) & 0xFF;
        pos = card.mac.find('-', pos);
        if (pos == std::string::npos) break;
        ++pos;
    }
    char text[64];
    std::snprintf(text, sizeof text, "fe80::%x:%x:%x:%x%%%u", ((b[0] ^ 2u) << 8) | b[1],
                  (b[2] << 8) | 0xFFu, 0xFE00u | b[3], (b[4] << 8) | b[5],
                  static_cast<unsigned>(10 + index));
    return text;
}

std::string Preferred(const Style& st, const std::string& address) {
    return st.win10 ? address + "(Preferred)" : address;
}

void AddressLines(Lines& out, const Style& st, const Addressing& a) {
    using S = Addressing::Source;
    const bool none = a.source == S::None;
    if (a.source == S::Autoconfig)
        out.Labelled(st.indent, L(st.win10 ? "Autoconfiguration IPv4 Address" : "Autoconfiguration IP Address"),
                     Preferred(st, a.ip));
    else if (!(st.win10 && none))
        out.Labelled(st.indent, L(st.win10 ? "IPv4 Address" : "IP Address"),
                     none ? std::string("0.0.0.0") : Preferred(st, a.ip));
    if (!(st.win10 && none)) out.Labelled(st.indent, L("Subnet Mask"), none ? std::string("0.0.0.0") : a.mask);
}

void LeaseTimes(Lines& out, const Style& st) {
    out.Labelled(st.indent, L("Lease Obtained"),
                 st.win10 ? "Monday, June 2, 2008 9:14:05 AM" : "Monday, June 02, 2008 9:14:05 AM");
    out.Labelled(st.indent, L("Lease Expires"),
                 st.win10 ? "Tuesday, June 3, 2008 9:14:05 AM" : "Tuesday, June 03, 2008 9:14:05 AM");
}

void PppBlock(Lines& out, const Style& st, const Card& card) {
    out.Labelled(st.indent, L("Connection-specific DNS Suffix "), "");
    out.Labelled(st.indent, L("Description"), st.win10 ? card.name : "WAN (PPP/SLIP) Interface");
    out.Labelled(st.indent, L("Physical Address"), st.win10 ? "" : "00-53-45-00-00-00");
    out.Labelled(st.indent, L(st.win10 ? "DHCP Enabled" : "Dhcp Enabled"), "No");
    if (st.win10) out.Labelled(st.indent, L("Autoconfiguration Enabled"), "Yes");
    out.Labelled(st.indent, L(st.win10 ? "IPv4 Address" : "IP Address"), Preferred(st, card.ip));
    out.Labelled(st.indent, L("Subnet Mask"), "255.255.255.255");
    out.Labelled(st.indent, L("Default Gateway"), st.win10 ? "0.0.0.0" : card.ip);
    if (!card.dns.empty()) out.Labelled(st.indent, L("DNS Servers"), card.dns);
    out.Labelled(st.indent, L("NetBIOS over Tcpip"), "Disabled");
}

void LanBlock(Lines& out, const Style& st, const PcModel& model, std::size_t i) {
    const Card& card = model.cards[i];
    const Addressing a = AddressingOf(model, i);
    const bool up = LinkUp(model, i);
    const std::string dhcp = card.dhcp ? "Yes" : "No";
    if (!up) {
        out.Labelled(st.indent, L("Media State"), "Media disconnected");
        if (st.win10) out.Labelled(st.indent, L("Connection-specific DNS Suffix "), "");
        out.Labelled(st.indent, L("Description"), card.description);
        out.Labelled(st.indent, L("Physical Address"), card.mac);
        if (st.win10) {
            out.Labelled(st.indent, L("DHCP Enabled"), dhcp);
            out.Labelled(st.indent, L("Autoconfiguration Enabled"), "Yes");
        }
        return;
    }
    out.Labelled(st.indent, L("Connection-specific DNS Suffix "), "");
    out.Labelled(st.indent, L("Description"), card.description);
    out.Labelled(st.indent, L("Physical Address"), card.mac);
    out.Labelled(st.indent, L(st.win10 ? "DHCP Enabled" : "Dhcp Enabled"), dhcp);
    if (st.win10 || card.dhcp) out.Labelled(st.indent, L("Autoconfiguration Enabled"), "Yes");
    if (st.win10) out.Labelled(st.indent, L("Link-local IPv6 Address"), Preferred(st, LinkLocal(card, i)));
    AddressLines(out, st, a);
    const bool leased = a.source == Addressing::Source::Lease;
    if (st.win10 && leased) LeaseTimes(out, st);
    out.Labelled(st.indent, L("Default Gateway"), a.gateway);
    if (leased) out.Labelled(st.indent, L("DHCP Server"), a.dhcpServer);
    if (!a.dns.empty()) out.Labelled(st.indent, L("DNS Servers"), a.dns);
    if (st.win10) out.Labelled(st.indent, L("NetBIOS over Tcpip"), "Enabled");
    if (!st.win10 && leased) LeaseTimes(out, st);
}

void BriefBlock(Lines& out, const Style& st, const PcModel& model, std::size_t i) {
    const Card& card = model.cards[i];
    if (IsLan(card) && !LinkUp(model, i)) {
        out.Labelled(st.indent, L("Media State"), "Media disconnected");
        if (st.win10) out.Labelled(st.indent, L("Connection-specific DNS Suffix "), "");
        return;
    }
    out.Labelled(st.indent, L("Connection-specific DNS Suffix "), "");
    if (!IsLan(card)) {
        out.Labelled(st.indent, L(st.win10 ? "IPv4 Address" : "IP Address"), card.ip);
        out.Labelled(st.indent, L("Subnet Mask"), "255.255.255.255");
        out.Labelled(st.indent, L("Default Gateway"), st.win10 ? "0.0.0.0" : card.ip);
        return;
    }
    if (st.win10) out.Labelled(st.indent, L("Link-local IPv6 Address"), Preferred(st, LinkLocal(card, i)));
    const Addressing a = AddressingOf(model, i);
    AddressLines(out, st, a);
    out.Labelled(st.indent, L("Default Gateway"), a.gateway);
}

void Title(Lines& out) { out.Add().Add("Windows IP Configuration").Add(); }

}  // namespace

std::string NtFullListing(const PcModel& model) {
    const Style st(model);
    Lines out;
    Title(out);
    out.Labelled(st.indent, L("Host Name"), model.hostName);
    out.Labelled(st.indent, L("Primary Dns Suffix "), "");
    out.Labelled(st.indent, L("Node Type"), st.win10 ? "Hybrid" : "Unknown");
    out.Labelled(st.indent, L("IP Routing Enabled"), "No");
    out.Labelled(st.indent, L("WINS Proxy Enabled"), "No");
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Card& card = model.cards[i];
        if (!Listed(card)) continue;
        out.Add().Add(Header(st, card)).Add();
        if (IsLan(card))
            LanBlock(out, st, model, i);
        else
            PppBlock(out, st, card);
    }
    return out.Text();
}

std::string NtBriefListing(const PcModel& model, const std::vector<std::string>& messages) {
    const Style st(model);
    Lines out;
    Title(out);
    for (const std::string& m : messages) out.Add(m).Add();
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Card& card = model.cards[i];
        if (!Listed(card)) continue;
        out.Add().Add(Header(st, card)).Add();
        BriefBlock(out, st, model, i);
    }
    return out.Text();
}

}  // namespace simpc
