// Release and renewal: the modem becomes a card's DNS server only when the
// card obtains address and DNS automatically, leads to the modem and the modem
// is on; otherwise no modem address is seen where the program looks for it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contracts/Modem.h"
#include "contracts/Tools.h"
#include "simpc/PcModel.h"
#include "tests/unit/simpc_fixtures.h"

namespace {

using simpc::Layout;

struct LeaseCase {
    const char* name;
    bool dhcp, dnsAuto, toModem, modemOn, connected;
    bool served;
};

const std::vector<LeaseCase> kCases = {
    {"all automatic, modem on", true, true, true, true, true, true},
    {"DNS fixed", true, false, true, true, true, false},
    {"address fixed", false, true, true, true, true, false},
    {"both fixed", false, false, true, true, true, false},
    {"cable elsewhere", true, true, false, true, true, false},
    {"modem off", true, true, true, false, true, false},
    {"cable unplugged", true, true, true, true, false, false},
};

simpc::PcModel Pc(Layout layout, const LeaseCase& c) {
    simpc::Card card = simpc_test::EthernetCard("Local Area Connection", c.dhcp, c.dnsAuto, c.toModem);
    card.connected = c.connected;
    simpc::PcModel m = simpc_test::OneCardPc(layout, card);
    m.modemOn = c.modemOn;
    return m;
}

std::string ReleaseAndRenew(simpc::PcModel& m) {
    const bool nt = m.layout != Layout::Win9x;
    simpc::RunIpconfig(m, nt ? "ipconfig /release" : "ipconfig /release_all");
    simpc::RunIpconfig(m, nt ? "ipconfig /renew" : "ipconfig /renew_all");
    return simpc::RunIpconfig(m, "ipconfig /all").out;
}

TEST(SimpcLease, NtModemIsTheDnsServerOnlyWhenItServesTheCard) {
    const std::string dnsLine = std::string(contracts::kDnsServersLabel) + contracts::ModemAddress;
    for (Layout layout : {Layout::WinXp, Layout::Win10}) {
        for (const LeaseCase& c : kCases) {
            simpc::PcModel m = Pc(layout, c);
            const std::string all = ReleaseAndRenew(m);
            EXPECT_EQ(all.find(dnsLine) != std::string::npos, c.served) << c.name;
            const std::string dns = simpc::RunNetsh(m, "netsh interface ip show dns").out;
            EXPECT_EQ(dns.find("DNS servers configured through DHCP:  192.168.1.1") != std::string::npos, c.served)
                << c.name;
        }
    }
}

TEST(SimpcLease, Windows98ShowsTheModemAnywhereOnlyWhenItServesTheCard) {
    for (const LeaseCase& c : kCases) {
        simpc::PcModel m = Pc(Layout::Win9x, c);
        EXPECT_EQ(ReleaseAndRenew(m).find(contracts::ModemAddress) != std::string::npos, c.served) << c.name;
    }
}

TEST(SimpcLease, Windows98DnsSettingIsOneForAllCards) {
    simpc::PcModel m = simpc_test::OneCardPc(Layout::Win9x, simpc_test::EthernetCard("A", true, true, true));
    m.cards.push_back(simpc_test::EthernetCard("B", false, false, false));
    EXPECT_EQ(ReleaseAndRenew(m).find(contracts::ModemAddress), std::string::npos);
}

struct AddressCase {
    const char* name;
    LeaseCase pc;
    std::string ipLine;  // after release and renew, XP layout
};

TEST(SimpcLease, CardsWithoutALeaseShowWhatWindowsFallsBackTo) {
    const std::string in = std::string(8, ' ');
    const std::vector<AddressCase> cases = {
        {"served", kCases[0], in + "IP Address. . . . . . . . . . . . : 192.168.1.100"},
        {"DHCP unanswered", kCases[1], in + "Autoconfiguration IP Address. . . : 169.254.53.87"},
        {"fixed address", kCases[2], in + "IP Address. . . . . . . . . . . . : 192.168.0.20"},
        {"no link", kCases[5], in + "Media State . . . . . . . . . . . : Media disconnected"},
    };
    for (const AddressCase& c : cases) {
        simpc::PcModel m = Pc(Layout::WinXp, c.pc);
        m.cards[0].mac = "00-50-BA-12-34-56";
        EXPECT_TRUE(simpc_test::HasLine(ReleaseAndRenew(m), c.ipLine)) << c.name;
    }
}

TEST(SimpcLease, ReleaseLeavesNoAddress) {
    simpc::PcModel m = Pc(Layout::WinXp, kCases[0]);
    simpc::RunIpconfig(m, "ipconfig /renew");
    ASSERT_TRUE(m.cards[0].leased);
    const std::string out = simpc::RunIpconfig(m, "ipconfig /release").out;
    EXPECT_FALSE(m.cards[0].leased);
    EXPECT_TRUE(simpc_test::HasLine(out, "        IP Address. . . . . . . . . . . . : 0.0.0.0"));
}

TEST(SimpcLease, RenewOfAnUnansweredCardSaysSo) {
    simpc::PcModel m = Pc(Layout::WinXp, kCases[1]);
    EXPECT_NE(simpc::RunIpconfig(m, "ipconfig /renew").out.find(
                  "An error occurred while renewing interface Local Area Connection : unable to "
                  "contact your DHCP server."),
              std::string::npos);
}

}  // namespace
