// Whether the card obtains its address automatically, and switching it over:
// the registry values of the binding on Windows 95/98/Me, netsh's listing and
// answer on the NT family.
#include <gtest/gtest.h>

#include <algorithm>
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
constexpr char kFileMissing[] = "ADSLLog.tmp file wasn't found";

// WorkFile cannot be created (read-only), and is gone by the time the check
// reads it.
void LoseWorkFile(sim::SimulatedPc& pc) {
    pc.PutFile(contracts::WorkFile, "", true);
    pc.AnswerNextBox(IDOK, [&pc] {
        pc.PutFile(contracts::WorkFile, "");
        plat::kernel().RemoveFile(contracts::WorkFile);
    });
}

class NtAddressTest : public ::testing::Test {
protected:
    NtAddressTest() { pc.SetVersion(2, 5, 1); }
    void NetshPrints(const std::string& out) {
        pc.SetTool(kNetsh, [out](const std::string&) { return Prints(out); });
    }

    sim::SimulatedPc pc;
    CModemDlg dlg;
};

// --- netsh interface ip show address ---------------------------------------------------

struct ListingRow {
    const char* name;
    const char* listing;
    const char* key;
    int expected;
};

class ShowAddressTest : public NtAddressTest, public ::testing::WithParamInterface<ListingRow> {};

TEST_P(ShowAddressTest, AnswersFromTheConnectionsLines) {
    NetshPrints(GetParam().listing);
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamilyNt, GetParam().key), GetParam().expected);
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_EQ(pc.runs[0].application, kNetsh);
    EXPECT_EQ(pc.runs[0].commandLine, "netsh interface ip show address");
    EXPECT_EQ(pc.runs[0].showWindow, 0u);
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.OpenTextCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Listings, ShowAddressTest,
    ::testing::Values(
        ListingRow{"XpDhcp",
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n"
                   "    IP Address:                           192.168.1.33\r\n"
                   "    SubnetMask:                           255.255.255.0\r\n"
                   "    Default Gateway:                      192.168.1.1\r\n"
                   "    GatewayMetric:                        0\r\n"
                   "    InterfaceMetric:                      0\r\n",
                   kLan, kCheckYes},
        ListingRow{"XpFixed",
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         No\r\n"
                   "    IP Address:                           10.0.0.5\r\n"
                   "    SubnetMask:                           255.0.0.0\r\n",
                   kLan, kCheckNo},
        ListingRow{"Win10Dhcp",
                   "\r\nConfiguration for interface \"WiFi\"\r\n"
                   "    DHCP enabled:                         Yes\r\n"
                   "    IP Address:                           172.20.10.2\r\n"
                   "    Subnet Prefix:                        172.20.10.0/28 (mask 255.255.255.240)\r\n"
                   "    Default Gateway:                      172.20.10.1\r\n"
                   "    Gateway Metric:                       0\r\n"
                   "    InterfaceMetric:                      45\r\n",
                   "WiFi", kCheckYes},
        ListingRow{"ConnectionAbsent",
                   "\r\nConfiguration for interface \"Wireless Network Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n",
                   kLan, kCheckNo},
        ListingRow{"ConnectionLineLast", "\r\nConfiguration for interface \"Local Area Connection\"\r\n",
                   kLan, kCheckNo},
        ListingRow{"ConnectionLineLastWithoutLineEnd",
                   "\r\nConfiguration for interface \"Local Area Connection\"", kLan, kCheckNo},
        ListingRow{"LongerNameIsAnotherConnection",
                   "\r\nConfiguration for interface \"Local Area Connection 2\"\r\n"
                   "    DHCP enabled:                         Yes\r\n"
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         No\r\n",
                   kLan, kCheckNo},
        ListingRow{"ShorterNameIsAnotherConnection",
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n"
                   "\r\nConfiguration for interface \"Local Area Connection 2\"\r\n"
                   "    DHCP enabled:                         No\r\n",
                   "Local Area Connection 2", kCheckNo},
        ListingRow{"ErrorBeforeTheConnection",
                   "Error obtaining configuration\r\n"
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n",
                   kLan, kCheckFailed},
        ListingRow{"ErrorRightAfterTheConnectionIsNotSeen",
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "Error obtaining configuration\r\n",
                   kLan, kCheckNo},
        ListingRow{"ErrorAfterTheAnswerIsNotReached",
                   "\r\nConfiguration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n"
                   "Error obtaining configuration\r\n",
                   kLan, kCheckYes},
        ListingRow{"LineAfterTheConnectionIsOnlyTestedForYes",
                   "Configuration for interface \"Local Area Connection\"\r\n"
                   "Configuration for interface \"Local Area Connection\"\r\n"
                   "    DHCP enabled:                         Yes\r\n",
                   kLan, kCheckNo},
        ListingRow{"Empty", "", kLan, kCheckNo}),
    [](const ::testing::TestParamInfo<ListingRow>& info) { return std::string(info.param.name); });

TEST_F(NtAddressTest, CheckWithoutWorkFileFails) {
    NetshPrints("");
    LoseWorkFile(pc);
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamilyNt, kLan), kCheckFailed);
    ASSERT_FALSE(pc.boxes.empty());
    EXPECT_EQ(pc.boxes.back().text, kFileMissing);
}

// --- netsh interface ip set address ... dhcp ----------------------------------------------

struct AnswerRow {
    const char* name;
    const char* output;
    int expected;
};

class SetAddressTest : public NtAddressTest, public ::testing::WithParamInterface<AnswerRow> {};

TEST_P(SetAddressTest, ResultFollowsTheToolsAnswer) {
    NetshPrints(GetParam().output);
    EXPECT_EQ(dlg.SetDynamicAddress(kFamilyNt, kLan), GetParam().expected);
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_EQ(pc.runs[0].application, kNetsh);
    EXPECT_EQ(pc.runs[0].commandLine, "netsh interface ip set address \"Local Area Connection\" dhcp");
    EXPECT_EQ(pc.runs[0].showWindow, 0u);
    EXPECT_TRUE(pc.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SetAddressTest,
    ::testing::Values(AnswerRow{"XpOk", "Ok.\r\n\r\n", kCheckYes},
                      AnswerRow{"Win10Silent", "", kCheckYes},
                      AnswerRow{"Neither", "DHCP is already enabled on this interface.\r\n", kCheckYes},
                      AnswerRow{"Elevation", "The requested operation requires elevation (Run as administrator).\r\n",
                                kCheckYes},
                      AnswerRow{"Error", "Error obtaining configuration\r\n", kCheckFailed},
                      AnswerRow{"OkBeforeError", "Ok.\r\nError obtaining configuration\r\n", kCheckYes}),
    [](const ::testing::TestParamInfo<AnswerRow>& info) { return std::string(info.param.name); });

TEST_F(NtAddressTest, SetWithoutWorkFileFailsWithTheBox) {
    NetshPrints("Ok.\r\n");
    LoseWorkFile(pc);
    EXPECT_EQ(dlg.SetDynamicAddress(kFamilyNt, kLan), kCheckFailed);
    ASSERT_FALSE(pc.boxes.empty());
    EXPECT_EQ(pc.boxes.back().text, kFileMissing);
}

TEST_F(NtAddressTest, LongestAdapterKeyStillFitsTheCommandLine) {
    NetshPrints("Ok.\r\n");
    const std::string key(63, 'N');
    EXPECT_EQ(dlg.SetDynamicAddress(kFamilyNt, key), kCheckYes);
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_EQ(pc.runs[0].commandLine, "netsh interface ip set address \"" + key + "\" dhcp");
}

TEST_F(NtAddressTest, KeyThatCouldChangeTheCommandNeverRuns) {
    NetshPrints("Ok.\r\n");
    for (const std::string& key : {std::string(64, 'N'), std::string("LAN\" static 10.0.0.1 \"")}) {
        EXPECT_EQ(dlg.SetDynamicAddress(kFamilyNt, key), kCheckFailed) << key;
    }
    EXPECT_TRUE(pc.runs.empty());
}

// --- Windows 95/98/Me ----------------------------------------------------------------

constexpr char kRealtekId[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
constexpr char kClassKey[] = "System\\CurrentControlSet\\Services\\Class\\NetTrans\\0000";

class Address9xTest : public ::testing::Test {
protected:
    Address9xTest() { pc.SetVersion(1, 4, 10); }
    void TearDown() override {
        EXPECT_EQ(pc.OpenKeyCount(), 0);
        EXPECT_TRUE(pc.runs.empty());
    }
    void BindCard() {
        pc.registry.SetString(
            "HKLM\\Enum\\PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\\BUS_00&DEV_0B&FUNC_00\\Bindings",
            "MSTCP\\0000", "");
        pc.registry.SetString("HKLM\\Enum\\Network\\MSTCP\\0000", "Driver", "NetTrans\\0000");
        pc.registry.CreateKey(std::string("HKLM\\") + kClassKey);
    }
    void Value(const char* name, const char* text) {
        if (text) pc.registry.SetString(std::string("HKLM\\") + kClassKey, name, text);
    }

    sim::SimulatedPc pc;
    CModemDlg dlg;
};

struct ValuesRow {
    const char* address;  // null: absent
    const char* mask;
    int expected;
};

class AddressValuesTest : public Address9xTest, public ::testing::WithParamInterface<ValuesRow> {};

TEST_P(AddressValuesTest, BothValuesMustReadExactlyAutomatic) {
    BindCard();
    Value("IPAddress", GetParam().address);
    Value("IPMask", GetParam().mask);
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamily9x, kRealtekId), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, AddressValuesTest,
                         ::testing::Values(ValuesRow{"0.0.0.0", "0.0.0.0", kCheckYes},
                                           ValuesRow{"0.0.0.0", nullptr, kCheckNo},
                                           ValuesRow{nullptr, "0.0.0.0", kCheckNo},
                                           ValuesRow{" 0.0.0.0", "0.0.0.0", kCheckNo},
                                           ValuesRow{"0.0.0.0 ", "0.0.0.0", kCheckNo},
                                           ValuesRow{"0.0.0.0", "255.255.255.0", kCheckNo},
                                           ValuesRow{"192.168.1.33", "0.0.0.0", kCheckNo}));

TEST_F(Address9xTest, ValuesStoredWithoutNulCount) {
    BindCard();
    pc.registry.SetString(std::string("HKLM\\") + kClassKey, "IPAddress", "0.0.0.0", false);
    pc.registry.SetString(std::string("HKLM\\") + kClassKey, "IPMask", "0.0.0.0", false);
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamily9x, kRealtekId), kCheckYes);
}

TEST_F(Address9xTest, ValueLongerThanItsBufferIsUnreadable) {
    BindCard();
    std::vector<unsigned char> bytes(129, 0);
    std::copy_n("0.0.0.0", 7, bytes.begin());
    pc.registry.SetBytes(std::string("HKLM\\") + kClassKey, "IPAddress", 1, bytes);
    Value("IPMask", "0.0.0.0");
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamily9x, kRealtekId), kCheckNo);
}

TEST_F(Address9xTest, NoBindingMeansNotAutomatic) {
    pc.registry.SetString("HKLM", "IPAddress", "0.0.0.0");
    pc.registry.SetString("HKLM", "IPMask", "0.0.0.0");
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamily9x, kRealtekId), kCheckNo);
}

TEST_F(Address9xTest, RepairWritesBothValuesIntoTheClassKey) {
    BindCard();
    Value("IPAddress", "10.0.0.5");
    Value("IPMask", "255.0.0.0");
    EXPECT_EQ(dlg.SetDynamicAddress(kFamily9x, kRealtekId), kCheckYes);
    for (const char* name : {"IPAddress", "IPMask"}) {
        const sim::RegData* data = pc.registry.Get(std::string("HKLM\\") + kClassKey, name);
        ASSERT_NE(data, nullptr) << name;
        EXPECT_EQ(data->type, 1u);
        EXPECT_EQ(std::string(data->bytes.begin(), data->bytes.end()), "0.0.0.0");
    }
    EXPECT_EQ(dlg.CheckDynamicAddress(kFamily9x, kRealtekId), kCheckYes);
    EXPECT_TRUE(pc.boxes.empty());
}

TEST_F(Address9xTest, RepairWithoutBindingWritesNothingAndFails) {
    EXPECT_EQ(dlg.SetDynamicAddress(kFamily9x, kRealtekId), kCheckFailed);
    EXPECT_TRUE(pc.Log("reg-set").empty());
    EXPECT_FALSE(pc.registry.HasValue("HKLM", "IPAddress"));
    EXPECT_FALSE(pc.registry.HasValue("HKLM", "IPMask"));
    EXPECT_TRUE(pc.boxes.empty());
}

TEST_F(Address9xTest, FailedWritesAreShownAndTheRepairStillCounts) {
    BindCard();
    pc.registry.denyWrite.insert(std::string("HKLM\\") + kClassKey);
    EXPECT_EQ(dlg.SetDynamicAddress(kFamily9x, kRealtekId), kCheckYes);
    ASSERT_EQ(pc.boxes.size(), 2u);
    for (const sim::Box& box : pc.boxes) EXPECT_EQ(box.text, "Set Registry Fail.");
}

// --- neither family ------------------------------------------------------------------

class OtherFamilyTest : public ::testing::TestWithParam<int> {};

TEST_P(OtherFamilyTest, NothingRunsNothingChanges) {
    sim::SimulatedPc pc;
    pc.SetTool(kNetsh, [](const std::string&) { return Prints("Ok.\r\n"); });
    CModemDlg dlg;
    EXPECT_EQ(dlg.CheckDynamicAddress(GetParam(), kLan), kCheckNo);
    EXPECT_EQ(dlg.SetDynamicAddress(GetParam(), kRealtekId), kCheckYes);
    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(pc.Log("reg-set").empty());
    EXPECT_TRUE(pc.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Families, OtherFamilyTest, ::testing::Values(kFamilyUnknown, kFamilyWin32s));

}  // namespace
