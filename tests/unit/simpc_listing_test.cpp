// The model's ipconfig listings carry the lines the program reads, in the
// layouts captured from Windows XP, Windows 10 and Windows 98.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "contracts/Tools.h"
#include "simpc/PcModel.h"
#include "tests/unit/simpc_fixtures.h"

namespace {

using simpc::Kind;
using simpc::Layout;
using simpc_test::EthernetCard;
using simpc_test::SplitLines;

simpc::PcModel MixedPc(Layout layout) {
    simpc::PcModel m = simpc_test::OneCardPc(layout, EthernetCard("Local Area Connection", true, true, true));
    simpc::Card wifi = EthernetCard("Wireless Network Connection", true, true, false);
    wifi.kind = Kind::Wireless;
    wifi.description = "Intel(R) PRO/Wireless 2200BG Network Connection";
    wifi.connected = false;
    simpc::Card fixed = EthernetCard("Local Area Connection 2", false, false, false);
    simpc::Card dialup = EthernetCard("My ISP", false, false, false);
    dialup.kind = Kind::DialUp;
    dialup.ip = "203.0.113.77";
    m.cards.push_back(wifi);
    m.cards.push_back(fixed);
    m.cards.push_back(dialup);
    return m;
}

TEST(SimpcListing, EveryLineEndsInCrLf) {
    for (Layout layout : {Layout::WinXp, Layout::Win10, Layout::Win9x}) {
        const bool nt = layout != Layout::Win9x;
        for (const char* command : {"ipconfig", "ipconfig /all", nt ? "ipconfig /release" : "ipconfig /release_all",
                                    nt ? "ipconfig /renew" : "ipconfig /renew_all", "ipconfig /bogus"}) {
            simpc::PcModel m = MixedPc(layout);
            const std::string out = simpc::RunIpconfig(m, command).out;
            ASSERT_FALSE(out.empty()) << command;
            for (const std::string& line : SplitLines(out))
                EXPECT_EQ(line.find('<'), std::string::npos) << command << ": " << line;
        }
    }
}

struct BlockCase {
    Layout layout;
    std::size_t card;
    std::string header;       // empty: the card is not listed
    std::string description;  // the whole Description line
};

TEST(SimpcListing, NtAdapterBlocksAsTheProgramReadsThem) {
    const std::string xp = contracts::kDescriptionLabel, win10 = "   Description . . . . . . . . . . . : ";
    const std::vector<BlockCase> cases = {
        {Layout::WinXp, 0, "Ethernet adapter Local Area Connection:", xp + "Realtek RTL8139 Family PCI Fast Ethernet NIC"},
        {Layout::WinXp, 1, "Ethernet adapter Wireless Network Connection:", xp + "Intel(R) PRO/Wireless 2200BG Network Connection"},
        {Layout::WinXp, 2, "Ethernet adapter Local Area Connection 2:", xp + "Realtek RTL8139 Family PCI Fast Ethernet NIC"},
        {Layout::WinXp, 3, "PPP adapter My ISP:", xp + "WAN (PPP/SLIP) Interface"},
        {Layout::Win10, 0, "Ethernet adapter Local Area Connection:", win10 + "Realtek RTL8139 Family PCI Fast Ethernet NIC"},
        {Layout::Win10, 1, "Wireless LAN adapter Wireless Network Connection:", win10 + "Intel(R) PRO/Wireless 2200BG Network Connection"},
        {Layout::Win10, 3, "PPP adapter My ISP:", win10 + "My ISP"},
    };
    ASSERT_EQ(xp.size(), 44u);
    for (const BlockCase& c : cases) {
        simpc::PcModel m = MixedPc(c.layout);
        const std::vector<std::string> lines = SplitLines(simpc::RunIpconfig(m, "ipconfig /all").out);
        std::size_t at = 0;
        while (at < lines.size() && lines[at] != c.header) ++at;
        ASSERT_LT(at, lines.size()) << c.header;
        bool found = false;
        for (std::size_t i = at + 1; i <= at + 5 && i < lines.size(); ++i) found = found || lines[i] == c.description;
        EXPECT_TRUE(found) << c.header;
    }
}

TEST(SimpcListing, DialUpIsListedOnlyWhileConnected) {
    for (Layout layout : {Layout::WinXp, Layout::Win10}) {
        simpc::PcModel m = MixedPc(layout);
        m.cards[3].connected = false;
        EXPECT_EQ(simpc::RunIpconfig(m, "ipconfig /all").out.find("My ISP"), std::string::npos);
    }
}

TEST(SimpcListing, DisconnectedCardShowsMediaStateBeforeDescription) {
    for (Layout layout : {Layout::WinXp, Layout::Win10}) {
        simpc::PcModel m = MixedPc(layout);
        const std::string out = simpc::RunIpconfig(m, "ipconfig /all").out;
        const std::size_t header = out.find("adapter Wireless Network Connection:");
        const std::size_t media = out.find("Media State . . . . . . . . . . . : Media disconnected", header);
        const std::size_t description = out.find("Description", header);
        ASSERT_NE(media, std::string::npos);
        EXPECT_LT(media, description);
    }
}

TEST(SimpcListing, NtDnsServersContinueAtTheValueColumn) {
    struct Case {
        Layout layout;
        std::string indent;
    };
    for (const Case& c : {Case{Layout::WinXp, std::string(8, ' ')}, Case{Layout::Win10, std::string(3, ' ')}}) {
        simpc::PcModel m = simpc_test::OneCardPc(c.layout, EthernetCard("LAN", true, false, true));
        const std::string out = simpc::RunIpconfig(m, "ipconfig /all").out;
        const std::string first = c.indent + contracts::kDnsServersLabel + "198.51.100.1";
        EXPECT_TRUE(simpc_test::HasLine(out, first)) << out;
        EXPECT_EQ(simpc_test::LineAfter(out, first), std::string(first.size() - 12, ' ') + "198.51.100.2");
    }
}

TEST(SimpcListing, Windows98ListsNumberedAdaptersAndHostDnsServers) {
    simpc::PcModel m = MixedPc(Layout::Win9x);
    const std::vector<std::string> lines = SplitLines(simpc::RunIpconfig(m, "ipconfig /all").out);
    const std::vector<std::string> expected = {
        "",
        "Windows 98 IP Configuration",
        "",
        "        Host Name . . . . . . . . . : HOMEPC",
        "        DNS Servers . . . . . . . . : 198.51.100.1",
        "                                      198.51.100.2",
    };
    ASSERT_GE(lines.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + expected.size()), expected);
    std::vector<std::string> headers;
    for (const std::string& l : lines)
        if (l.find("Ethernet adapter") != std::string::npos) headers.push_back(l);
    EXPECT_EQ(headers, (std::vector<std::string>{"0 Ethernet adapter :", "1 Ethernet adapter :",
                                                 "2 Ethernet adapter :", "3 Ethernet adapter :"}));
}

}  // namespace
