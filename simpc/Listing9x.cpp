// ipconfig on Windows 95/98/Me: the DNS servers belong to the host section,
// and every adapter, the dial-up one too, is numbered "N Ethernet adapter :".
#include "simpc/Lease.h"
#include "simpc/Listings.h"
#include "simpc/Text.h"

namespace simpc {
namespace {

constexpr std::size_t kLabelWidth = 28;
const std::string kIndent(8, ' ');

std::string L(const char* name) { return Dotted(name, kLabelWidth); }

std::string Header(std::size_t i) { return std::to_string(i) + " Ethernet adapter :"; }

// The dial-up adapter has no hardware address of its own and no DHCP server
// while the call is down.
struct Adapter {
    std::string description, mac, ip, mask, gateway, dhcpServer;
    bool dhcp = true, leased = false;
};

Adapter AdapterOf(const PcModel& model, std::size_t i) {
    const Card& card = model.cards[i];
    Adapter ad;
    if (!IsLan(card)) {
        ad.description = "PPP Adapter.";
        ad.mac = "44-45-53-54-00-00";
        ad.ip = card.connected ? card.ip : "0.0.0.0";
        ad.mask = card.connected ? "255.0.0.0" : "0.0.0.0";
        ad.gateway = card.connected ? card.ip : "";
        ad.dhcpServer = "255.255.255.255";
        return ad;
    }
    const Addressing a = AddressingOf(model, i);
    ad.description = card.description;
    ad.mac = card.mac;
    ad.dhcp = card.dhcp;
    ad.leased = a.source == Addressing::Source::Lease;
    const bool none = a.source == Addressing::Source::None;
    ad.ip = none ? "0.0.0.0" : a.ip;
    ad.mask = none ? "0.0.0.0" : a.mask;
    ad.gateway = a.gateway;
    ad.dhcpServer = ad.leased ? a.dhcpServer : (card.dhcp ? "255.255.255.255" : "");
    return ad;
}

std::vector<std::string> HostDnsServers(const PcModel& model) {
    std::vector<std::string> all;
    for (std::size_t i = 0; i < model.cards.size(); ++i)
        for (const std::string& s : AddressingOf(model, i).dns) {
            bool seen = false;
            for (const std::string& t : all) seen = seen || t == s;
            if (!seen) all.push_back(s);
        }
    return all;
}

void Title(Lines& out) { out.Add().Add("Windows 98 IP Configuration").Add(); }

}  // namespace

std::string Win9xFullListing(const PcModel& model) {
    Lines out;
    Title(out);
    out.Labelled(kIndent, L("Host Name"), model.hostName);
    const std::vector<std::string> dns = HostDnsServers(model);
    if (dns.empty())
        out.Labelled(kIndent, L("DNS Servers"), "");
    else
        out.Labelled(kIndent, L("DNS Servers"), dns);
    out.Labelled(kIndent, L("Node Type"), "Broadcast");
    out.Labelled(kIndent, L("NetBIOS Scope ID"), "");
    out.Labelled(kIndent, L("IP Routing Enabled"), "No");
    out.Labelled(kIndent, L("WINS Proxy Enabled"), "No");
    out.Labelled(kIndent, L("NetBIOS Resolution Uses DNS"), "No");
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Adapter ad = AdapterOf(model, i);
        out.Add().Add(Header(i)).Add();
        out.Labelled(kIndent, L("Description"), ad.description);
        out.Labelled(kIndent, L("Physical Address"), ad.mac);
        out.Labelled(kIndent, L("DHCP Enabled"), ad.dhcp ? "Yes" : "No");
        out.Labelled(kIndent, L("IP Address"), ad.ip);
        out.Labelled(kIndent, L("Subnet Mask"), ad.mask);
        out.Labelled(kIndent, L("Default Gateway"), ad.gateway);
        out.Labelled(kIndent, L("DHCP Server"), ad.dhcpServer);
        out.Labelled(kIndent, L("Primary WINS Server"), "");
        out.Labelled(kIndent, L("Secondary WINS Server"), "");
        out.Labelled(kIndent, L("Lease Obtained"), ad.leased ? "06 02 08 9:14:05 AM" : "");
        out.Labelled(kIndent, L("Lease Expires"), ad.leased ? "06 03 08 9:14:05 AM" : "");
    }
    return out.Text();
}

std::string Win9xBriefListing(const PcModel& model, const std::vector<std::string>& messages) {
    Lines out;
    Title(out);
    for (const std::string& m : messages) out.Add(m).Add();
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Adapter ad = AdapterOf(model, i);
        out.Add(Header(i)).Add();
        out.Labelled(kIndent, L("IP Address"), ad.ip);
        out.Labelled(kIndent, L("Subnet Mask"), ad.mask);
        out.Labelled(kIndent, L("Default Gateway"), ad.gateway);
        out.Add();
    }
    return out.Text();
}

}  // namespace simpc
