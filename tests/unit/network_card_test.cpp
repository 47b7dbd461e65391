// Adapter discovery: the adapter blocks of "ipconfig /all" on the NT family,
// the network class key on Windows 95/98/Me, and what FindNetworkCard answers.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "netdiag/AdapterScan.h"
#include "netdiag/Checks.h"
#include "platform/sim/SimulatedPc.h"
#include "runner/WorkFileReader.h"

namespace {

using Candidates = std::vector<std::pair<std::string, std::string>>;  // key, description

// The tools end their lines with CR LF; fixtures are written with LF only.
std::string Crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

std::string Repeat(const std::string& line, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += line;
    return out;
}

Candidates Recorded(const AdapterTableData& table) {
    Candidates out;
    for (int slot = 0; slot <= table.lastIndex; ++slot)
        out.emplace_back(table.keys[slot], table.descriptions[slot]);
    return out;
}

const char kXpTwoCards[] = R"(
Windows IP Configuration

        Host Name . . . . . . . . . . . . : OHOME
        Primary Dns Suffix  . . . . . . . :
        Node Type . . . . . . . . . . . . : Unknown
        IP Routing Enabled. . . . . . . . : No
        WINS Proxy Enabled. . . . . . . . : No

Ethernet adapter Local Area Connection:

        Connection-specific DNS Suffix  . :
        Description . . . . . . . . . . . : Intel 21143-Based PCI Fast Ethernet Adapter (Generic)
        Physical Address. . . . . . . . . : 00-08-C7-3F-A0-8A
        Dhcp Enabled. . . . . . . . . . . : Yes
        Autoconfiguration Enabled . . . . : Yes
        IP Address. . . . . . . . . . . . : 68.113.108.36
        Subnet Mask . . . . . . . . . . . : 255.255.255.0
        Default Gateway . . . . . . . . . : 68.113.108.1
        DHCP Server . . . . . . . . . . . : 68.114.39.2
        DNS Servers . . . . . . . . . . . : 24.177.176.38
                                            24.178.80.36

Ethernet adapter Local Area Connection 2:

        Media State . . . . . . . . . . . : Media disconnected
        Description . . . . . . . . . . . : Realtek RTL8139 Family PCI Fast Ethernet NIC
        Physical Address. . . . . . . . . : 00-50-BA-12-34-56

PPP adapter Broadband:

        Connection-specific DNS Suffix  . :
        Description . . . . . . . . . . . : WAN (PPP/SLIP) Interface
        Physical Address. . . . . . . . . : 00-53-45-00-00-00
)";

const char kWin10[] = R"(
Windows IP Configuration

   Host Name . . . . . . . . . . . . : DESKTOP-7Q2K
   Primary Dns Suffix  . . . . . . . :
   Node Type . . . . . . . . . . . . : Hybrid
   IP Routing Enabled. . . . . . . . : No
   WINS Proxy Enabled. . . . . . . . : No

Ethernet adapter Ethernet1:

   Connection-specific DNS Suffix  . :
   Description . . . . . . . . . . . : vmxnet3 Ethernet Adapter
   Physical Address. . . . . . . . . : 00-50-56-B9-C5-4B
   DHCP Enabled. . . . . . . . . . . : No
   Autoconfiguration Enabled . . . . : Yes
   IPv4 Address. . . . . . . . . . . : 192.168.20.56(Preferred)
   Subnet Mask . . . . . . . . . . . : 255.255.255.0

Wireless LAN adapter Wi-Fi:

   Connection-specific DNS Suffix  . :
   Description . . . . . . . . . . . : Intel(R) Dual Band Wireless-AC 8265
   Physical Address. . . . . . . . . : 34-F3-9A-11-22-33
)";

// An XP block for a card with this header name and description.
std::string XpBlock(const std::string& name, const std::string& description) {
    return "Ethernet adapter " + name + ":\n\n        Connection-specific DNS Suffix  . :\n" +
           "        Description . . . . . . . . . . . : " + description +
           "\n        Physical Address. . . . . . . . . : 00-50-BA-12-34-56\n"
           "        Dhcp Enabled. . . . . . . . . . . : Yes\n\n";
}

const std::string kFiller = "        Node Type . . . . . . . . . . . . : Unknown\n";
const std::string kXpLabel = "        Description . . . . . . . . . . . : ";

class AdapterBlocks : public ::testing::Test {
protected:
    // Scans text as WorkFile holds it after a run.
    AdapterTableData Scan(const std::string& workFile) {
        sim.PutFile(contracts::WorkFile, workFile);
        CWnd owner;
        WorkFileReader reader(owner);
        AdapterTableData table;
        EXPECT_TRUE(reader.Open());
        ScanAdapterBlocks(reader, table);
        return table;
    }
    sim::SimulatedPc sim;
};

struct BlockCase {
    const char* name;
    std::string output;
    Candidates expected;
};

void PrintTo(const BlockCase& c, std::ostream* os) { *os << c.name; }

class AdapterBlockCases : public AdapterBlocks, public ::testing::WithParamInterface<BlockCase> {};

TEST_P(AdapterBlockCases, RecordsTheUsableBlocks) {
    EXPECT_EQ(Recorded(Scan(GetParam().output)), GetParam().expected);
}

const std::string kLongName63(63, 'N');
const std::string kLongDescription(70, 'd');

INSTANTIATE_TEST_SUITE_P(
    Nt, AdapterBlockCases,
    ::testing::Values(
        BlockCase{"XpCaptureWithCrLf", Crlf(kXpTwoCards),
                  {{"Local Area Connection", "INTEL 21143-BASED PCI FAST ETHERNET ADAPTER (GENERIC)"},
                   {"Local Area Connection 2", "REALTEK RTL8139 FAMILY PCI FAST ETHERNET NIC"}}},
        BlockCase{"XpCaptureWithBareLineFeeds", kXpTwoCards,
                  {{"Local Area Connection", "INTEL 21143-BASED PCI FAST ETHERNET ADAPTER (GENERIC)"},
                   {"Local Area Connection 2", "REALTEK RTL8139 FAMILY PCI FAST ETHERNET NIC"}}},
        BlockCase{"Win10TakesTheValueAfterTheSeparator", Crlf(kWin10),
                  {{"Ethernet1", "VMXNET3 ETHERNET ADAPTER"}}},
        BlockCase{"EveryColonLeavesTheName", Crlf(XpBlock("Office: LAN", "NE2000 Compatible")),
                  {{"Office LAN", "NE2000 COMPATIBLE"}}},
        BlockCase{"HeaderIsCaseSensitive", Crlf("ethernet adapter LAN:\n" + kXpLabel + "NE2000\n"),
                  {}},
        BlockCase{"DescriptionWordIsCaseSensitive",
                  Crlf("Ethernet adapter LAN:\n        DESCRIPTION . . . . . . . . . . . : NE2000\n"),
                  {}},
        BlockCase{"WirelessCardDropped",
                  Crlf(XpBlock("Wireless Network Connection", "Intel(R) PRO/Wireless 2200BG") +
                       XpBlock("LAN", "NE2000 Compatible")),
                  {{"LAN", "NE2000 COMPATIBLE"}}},
        BlockCase{"UsbCardDropped", Crlf(XpBlock("LAN 3", "Realtek usb 2.0 Fast Ethernet")), {}},
        BlockCase{"ModemDropped", Crlf(XpBlock("LAN 4", "Conexant HCF V90 Modem")), {}},
        BlockCase{"PppoeDropped", Crlf(XpBlock("LAN 5", "P.P.P.o.E. miniport")), {}},
        BlockCase{"PoetDropped", Crlf(XpBlock("LAN 6", "PPPoE over Poet adapter")), {}},
        BlockCase{"DialUpDropped", Crlf(XpBlock("LAN 7", "Dial-Up Adapter")), {}},
        // A dropped card frees the lines after its Description for the outer
        // scan; a recorded one keeps them in its window.
        BlockCase{"DroppedCardLetsTheNextHeaderBeSeen",
                  Crlf("Ethernet adapter W:\n" + kXpLabel + "Wireless\nEthernet adapter LAN:\n" + kXpLabel +
                       "NE2000\n"),
                  {{"LAN", "NE2000"}}},
        BlockCase{"RecordedCardHidesAHeaderInItsWindow",
                  Crlf("Ethernet adapter A:\n" + kXpLabel + "NE2000\nEthernet adapter B:\n" + kXpLabel +
                       "3C905\n"),
                  {{"A", "NE2000"}}},
        BlockCase{"DescriptionOnTheFifthLineBelow",
                  Crlf("Ethernet adapter LAN:\n" + Repeat(kFiller, 4) + kXpLabel + "NE2000\n"),
                  {{"LAN", "NE2000"}}},
        BlockCase{"DescriptionBeyondTheWindow",
                  Crlf("Ethernet adapter LAN:\n" + Repeat(kFiller, 5) + kXpLabel + "NE2000\n"), {}},
        BlockCase{"ShortDescriptionLineGivesEmptyDescription", Crlf("Ethernet adapter LAN:\nDescription\n"),
                  {{"LAN", ""}}},
        BlockCase{"Win10LineWithoutSeparatorGivesEmptyDescription",
                  Crlf("Ethernet adapter LAN:\n   Description\n"), {{"LAN", ""}}},
        BlockCase{"UpperCasingLeavesOtherBytes",
                  Crlf(XpBlock("LAN", "carte r\xe9seau \xe0 bus pci")),
                  {{"LAN", "CARTE R\xe9SEAU \xe0 BUS PCI"}}},
        BlockCase{"NameOf63Kept", Crlf(XpBlock(kLongName63, "NE2000")), {{kLongName63, "NE2000"}}},
        BlockCase{"NameOf64Dropped",
                  Crlf(XpBlock(kLongName63 + "X", "NE2000") + XpBlock("LAN", "3C905")),
                  {{"LAN", "3C905"}}},
        BlockCase{"QuoteInNameDropped",
                  Crlf(XpBlock("My \"fast\" LAN", "NE2000") + XpBlock("LAN", "3C905")),
                  {{"LAN", "3C905"}}},
        BlockCase{"LongDescriptionCutTo63", Crlf(XpBlock("LAN", kLongDescription)),
                  {{"LAN", std::string(63, 'D')}}},
        BlockCase{"EmptyOutput", "", {}}),
    [](const ::testing::TestParamInfo<BlockCase>& info) { return std::string(info.param.name); });

// A block's window lines do not count towards the passes of the outer scan.
TEST_F(AdapterBlocks, HeaderOnTheHundredthOuterPassIsSeen) {
    const std::string text =
        "Ethernet adapter A:\n" + Repeat(kFiller, 5) + Repeat(kFiller, 98) + XpBlock("B", "3C905");
    EXPECT_EQ(Recorded(Scan(Crlf(text))), (Candidates{{"B", "3C905"}}));
}

TEST_F(AdapterBlocks, HeaderAfterTheHundredthOuterPassIsNeverSeen) {
    const std::string text =
        "Ethernet adapter A:\n" + Repeat(kFiller, 5) + Repeat(kFiller, 99) + XpBlock("B", "3C905");
    EXPECT_EQ(Scan(Crlf(text)).lastIndex, -1);
}

TEST_F(AdapterBlocks, EleventhCandidateIsLeftOut) {
    std::string text;
    for (int card = 1; card <= 11; ++card)
        text += XpBlock("LAN " + std::to_string(card), "NIC " + std::to_string(card));
    const AdapterTableData table = Scan(Crlf(text));
    ASSERT_EQ(table.lastIndex, AdapterTableData::kSlots - 1);
    EXPECT_STREQ(table.keys[9], "LAN 10");
    EXPECT_STREQ(table.descriptions[9], "NIC 10");
}

TEST_F(AdapterBlocks, SlotsAboveTheNewLastIndexKeepTheirText) {
    sim.PutFile(contracts::WorkFile, Crlf(XpBlock("LAN", "NE2000")));
    CWnd owner;
    WorkFileReader reader(owner);
    ASSERT_TRUE(reader.Open());
    AdapterTableData table;
    table.lastIndex = 1;
    std::snprintf(table.keys[1], sizeof table.keys[1], "%s", "Earlier");
    ScanAdapterBlocks(reader, table);
    EXPECT_EQ(table.lastIndex, 0);
    EXPECT_STREQ(table.keys[1], "Earlier");
}

// ---------------------------------------------------------------------------
// Windows 95/98/Me: the network class key.

const std::string kNet = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Net\\";

struct Card9x {
    std::string subKey;
    const char* lower;        // null: no Ndi\Interfaces key
    const char* description;  // null: no DriverDesc
    const char* deviceId;     // null: no MatchingDeviceId
};

void Install(sim::SimulatedPc& sim, const Card9x& card) {
    const std::string key = kNet + card.subKey;
    sim.registry.CreateKey(key);
    if (card.lower) sim.registry.SetString(key + "\\Ndi\\Interfaces", "Lower", card.lower);
    if (card.description) sim.registry.SetString(key, "DriverDesc", card.description);
    if (card.deviceId) sim.registry.SetString(key, "MatchingDeviceId", card.deviceId);
}

struct WalkCase {
    const char* name;
    Card9x card;
    bool kept;
};

void PrintTo(const WalkCase& c, std::ostream* os) { *os << c.name; }

class NetClassWalk : public ::testing::TestWithParam<WalkCase> {
protected:
    sim::SimulatedPc sim;
};

TEST_P(NetClassWalk, KeepsOnlyEthernetCardsOfTheBus) {
    Install(sim, GetParam().card);
    AdapterTableData table;
    ASSERT_TRUE(WalkNetClassKey(table));
    EXPECT_EQ(table.lastIndex, GetParam().kept ? 0 : -1);
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

const char kPciId[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
// Device ids with an instance part: 63 and 64 characters.
const char kId63[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\\3&61AAA01&0&48ABCD";
const char kId64[] = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\\3&61AAA01&0&48ABCDE";

INSTANTIATE_TEST_SUITE_P(
    Win9x, NetClassWalk,
    ::testing::Values(
        WalkCase{"LowerEthernet", {"0000", "ethernet", "Realtek RTL8139 PCI NIC", kPciId}, true},
        WalkCase{"LowerListsEthernet", {"0000", "ndis3, ethernet", "NE2000 Compatible", kPciId}, true},
        WalkCase{"NoNdiInterfacesKey", {"0000", nullptr, "NE2000 Compatible", kPciId}, true},
        WalkCase{"CapitalEthernetDropped", {"0000", "Ethernet", "NE2000 Compatible", kPciId}, false},
        WalkCase{"OtherLowerDropped", {"0000", "ndiswan", "NE2000 Compatible", kPciId}, false},
        WalkCase{"DialUpAdapterDropped", {"0000", nullptr, "Dial-Up Adapter", "*PNP8387"}, false},
        WalkCase{"DialUpWithBusIdDropped", {"0000", nullptr, "Dial-Up Adapter", kPciId}, false},
        WalkCase{"UsbAnyCaseDropped", {"0000", nullptr, "Linksys uSb Ethernet", kPciId}, false},
        WalkCase{"WirelessAnyCaseDropped", {"0000", nullptr, "Acme wireLESS LAN", kPciId}, false},
        WalkCase{"ModemDropped", {"0000", nullptr, "ADSL modem", kPciId}, false},
        WalkCase{"StarIdDropped", {"0000", nullptr, "NE2000 Compatible", "*PNP80D6"}, false},
        WalkCase{"UsbIdDropped", {"0000", nullptr, "Acme NIC", "USB\\VID_0BDA&PID_8150"}, false},
        WalkCase{"LowerCaseUsbIdKept", {"0000", nullptr, "Acme NIC", "pci\\ven_1106&usb"}, true},
        WalkCase{"NoDescriptionDropped", {"0000", nullptr, nullptr, kPciId}, false},
        WalkCase{"NoDeviceIdDropped", {"0000", nullptr, "NE2000 Compatible", nullptr}, false},
        WalkCase{"DeviceIdOf63Kept", {"0000", nullptr, "NE2000 Compatible", kId63}, true},
        WalkCase{"DeviceIdOf64Dropped", {"0000", nullptr, "NE2000 Compatible", kId64}, false}),
    [](const ::testing::TestParamInfo<WalkCase>& info) { return std::string(info.param.name); });

class NetClassWalkTable : public ::testing::Test {
protected:
    sim::SimulatedPc sim;
};

TEST_F(NetClassWalkTable, RecordsDeviceIdAndUpperCasedDescriptionInWalkOrder) {
    Install(sim, {"0000", nullptr, "Dial-Up Adapter", "*PNP8387"});
    Install(sim, {"0001", "ethernet", "Realtek RTL8139(A) PCI Fast Ethernet Adapter", kPciId});
    Install(sim, {"0002", nullptr, "3Com EtherLink III", "ISAPNP\\TCM5090"});
    AdapterTableData table;
    ASSERT_TRUE(WalkNetClassKey(table));
    EXPECT_EQ(Recorded(table), (Candidates{{kPciId, "REALTEK RTL8139(A) PCI FAST ETHERNET ADAPTER"},
                                           {"ISAPNP\\TCM5090", "3COM ETHERLINK III"}}));
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

TEST_F(NetClassWalkTable, SubKeyNameOfSixteenCharactersEndsTheWalk) {
    Install(sim, {"0000", nullptr, "NE2000 Compatible", "ISAPNP\\NE2000"});
    Install(sim, {"000123456789ABC", nullptr, "3Com EtherLink III", "ISAPNP\\TCM5090"});  // 15
    Install(sim, {"000123456789ABCD", nullptr, "Acme NIC", "PCI\\VEN_1"});             // 16
    Install(sim, {"0002", nullptr, "Realtek NIC", kPciId});
    AdapterTableData table;
    ASSERT_TRUE(WalkNetClassKey(table));
    EXPECT_EQ(Recorded(table), (Candidates{{"ISAPNP\\NE2000", "NE2000 COMPATIBLE"},
                                           {"ISAPNP\\TCM5090", "3COM ETHERLINK III"}}));
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

TEST_F(NetClassWalkTable, LongDescriptionCutTo63) {
    Install(sim, {"0000", nullptr, std::string(100, 'x').c_str(), kPciId});
    AdapterTableData table;
    ASSERT_TRUE(WalkNetClassKey(table));
    EXPECT_EQ(Recorded(table), (Candidates{{kPciId, std::string(63, 'X')}}));
}

TEST_F(NetClassWalkTable, EleventhCardIsLeftOut) {
    for (int card = 0; card < 11; ++card) {
        const std::string n = std::to_string(card);
        Install(sim, {"00" + std::string(card < 10 ? "0" : "") + n, nullptr, ("NIC " + n).c_str(),
                      ("PCI\\VEN_" + n).c_str()});
    }
    AdapterTableData table;
    ASSERT_TRUE(WalkNetClassKey(table));
    ASSERT_EQ(table.lastIndex, 9);
    EXPECT_STREQ(table.keys[9], "PCI\\VEN_9");
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

TEST_F(NetClassWalkTable, WithoutTheClassKeyTheTableStaysAsItWas) {
    AdapterTableData table;
    table.lastIndex = 2;
    EXPECT_FALSE(WalkNetClassKey(table));
    EXPECT_EQ(table.lastIndex, 2);
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

// ---------------------------------------------------------------------------
// FindNetworkCard: the routes and the result.

class FindNetworkCardTest : public ::testing::Test {
protected:
    FindNetworkCardTest() { AdapterTable = AdapterTableData{}; }
    ~FindNetworkCardTest() override { AdapterTable = AdapterTableData{}; }

    void SetIpconfig(const std::string& output) {
        sim.SetTool(sim.systemDir + "\\ipconfig.exe", [output](const std::string&) {
            sim::ToolResult result;
            result.out = output;
            return result;
        });
    }

    sim::SimulatedPc sim;
    CModemDlg dlg;
};

TEST_F(FindNetworkCardTest, NtRunsIpconfigAllAndOneCardNeedsNoDialog) {
    SetIpconfig(Crlf(kWin10));
    EXPECT_EQ(dlg.FindNetworkCard(kFamilyNt), "Ethernet1");
    ASSERT_EQ(sim.runs.size(), 1u);
    EXPECT_EQ(sim.runs[0].application, sim.systemDir + "\\ipconfig.exe");
    EXPECT_EQ(sim.runs[0].commandLine, "ipconfig /all");
    EXPECT_EQ(sim.runs[0].showWindow, 0u);
    EXPECT_TRUE(sim.Log("dialog").empty());
}

TEST_F(FindNetworkCardTest, NtWithoutCandidatesGivesError) {
    SetIpconfig(Crlf(XpBlock("Wireless Network Connection", "Intel(R) PRO/Wireless 2200BG")));
    AdapterTable.lastIndex = 0;
    std::snprintf(AdapterTable.keys[0], sizeof AdapterTable.keys[0], "%s", "Earlier");
    EXPECT_EQ(dlg.FindNetworkCard(kFamilyNt), "ERROR");
    EXPECT_EQ(AdapterTable.lastIndex, -1);
}

// Another program holds WorkFile without sharing it: neither the run nor the
// scan can open it.
TEST_F(FindNetworkCardTest, NtWithWorkFileUnreadableEmptiesTheTable) {
    SetIpconfig(Crlf(kWin10));
    sim.Create(dlg, IDD_KELVANE_DIALOG);
    const plat::Handle exclusive =
        plat::kernel().CreateFile(contracts::WorkFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(exclusive, INVALID_HANDLE_VALUE);

    EXPECT_EQ(dlg.FindNetworkCard(kFamilyNt), "ERROR");
    EXPECT_EQ(AdapterTable.lastIndex, -1);
    ASSERT_FALSE(sim.boxes.empty());
    const sim::Box& last = sim.boxes.back();
    EXPECT_EQ(last.text, "ADSLLog.tmp file wasn't found");
    EXPECT_EQ(last.caption, "Kelvane");
    EXPECT_EQ(last.style, MB_OK);
    EXPECT_EQ(last.owner, dlg.m_hWnd);
    plat::kernel().CloseHandle(exclusive);
}

TEST_F(FindNetworkCardTest, NtOutputWithoutLineEndsGivesTheBareName) {
    SetIpconfig("Ethernet adapter LAN:\n" + kXpLabel + "NE2000");
    EXPECT_EQ(dlg.FindNetworkCard(kFamilyNt), "LAN");
    EXPECT_STREQ(AdapterTable.descriptions[0], "NE2000");
}

TEST_F(FindNetworkCardTest, Win9xWalksTheRegistryWithoutRunningATool) {
    Install(sim, {"0000", "ethernet", "NE2000 Compatible", "ISAPNP\\NE2000"});
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "ISAPNP\\NE2000");
    EXPECT_TRUE(sim.runs.empty());
    EXPECT_EQ(sim.OpenKeyCount(), 0);
}

TEST_F(FindNetworkCardTest, Win9xWithoutCandidatesGivesError) {
    Install(sim, {"0000", nullptr, "Dial-Up Adapter", "*PNP8387"});
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "ERROR");
}

struct FirstUseCase {
    const char* name;
    int family;
};

void PrintTo(const FirstUseCase& c, std::ostream* os) { *os << c.name; }

class FirstUse : public FindNetworkCardTest, public ::testing::WithParamInterface<FirstUseCase> {};

// The table at program start holds one empty candidate.
TEST_P(FirstUse, WithoutDiscoveryGivesTheEmptySlot) {
    EXPECT_EQ(dlg.FindNetworkCard(GetParam().family), "");
    EXPECT_TRUE(sim.runs.empty());
    EXPECT_TRUE(sim.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Families, FirstUse,
                         ::testing::Values(FirstUseCase{"VersionQueryFailed", kFamilyUnknown},
                                           FirstUseCase{"Win32s", kFamilyWin32s},
                                           FirstUseCase{"Win9xWithoutClassKey", kFamily9x}),
                         [](const ::testing::TestParamInfo<FirstUseCase>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
