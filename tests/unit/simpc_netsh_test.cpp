// The model's netsh: the listings the program scans (the connection's line and
// the line after it) and the "set ... dhcp" repairs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contracts/Tools.h"
#include "simpc/PcModel.h"
#include "tests/unit/simpc_fixtures.h"

namespace {

using simpc::Layout;
using simpc_test::EthernetCard;
using simpc_test::LineAfter;

const char kLan[] = "\"Local Area Connection\"";

simpc::PcModel TwoCardPc(Layout layout, bool dhcp, bool dnsAuto) {
    simpc::PcModel m = simpc_test::OneCardPc(layout, EthernetCard("Local Area Connection 2", !dhcp, !dnsAuto, false));
    m.cards.push_back(EthernetCard("Local Area Connection", dhcp, dnsAuto, true));
    return m;
}

TEST(SimpcNetsh, ShowListsEachConnectionWithItsStateOnTheNextLine) {
    struct Case {
        bool automatic;
        std::string address, dns;
    };
    const std::vector<Case> cases = {
        {true, "    DHCP enabled:                         Yes", "    DNS servers configured through DHCP:  None"},
        {false, "    DHCP enabled:                         No", "    Statically Configured DNS Servers:    198.51.100.1"},
    };
    for (Layout layout : {Layout::WinXp, Layout::Win10}) {
        for (const Case& c : cases) {
            simpc::PcModel m = TwoCardPc(layout, c.automatic, c.automatic);
            EXPECT_EQ(LineAfter(simpc::RunNetsh(m, "netsh interface ip show address").out, kLan), c.address);
            EXPECT_EQ(LineAfter(simpc::RunNetsh(m, "netsh interface ip show dns").out, kLan), c.dns);
        }
    }
}

// The address listing says so before any interface, where a scan meets it
// first; the DNS listing is not affected.
TEST(SimpcNetsh, ErrorObtainingConfigurationConcernsTheAddressListingOnly) {
    simpc::PcModel m = TwoCardPc(Layout::WinXp, true, true);
    m.netshErrorObtaining = true;
    const std::string address = simpc::RunNetsh(m, "netsh interface ip show address").out;
    EXPECT_EQ(address.find("\r\nError obtaining configuration\r\n"), 0u) << address;
    EXPECT_EQ(LineAfter(address, kLan), "    Error obtaining configuration");
    const std::string dns = LineAfter(simpc::RunNetsh(m, "netsh interface ip show dns").out, kLan);
    EXPECT_EQ(dns.rfind("    DNS servers configured through DHCP:", 0), 0u) << dns;
}

struct SetCase {
    const char* name;
    Layout layout;
    const char* command;
    bool refuse, error;
    std::string out;
    int exitCode;
    bool dhcpAfter, dnsAutoAfter;
};

TEST(SimpcNetsh, SetDhcp) {
    const char* address = "netsh interface ip set address \"Local Area Connection\" dhcp";
    const char* dns = "netsh interface ip set dns \"Local Area Connection\" dhcp";
    const std::vector<SetCase> cases = {
        {"address, XP", Layout::WinXp, address, false, false, "Ok.\r\n\r\n", 0, true, false},
        {"address, 10", Layout::Win10, address, false, false, "", 0, true, false},
        {"dns, XP", Layout::WinXp, dns, false, false, "Ok.\r\n\r\n", 0, false, true},
        {"dns, 10", Layout::Win10, dns, false, false, "", 0, false, true},
        {"name given whole", Layout::WinXp, "netsh interface ip set address name=\"Local Area Connection\" dhcp",
         false, false, "Ok.\r\n\r\n", 0, true, false},
        {"a name's beginning", Layout::WinXp, "netsh interface ip set address \"Local Area\" dhcp", false, false,
         "Element not found.\r\n\r\n", 1, false, false},
        {"refused, XP", Layout::WinXp, address, true, false, "Access is denied.\r\n\r\n", 1, false, false},
        {"refused, 10", Layout::Win10, dns, true, false,
         "The requested operation requires elevation (Run as administrator).\r\n\r\n", 1, false, false},
        {"error", Layout::WinXp, address, false, true, "Error obtaining configuration\r\n\r\n", 1, false, false},
    };
    for (const SetCase& c : cases) {
        simpc::PcModel m = TwoCardPc(c.layout, false, false);
        m.netshSetRefused = c.refuse;
        m.netshErrorObtaining = c.error;
        const simpc::Card other = m.cards[0];
        const simpc::ToolOutput out = simpc::RunNetsh(m, c.command);
        EXPECT_EQ(out.out, c.out) << c.name;
        EXPECT_EQ(out.exitCode, c.exitCode) << c.name;
        EXPECT_EQ(m.cards[1].dhcp, c.dhcpAfter) << c.name;
        EXPECT_EQ(m.cards[1].dnsAuto, c.dnsAutoAfter) << c.name;
        EXPECT_TRUE(m.cards[0] == other) << c.name;
    }
}

TEST(SimpcNetsh, SetOnAnAutomaticCardSaysDhcpIsOn) {
    simpc::PcModel m = TwoCardPc(Layout::WinXp, true, true);
    const simpc::ToolOutput out = simpc::RunNetsh(m, "netsh interface ip set address \"Local Area Connection\" dhcp");
    EXPECT_EQ(out.out, "DHCP is already enabled on this interface.\r\n\r\n");
}

TEST(SimpcNetsh, RepairedDnsTakesTheModemsLeaseAtOnce) {
    simpc::PcModel m = TwoCardPc(Layout::WinXp, true, false);
    simpc::RunNetsh(m, "netsh interface ip set dns \"Local Area Connection\" dhcp");
    const std::string dns = LineAfter(simpc::RunNetsh(m, "netsh interface ip show dns").out, kLan);
    EXPECT_EQ(dns.rfind("    DNS servers configured through DHCP:", 0), 0u) << dns;
}

TEST(SimpcNetsh, UnknownCommandPrintsAnErrorAndFails) {
    for (const char* command : {"netsh interface ip show", "netsh interface ip show wins", "netsh foo",
                                "netsh interface ip set address \"Local Area Connection\" static"}) {
        simpc::PcModel m = TwoCardPc(Layout::WinXp, false, false);
        const simpc::PcModel before = m;
        const simpc::ToolOutput out = simpc::RunNetsh(m, command);
        EXPECT_EQ(out.exitCode, 1) << command;
        EXPECT_NE(out.out.find("The following command was not found"), std::string::npos) << command;
        EXPECT_TRUE(m == before) << command;
    }
}

}  // namespace
