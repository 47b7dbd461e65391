// The Windows 95/98/Me binding lookup: how a device id is cut, and the walk
// from the hardware enumeration to the class key of the TCP/IP binding.
#include <gtest/gtest.h>

#include <string>

#include "app/ModemDlg.h"
#include "netdiag/Scans.h"
#include "platform/sim/SimulatedPc.h"

namespace {

// --- cutting the key -------------------------------------------------------------

struct CutRow {
    const char* key;
    const char* bus;
    const char* match;
};

class KeyCutTest : public ::testing::TestWithParam<CutRow> {};

TEST_P(KeyCutTest, GivesBusNameAndMatchText) {
    const AdapterKeyCut cut = CutAdapterKey(GetParam().key);
    EXPECT_EQ(cut.bus, GetParam().bus);
    EXPECT_EQ(cut.match, GetParam().match);
}

INSTANTIATE_TEST_SUITE_P(
    DeviceIds, KeyCutTest,
    ::testing::Values(
        CutRow{"PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10", "PCI", "VEN_10EC&DEV_8139"},
        CutRow{"PCI\\VEN_10EC&DEV_8139", "PCI", "VEN_10EC&DEV_8139"},
        CutRow{"pci\\ven_10ec&dev_8139", "pci", "VEN_10EC&DEV_8139"},
        CutRow{"ISAPNP\\ABC1234", "ISAPNP", "ABC1234"},
        CutRow{"ven_10ec&dev_8139&subsys_813910ec", "ven_10ec&dev_8139&subsys_813910ec",
               "VEN_10EC&DEV_8139"},
        CutRow{"abc1234", "abc1234", "ABC1234"},
        CutRow{"PCI\\VEN_10EC", "PCI", "VEN_10EC"},
        // Only the first backslash divides; only a to z change case.
        CutRow{"PCI\\ven_1&dev_2\\x&y", "PCI", "VEN_1&DEV_2\\X"},
        CutRow{"PCI\\\xE9t\xE9&v", "PCI", "\xE9T\xE9&V"}));

// --- the walk --------------------------------------------------------------------

constexpr char kRealtekId[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
constexpr char kRealtekDevice[] = "VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
constexpr char kClassRoot[] = "System\\CurrentControlSet\\Services\\Class\\";

class BindingWalkTest : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(pc.OpenKeyCount(), 0); }

    static std::string Hw(const std::string& bus, const std::string& device, const std::string& hw) {
        return "HKLM\\Enum\\" + bus + "\\" + device + "\\" + hw;
    }
    // A hardware instance of the device, bound to the protocol instance.
    void Bind(const std::string& device, const std::string& hw, const std::string& instance,
              const std::string& bus = "PCI") {
        pc.registry.SetString(Hw(bus, device, hw) + "\\Bindings", "MSTCP\\" + instance, "");
    }
    void Instance(const std::string& instance, const std::string& driver) {
        pc.registry.SetString("HKLM\\Enum\\Network\\MSTCP\\" + instance, "Driver", driver);
    }
    std::string Lookup(const std::string& key = kRealtekId) { return dlg.LookupTcpClassKey(key); }

    sim::SimulatedPc pc;
    CModemDlg dlg;
};

TEST_F(BindingWalkTest, BoundInstanceNamesTheClassKey) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(), std::string(kClassRoot) + "NetTrans\\0000");
}

TEST_F(BindingWalkTest, OnlyTheFirstMatchingDeviceIsExamined) {
    // Both names hold VEN_10EC&DEV_8139; the first has nothing bound.
    pc.registry.CreateKey(Hw("PCI", "VEN_10EC&DEV_8139&SUBSYS_00000000&REV_10", "BUS_00&DEV_0A&FUNC_00"));
    Bind("VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10", "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, DeviceNameMatchesOnlyInCapitals) {
    Bind("ven_10ec&dev_8139&subsys_813910ec&rev_10", "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, BusNameKeepsItsCase) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000", "ISAPNP");
    Instance("0000", "NetTrans\\0003");
    EXPECT_EQ(Lookup("isapnp\\ven_10ec&dev_8139"), std::string(kClassRoot) + "NetTrans\\0003");
}

TEST_F(BindingWalkTest, LastBoundPairWinsWithProtocolInstancesOutermost) {
    // Visited as (0000, B) then (0001, A): hardware instances outermost would
    // end on 0000 instead.
    Bind(kRealtekDevice, "A", "0001");
    Bind(kRealtekDevice, "B", "0000");
    Instance("0000", "NetTrans\\0000");
    Instance("0001", "NetTrans\\0001");
    EXPECT_EQ(Lookup(), std::string(kClassRoot) + "NetTrans\\0001");
}

TEST_F(BindingWalkTest, InstanceWithoutDriverAddsNothing) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0001");
    Instance("0000", "NetTrans\\0000");
    pc.registry.CreateKey("HKLM\\Enum\\Network\\MSTCP\\0001");
    EXPECT_EQ(Lookup(), std::string(kClassRoot) + "NetTrans\\0000");
}

TEST_F(BindingWalkTest, OtherProtocolsBindingsCountForNothing) {
    pc.registry.SetString(Hw("PCI", kRealtekDevice, "BUS_00&DEV_0B&FUNC_00") + "\\Bindings",
                          "NETBEUI\\0000", "");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, BindingDataLongerThanSixteenBytesIsUnreadable) {
    pc.registry.SetString(Hw("PCI", kRealtekDevice, "H") + "\\Bindings", "MSTCP\\0000",
                          "sixteen chars...");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, MissingPiecesGiveNoResult) {
    EXPECT_EQ(Lookup(), "");  // no bus key
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    EXPECT_EQ(Lookup(), "");  // no protocol instances
    EXPECT_EQ(Lookup("PCI"), "");  // the bus name alone matches no device
}

TEST_F(BindingWalkTest, DriverStoredWithoutNulEndsWithItsData) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    pc.registry.SetString("HKLM\\Enum\\Network\\MSTCP\\0000", "Driver", "NetTrans\\0000", false);
    EXPECT_EQ(Lookup(), std::string(kClassRoot) + "NetTrans\\0000");
}

TEST_F(BindingWalkTest, EmptyDriverNamesNoClassKey) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", "");
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, DriverThatFitsTheResultIsUsedWhole) {
    const std::string driver(87, 'D');  // 39 + 1 + 87 = 127 characters and the NUL
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", driver);
    EXPECT_EQ(Lookup(), kClassRoot + driver);
}

TEST_F(BindingWalkTest, DriverTooLongForTheResultIsNeverCut) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", std::string(88, 'D'));
    EXPECT_EQ(Lookup(), "");
}

TEST_F(BindingWalkTest, DriverTooLongKeepsTheEarlierResult) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0001");
    Instance("0000", "NetTrans\\0000");
    Instance("0001", std::string(88, 'D'));
    EXPECT_EQ(Lookup(), std::string(kClassRoot) + "NetTrans\\0000");
}

TEST_F(BindingWalkTest, KeysLongerThanTheBuffersFindNothing) {
    Bind(kRealtekDevice, "BUS_00&DEV_0B&FUNC_00", "0000");
    Instance("0000", "NetTrans\\0000");
    EXPECT_EQ(Lookup(std::string(600, 'P') + "\\VEN_10EC&DEV_8139"), "");
    EXPECT_EQ(Lookup("PCI\\" + std::string(600, 'V')), "");
    EXPECT_EQ(Lookup(std::string(600, '\\')), "");
}

// Two cards of the modelled Windows 98 PC: each leads to its own binding.
TEST(BindingOfScenarioCards, EachCardFindsItsOwnClassKey) {
    sim::SimulatedPc pc;
    ASSERT_TRUE(pc.LoadScenarioFile(KELVANE_SOURCE_DIR "/tests/scenarios/9x-two-cards.txt"));
    CModemDlg dlg;
    EXPECT_EQ(dlg.LookupTcpClassKey("PCI\\VEN_10B7&DEV_9055&SUBSYS_905510B7&REV_24"),
              std::string(kClassRoot) + "NetTrans\\0000");
    EXPECT_EQ(dlg.LookupTcpClassKey("PCI\\VEN_10EC&DEV_8029&SUBSYS_00000000&REV_00"),
              std::string(kClassRoot) + "NetTrans\\0001");
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

}  // namespace
