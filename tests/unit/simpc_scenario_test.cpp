// Scenario files: the shipped ones are valid and documented, the format reads
// back what it writes, and mistakes are reported with their line.
#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "simpc/PcModel.h"

namespace {

const std::string kDir = std::string(KELVANE_SOURCE_DIR) + "/tests/scenarios/";

std::vector<std::string> ScenarioFiles() {
    std::vector<std::string> names;
    if (DIR* d = opendir(kDir.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string n = e->d_name;
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".txt") == 0) names.push_back(n);
        }
        closedir(d);
    }
    return names;
}

std::string Read(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    std::stringstream ss;
    ss << f.rdbuf();
    return ss.str();
}

TEST(SimpcScenario, ShippedScenariosParseAndSayWhatTheyShow) {
    const std::vector<std::string> names = ScenarioFiles();
    for (const char* required : {"nt-dns-fixed.txt", "nt-happy.txt", "nt-address-fixed.txt", "nt-modem-off.txt",
                                 "nt-no-adapter.txt", "nt-two-cards.txt", "win10-dns-fixed.txt", "9x-dns-fixed.txt",
                                 "9x-happy.txt", "9x-two-cards.txt", "nt-netsh-refused.txt"})
        EXPECT_NE(std::find(names.begin(), names.end(), required), names.end()) << required;
    for (const std::string& name : names) {
        const std::string text = Read(kDir + name);
        EXPECT_EQ(text.rfind("# ", 0), 0u) << name;
        simpc::PcModel m, again;
        std::string error;
        ASSERT_TRUE(simpc::ParseScenario(text, m, &error)) << name << ": " << error;
        EXPECT_FALSE(m.cards.empty()) << name;
        ASSERT_TRUE(simpc::ParseScenario(simpc::SerializeScenario(m), again)) << name;
        EXPECT_TRUE(again == m) << name;
    }
}

TEST(SimpcScenario, EveryFieldSurvivesTheRoundTrip) {
    simpc::PcModel m;
    m.family = 1;
    m.layout = simpc::Layout::Win10;
    m.hostName = "PC 7";
    m.modemOn = false;
    m.netshErrorObtaining = m.netshSetRefused = true;
    m.hang = {"ipconfig /renew", "netsh interface ip show dns"};
    m.stderrLine = "noise";
    m.delayMs = 250;
    simpc::Card c;
    c = {"LAN #2", "NIC = fast", "PCI\\VEN_1&DEV_2", "00-11-22-33-44-55", simpc::Kind::Pppoe, false, false,
         "10.0.0.5", "255.0.0.0", "10.0.0.1", {"10.0.0.2", "10.0.0.3"}, true, false, true,
         "192.168.1.100", "255.255.255.0", "192.168.1.1", "192.168.1.1", "192.168.1.1"};
    m.cards = {c, simpc::Card{}};
    simpc::PcModel again;
    ASSERT_TRUE(simpc::ParseScenario(simpc::SerializeScenario(m), again));
    EXPECT_TRUE(again == m) << simpc::SerializeScenario(again);
}

TEST(SimpcScenario, ACardWithoutLeaseStartsAsAfterStartUp) {
    simpc::PcModel m;
    ASSERT_TRUE(simpc::ParseScenario("[card]\nname = LAN\nto_modem = yes\n\n[card]\nname = WLAN\r\n", m));
    EXPECT_EQ(m.layout, simpc::Layout::WinXp);
    EXPECT_TRUE(m.cards[0].leased);
    EXPECT_EQ(m.cards[0].leaseDns, "192.168.1.1");
    EXPECT_FALSE(m.cards[1].leased);
    ASSERT_TRUE(simpc::ParseScenario("family = 1\n", m));
    EXPECT_EQ(m.layout, simpc::Layout::Win9x);
}

TEST(SimpcScenario, MistakesAreReportedWithTheirLine) {
    struct Case {
        const char* text;
        const char* error;
    };
    const std::vector<Case> cases = {
        {"colour = red\n", "line 1: unknown key colour"},
        {"# c\nmodem = maybe\n", "line 2: bad value for modem: maybe"},
        {"family = 5\n", "line 1: bad value for family: 5"},
        {"[card]\nkind = modem\n", "line 2: bad value for kind: modem"},
        {"[card]\nfamily = 1\n", "line 2: unknown card key family"},
        {"[card]\nname\n", "line 2: expected key = value"},
        {"delay_ms = -3\n", "line 1: bad value for delay_ms: -3"},
    };
    for (const Case& c : cases) {
        simpc::PcModel m;
        m.hostName = "UNTOUCHED";
        std::string error;
        EXPECT_FALSE(simpc::ParseScenario(c.text, m, &error)) << c.text;
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(m.hostName, "UNTOUCHED");
    }
}

}  // namespace
