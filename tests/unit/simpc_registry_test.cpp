// The Windows 95/98/Me registry tree of the model: the paths the program walks
// from a card's device id to its TCP/IP values, and the global DNS switch.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "contracts/Registry.h"
#include "simpc/PcModel.h"
#include "tests/unit/simpc_fixtures.h"

namespace {

using simpc::Layout;

simpc::PcModel Win98Pc() {
    simpc::PcModel m = simpc_test::OneCardPc(Layout::Win9x, simpc_test::EthernetCard("LAN", false, false, true));
    simpc::Card dialup;
    dialup.description = "Dial-Up Adapter";
    dialup.deviceId = "*PPPMAC";
    dialup.kind = simpc::Kind::DialUp;
    m.cards.push_back(dialup);
    return m;
}

std::map<std::string, std::string> Values(const std::vector<simpc::RegValue>& tree) {
    std::map<std::string, std::string> values;
    for (const simpc::RegValue& v : tree)
        if (!v.isKey) values[v.key + "|" + v.name] = v.data;
    return values;
}

TEST(SimpcRegistry, CardsAreDescribedWhereTheProgramLooks) {
    const std::string net = std::string(contracts::kNetClassKey) + "\\";
    const std::string trans = std::string(contracts::kServicesClassKey) + "\\NetTrans\\";
    const std::string pci = "Enum\\PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10\\BUS_00&DEV_0B&FUNC_00";
    const std::vector<std::pair<std::string, std::string>> expected = {
        {net + "0000|DriverDesc", "Realtek RTL8139 Family PCI Fast Ethernet NIC"},
        {net + "0000|MatchingDeviceId", "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10"},
        {net + "0000\\Ndi\\Interfaces|Lower", "ethernet"},
        {pci + "\\Bindings|MSTCP\\0000", ""},
        {std::string(contracts::kMstcpEnumKey) + "\\0000|Driver", "NetTrans\\0000"},
        {trans + "0000|IPAddress", "192.168.0.20"},
        {trans + "0000|IPMask", "255.255.255.0"},
        {net + "0001|DriverDesc", "Dial-Up Adapter"},
        {net + "0001|MatchingDeviceId", "*PPPMAC"},
        {net + "0001\\Ndi\\Interfaces|Lower", "wan"},
        {"Enum\\Root\\Net\\0001\\Bindings|MSTCP\\0001", ""},
        {std::string(contracts::kMstcpEnumKey) + "\\0001|Driver", "NetTrans\\0001"},
        {trans + "0001|IPAddress", "0.0.0.0"},
        {trans + "0001|IPMask", "0.0.0.0"},
        {std::string(contracts::kMstcpKey) + "|EnableDNS", "1"},
    };
    const std::map<std::string, std::string> values = Values(simpc::Build9xRegistry(Win98Pc()));
    for (const auto& e : expected) {
        const auto it = values.find(e.first);
        ASSERT_NE(it, values.end()) << e.first;
        EXPECT_EQ(it->second, e.second) << e.first;
    }
}

TEST(SimpcRegistry, EnableDnsIsZeroOnlyWhenEveryCardHasAutomaticDns) {
    const std::string key = std::string(contracts::kMstcpKey) + "|EnableDNS";
    struct Case {
        bool first, second;
        const char* enableDns;
    };
    for (const Case& c : {Case{true, true, "0"}, Case{true, false, "1"}, Case{false, true, "1"}}) {
        simpc::PcModel m = Win98Pc();
        m.cards[0].dnsAuto = c.first;
        m.cards[1].dnsAuto = c.second;
        EXPECT_EQ(Values(simpc::Build9xRegistry(m))[key], c.enableDns);
    }
}

TEST(SimpcRegistry, RegFileEscapesAndEndsLinesInCrLf) {
    const std::vector<simpc::RegValue> tree = {
        {"A\\B", "", "", true},
        {"A\\C", "MSTCP\\0000", "say \"hi\"", false},
    };
    EXPECT_EQ(simpc::ToRegFile(tree),
              "REGEDIT4\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\A\\B]\r\n"
              "\r\n[HKEY_LOCAL_MACHINE\\A\\C]\r\n"
              "\"MSTCP\\\\0000\"=\"say \\\"hi\\\"\"\r\n");
}

TEST(SimpcRegistry, RepairsTakeEffectAtTheNextStart) {
    simpc::PcModel m = Win98Pc();
    std::map<std::string, std::string> values = Values(simpc::Build9xRegistry(m));
    const std::string trans = std::string(contracts::kServicesClassKey) + "\\NetTrans\\0000|";
    values[trans + "IPAddress"] = "0.0.0.0";
    values[trans + "IPMask"] = "0.0.0.0";
    values[std::string(contracts::kMstcpKey) + "|EnableDNS"] = "0";
    simpc::Apply9xRegistry(m, [&](const std::string& key, const std::string& name, std::string& data) {
        const auto it = values.find(key + "|" + name);
        if (it == values.end()) return false;
        data = it->second;
        return true;
    });
    EXPECT_TRUE(m.cards[0].dhcp);
    EXPECT_TRUE(m.cards[0].dnsAuto && m.cards[1].dnsAuto);
    EXPECT_TRUE(m.cards[0].leased);
    EXPECT_EQ(m.cards[0].leaseDns, "192.168.1.1");
}

}  // namespace
