#include "simpc/Lease.h"

#include <cstdio>
#include <cstdlib>

#include "simpc/Text.h"

namespace simpc {

bool IsLan(const Card& card) { return card.kind != Kind::DialUp && card.kind != Kind::Pppoe; }

bool LinkUp(const PcModel& model, std::size_t index) {
    const Card& card = model.cards[index];
    return card.connected && (!card.toModem || model.modemOn);
}

bool DnsAuto(const PcModel& model, std::size_t index) {
    if (model.family != 1) return model.cards[index].dnsAuto;
    for (const Card& card : model.cards)
        if (!card.dnsAuto) return false;
    return true;
}

bool ServedByModem(const PcModel& model, std::size_t index) {
    const Card& card = model.cards[index];
    return IsLan(card) && card.dhcp && DnsAuto(model, index) && card.toModem && model.modemOn &&
           card.connected;
}

void ReleaseCard(PcModel& model, std::size_t index) {
    Card& card = model.cards[index];
    card.leased = false;
    card.leaseIp.clear();
    card.leaseMask.clear();
    card.leaseGateway.clear();
    card.leaseDns.clear();
    card.leaseServer.clear();
}

void RenewCard(PcModel& model, std::size_t index) {
    ReleaseCard(model, index);
    Card& card = model.cards[index];
    if (!IsLan(card) || !card.dhcp || !LinkUp(model, index)) return;
    if (ServedByModem(model, index)) {
        card.leased = true;
        card.leaseIp = "192.168.1." + std::to_string(100 + index);
        card.leaseMask = kModemMask;
        card.leaseGateway = kModemIp;
        card.leaseDns = kModemIp;
        card.leaseServer = kModemIp;
    } else {
        card.leaseIp = AutoconfigAddress(card);
        card.leaseMask = "255.255.0.0";
    }
}

std::string AutoconfigAddress(const Card& card) {
    // The last two bytes of the hardware address, kept clear of .0 and .255.
    unsigned bytes[6] = {0, 0, 0, 0, 0, 0};
    std::size_t n = 0, pos = 0;
    while (n < 6 && pos < card.mac.size()) {
        bytes[n++] = static_cast<unsigned>(std::strtoul(card.mac.c_str() + pos, nullptr, 16)) & 0xFF;
        pos = card.mac.find('-', pos);
        if (pos == std::string::npos) break;
        ++pos;
    }
    const unsigned c = 1 + bytes[4] % 254, d = 1 + bytes[5] % 254;
    char text[32];
    std::snprintf(text, sizeof text, "169.254.%u.%u", c, d);
    return text;
}

Addressing AddressingOf(const PcModel& model, std::size_t index) {
    const Card& card = model.cards[index];
    Addressing a;
    if (!DnsAuto(model, index)) a.dns = card.dns;
    if (!IsLan(card) && !card.connected) return a;
    if (!IsLan(card) || !card.dhcp) {
        a.source = Addressing::Source::Fixed;
        a.ip = card.ip;
        a.mask = card.mask;
        a.gateway = card.gateway;
        if (!IsLan(card)) a.dns = card.dns;
        return a;
    }
    if (card.leased) {
        a.source = Addressing::Source::Lease;
        a.dhcpServer = card.leaseServer;
        if (DnsAuto(model, index)) a.dns = SplitList(card.leaseDns);
    } else if (!card.leaseIp.empty()) {
        a.source = Addressing::Source::Autoconfig;
    }
    a.ip = card.leaseIp;
    a.mask = card.leaseMask;
    a.gateway = card.leaseGateway;
    return a;
}

}  // namespace simpc
