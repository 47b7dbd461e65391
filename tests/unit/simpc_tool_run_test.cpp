// What a scenario can make every tool run do: hang, take time, write to
// standard error.
#include <gtest/gtest.h>

#include "simpc/PcModel.h"
#include "tests/unit/simpc_fixtures.h"

namespace {

TEST(SimpcToolRun, AHangingRunPrintsAndChangesNothing) {
    simpc::PcModel m = simpc_test::OneCardPc(simpc::Layout::WinXp, simpc_test::EthernetCard("LAN", true, true, true));
    m.hang = {"ipconfig /renew", "netsh interface ip set dns \"LAN\" dhcp"};
    m.cards[0].dnsAuto = false;
    const simpc::PcModel before = m;
    for (const simpc::ToolOutput& out : {simpc::RunIpconfig(m, "ipconfig /renew"),
                                         simpc::RunNetsh(m, "netsh interface ip set dns \"LAN\" dhcp")}) {
        EXPECT_TRUE(out.hang);
        EXPECT_EQ(out.out, "");
    }
    EXPECT_TRUE(m == before);
    EXPECT_FALSE(simpc::RunIpconfig(m, "ipconfig /all").hang);
}

TEST(SimpcToolRun, EveryRunTakesTheDelayAndWritesTheErrorLine) {
    simpc::PcModel m = simpc_test::OneCardPc(simpc::Layout::WinXp, simpc_test::EthernetCard("LAN", true, true, true));
    m.delayMs = 1500;
    m.stderrLine = "noise";
    for (const simpc::ToolOutput& out : {simpc::RunIpconfig(m, "ipconfig /all"), simpc::RunIpconfig(m, "ipconfig /x"),
                                         simpc::RunNetsh(m, "netsh interface ip show dns")}) {
        EXPECT_EQ(out.durationMs, 1500u);
        EXPECT_EQ(out.err, "noise\r\n");
        EXPECT_EQ(out.out.find("noise"), std::string::npos);
    }
}

}  // namespace
