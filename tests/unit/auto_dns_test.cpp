// Whether DNS servers come automatically, with the repair made at once: the
// global MSTCP value on Windows 95/98/Me, netsh per connection on the NT family.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "platform/sim/SimulatedPc.h"
#include "tests/unit/netsh_fixtures.h"

namespace {

using netsh_fixtures::kLan;
using netsh_fixtures::kNetsh;
using netsh_fixtures::Prints;
constexpr char kShowDns[] = "netsh interface ip show dns";
constexpr char kRepairLan[] = "netsh interface ip set dns \"Local Area Connection\" dhcp";
constexpr char kMstcp[] = "HKLM\\System\\CurrentControlSet\\Services\\VxD\\MSTCP";

// --- Windows 95/98/Me ----------------------------------------------------------------

class Dns9xTest : public ::testing::Test {
protected:
    Dns9xTest() { pc.SetVersion(1, 4, 10); }
    void TearDown() override {
        EXPECT_EQ(pc.OpenKeyCount(), 0);
        EXPECT_TRUE(pc.runs.empty());
    }
    sim::SimulatedPc pc;
    CModemDlg dlg;
};

TEST_F(Dns9xTest, AutomaticAlreadyWritesNothing) {
    pc.registry.SetString(kMstcp, "EnableDNS", "0");
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, "PCI\\VEN_10EC&DEV_8139"), kCheckYes);
    EXPECT_TRUE(pc.Log("reg-set").empty());
}

TEST_F(Dns9xTest, FixedByHandIsSwitchedOnce) {
    pc.registry.SetString(kMstcp, "EnableDNS", "1");
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, "PCI\\VEN_10EC&DEV_8139"), kCheckNo);
    const sim::RegData* data = pc.registry.Get(kMstcp, "EnableDNS");
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->type, 1u);
    EXPECT_EQ(std::string(data->bytes.begin(), data->bytes.end()), "0");  // no NUL stored
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, "PCI\\VEN_10EC&DEV_8139"), kCheckYes);
    EXPECT_EQ(pc.Log("reg-set").size(), 1u);
}

TEST_F(Dns9xTest, StoredWithoutNulStillReadsAsAutomatic) {
    pc.registry.SetString(kMstcp, "EnableDNS", "0", false);
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, kLan), kCheckYes);
}

TEST_F(Dns9xTest, UnreadableStateChangesNothing) {
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, kLan), kCheckNo);  // no MSTCP key
    pc.registry.CreateKey(kMstcp);
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, kLan), kCheckNo);  // no EnableDNS
    pc.registry.SetString(kMstcp, "EnableDNS", "1234");       // five bytes with the NUL
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, kLan), kCheckNo);
    EXPECT_TRUE(pc.Log("reg-set").empty());
}

TEST_F(Dns9xTest, AdapterKeyPlaysNoPart) {
    pc.registry.SetString(kMstcp, "EnableDNS", "0");
    for (const char* key : {"", "ERROR", "ISAPNP\\ABC1234", "\"quoted\""}) {
        EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, key), kCheckYes) << key;
    }
}

TEST_F(Dns9xTest, KeyWithoutFullAccessIsLeftAlone) {
    pc.registry.SetString(kMstcp, "EnableDNS", "1");
    pc.registry.denyWrite.insert(kMstcp);
    EXPECT_EQ(dlg.CheckAutoDns(kFamily9x, kLan), kCheckNo);
    EXPECT_EQ(pc.registry.GetString(kMstcp, "EnableDNS"), "1");
    EXPECT_TRUE(pc.boxes.empty());
}

// --- NT family -----------------------------------------------------------------------

constexpr char kLanDhcp[] =
    "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
    "    DNS servers configured through DHCP:  192.168.1.1\r\n"
    "    Register with which suffix:           Primary only\r\n";
constexpr char kLanStatic[] =
    "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
    "    Statically Configured DNS Servers:    10.1.1.1\r\n"
    "                                          10.1.1.2\r\n"
    "    Register with which suffix:           Primary only\r\n";
constexpr char kLan2Static[] =
    "\r\nConfiguration for interface \"Local Area Connection 2\"\r\n"
    "    Statically Configured DNS Servers:    10.1.1.1\r\n"
    "    Register with which suffix:           Primary only\r\n";

class DnsNtTest : public ::testing::Test {
protected:
    DnsNtTest() { pc.SetVersion(2, 5, 1); }
    // netsh prints the listing; a repair prints repairOutput.
    void Netsh(const std::string& listing, const std::string& repairOutput = "Ok.\r\n\r\n") {
        pc.SetTool(kNetsh, [listing, repairOutput](const std::string& command) {
            return Prints(command == kShowDns ? listing : repairOutput);
        });
    }
    std::vector<std::string> RunCommands() const {
        std::vector<std::string> commands;
        for (const sim::ToolRun& run : pc.runs) {
            EXPECT_EQ(run.application, kNetsh);
            EXPECT_EQ(run.showWindow, 0u);
            commands.push_back(run.commandLine);
        }
        return commands;
    }
    void TearDown() override { EXPECT_EQ(pc.OpenTextCount(), 0); }

    sim::SimulatedPc pc;
    CModemDlg dlg;
};

using Commands = std::vector<std::string>;

struct DnsRow {
    const char* name;
    std::string listing;
    const char* key;
    int expected;
    Commands commands;
};

class DnsListingTest : public DnsNtTest, public ::testing::WithParamInterface<DnsRow> {};

TEST_P(DnsListingTest, RepairsWhereTheConnectionIsNotOnDhcp) {
    Netsh(GetParam().listing);
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, GetParam().key), GetParam().expected);
    EXPECT_EQ(RunCommands(), GetParam().commands);
    EXPECT_TRUE(pc.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Listings, DnsListingTest,
    ::testing::Values(
        DnsRow{"XpAutomatic", kLanDhcp, kLan, kCheckYes, {kShowDns}},
        DnsRow{"XpStatic", kLanStatic, kLan, kCheckNo, {kShowDns, kRepairLan}},
        DnsRow{"Win10Static",
               "Configuration for interface \"Ethernet\"\r\n"
               "    Statically Configured DNS Servers:    10.1.1.1\r\n"
               "    Register with which suffix:           Primary only\r\n",
               "Ethernet", kCheckNo, {kShowDns, "netsh interface ip set dns \"Ethernet\" dhcp"}},
        DnsRow{"Win10Automatic",
               "Configuration for interface \"Ethernet\"\r\n"
               "    DNS servers configured through DHCP:  None\r\n"
               "    Register with which suffix:           Primary only\r\n",
               "Ethernet", kCheckYes, {kShowDns}},
        DnsRow{"ConnectionLineLast", "\r\nConfiguration for interface \"Local Area Connection\"\r\n", kLan,
               kCheckNo, {kShowDns, kRepairLan}},
        DnsRow{"ConnectionAbsent", kLan2Static, kLan, kCheckNo, {kShowDns}},
        DnsRow{"Empty", "", kLan, kCheckNo, {kShowDns}},
        DnsRow{"LongerNameIsAnotherConnection", std::string(kLan2Static) + kLanDhcp, kLan, kCheckYes, {kShowDns}},
        DnsRow{"ShorterNameIsAnotherConnection", std::string(kLanStatic) + kLan2Static, "Local Area Connection 2",
               kCheckNo, {kShowDns, "netsh interface ip set dns \"Local Area Connection 2\" dhcp"}},
        DnsRow{"ErrorTextIsNotLookedFor", std::string("Error obtaining configuration\r\n") + kLanDhcp, kLan,
               kCheckYes, {kShowDns}}),
    [](const ::testing::TestParamInfo<DnsRow>& info) { return std::string(info.param.name); });

TEST_F(DnsNtTest, RepairRewritingWorkFileDoesNotDisturbTheScan) {
    // A repair leaves netsh's answer in WorkFile; were the scan to read that,
    // it would end after the first repair (or, here, find DHCP).
    Netsh(std::string(kLanStatic) + kLanStatic, std::string(kLanDhcp) + kLanDhcp + kLanDhcp);
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, kLan), kCheckNo);
    EXPECT_EQ(RunCommands(), (Commands{kShowDns, kRepairLan, kRepairLan}));
}

TEST_F(DnsNtTest, ScanGoesOnAfterTheRepairToTheConnectionsLaterLines) {
    Netsh(std::string(kLanStatic) + kLanDhcp);
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, kLan), kCheckYes);
    EXPECT_EQ(RunCommands(), (Commands{kShowDns, kRepairLan}));
}

TEST_F(DnsNtTest, WithoutWorkFileNothingIsRepaired) {
    Netsh(kLanStatic);
    pc.PutFile(contracts::WorkFile, "", true);
    pc.AnswerNextBox(IDOK, [this] {
        pc.PutFile(contracts::WorkFile, "");
        plat::kernel().RemoveFile(contracts::WorkFile);
    });
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, kLan), kCheckFailed);
    EXPECT_TRUE(pc.runs.empty());
    ASSERT_FALSE(pc.boxes.empty());
    EXPECT_EQ(pc.boxes.back().text, "ADSLLog.tmp file wasn't found");
}

TEST_F(DnsNtTest, KeyThatCouldChangeTheCommandIsNeverRepaired) {
    const std::string quoted = "LAN\" static 10.0.0.1 \"";
    const std::string longName(64, 'N');
    Netsh("Configuration for interface \"" + quoted + "\"\r\n    Statically Configured DNS Servers:    10.1.1.1\r\n"
          "Configuration for interface \"" + longName + "\"\r\n    Statically Configured DNS Servers:    10.1.1.1\r\n");
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, quoted), kCheckNo);
    EXPECT_EQ(dlg.CheckAutoDns(kFamilyNt, longName), kCheckNo);
    EXPECT_EQ(RunCommands(), (Commands{kShowDns, kShowDns}));
}

// --- neither family ------------------------------------------------------------------

class DnsOtherFamilyTest : public ::testing::TestWithParam<int> {};

TEST_P(DnsOtherFamilyTest, NothingRunReadOrWritten) {
    sim::SimulatedPc pc;
    pc.SetTool(kNetsh, [](const std::string&) { return Prints(kLanStatic); });
    pc.registry.SetString(kMstcp, "EnableDNS", "1");
    CModemDlg dlg;
    EXPECT_EQ(dlg.CheckAutoDns(GetParam(), kLan), kCheckNo);
    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(pc.Log("reg-set").empty());
    EXPECT_TRUE(pc.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Families, DnsOtherFamilyTest, ::testing::Values(kFamilyUnknown, kFamilyWin32s));

}  // namespace
