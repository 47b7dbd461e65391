// How the PC's cards get their addresses: the lease rule of release and renew,
// and the addressing that the tools then report for a card.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "simpc/PcModel.h"

namespace simpc {

constexpr char kModemIp[] = "192.168.1.1";
constexpr char kModemMask[] = "255.255.255.0";

// Dial-up and PPPoE connections are not LAN cards: no DHCP of their own.
bool IsLan(const Card& card);
// The link is up: a cable is plugged in, and the modem is on if it leads there.
bool LinkUp(const PcModel& model, std::size_t index);
// Windows 95/98/Me keep one DNS setting for all cards.
bool DnsAuto(const PcModel& model, std::size_t index);
// The modem hands this card its lease and names itself as its DNS server.
bool ServedByModem(const PcModel& model, std::size_t index);

void ReleaseCard(PcModel& model, std::size_t index);
void RenewCard(PcModel& model, std::size_t index);

// The address Windows gives a card that DHCP does not answer.
std::string AutoconfigAddress(const Card& card);

struct Addressing {
    enum class Source { Fixed, Lease, Autoconfig, None };
    Source source = Source::None;
    std::string ip, mask, gateway, dhcpServer;
    std::vector<std::string> dns;
};
// What the card uses now, as the tools report it.
Addressing AddressingOf(const PcModel& model, std::size_t index);

}  // namespace simpc
