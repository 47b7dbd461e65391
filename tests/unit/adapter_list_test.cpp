// The list from which the user picks one of several discovered cards.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ModemDlg.h"
#include "netdiag/Checks.h"
#include "platform/sim/SimulatedPc.h"

namespace {

const std::string kNet = "HKLM\\System\\CurrentControlSet\\Services\\Class\\Net\\";

class AdapterList : public ::testing::Test {
protected:
    AdapterList() {
        AdapterTable = AdapterTableData{};
        // Two cards, named so that a sorting list would swap them.
        AddCard("0000", "Zeta PCI Fast Ethernet", "PCI\\VEN_ZETA");
        AddCard("0001", "Alpha ISA Ethernet", "ISAPNP\\ALPHA");
    }
    ~AdapterList() override { AdapterTable = AdapterTableData{}; }

    void AddCard(const std::string& subKey, const std::string& description, const std::string& id) {
        sim.registry.SetString(kNet + subKey, "DriverDesc", description);
        sim.registry.SetString(kNet + subKey, "MatchingDeviceId", id);
    }

    // The user selects a line (-1: none) and presses OK.
    void PickAndConfirm(int position) {
        sim.OnDialog(IDD_ADAPTER_LIST, [position](sim::SimulatedPc& pc, plat::Hwnd list) {
            pc.SelectListItem(list, IDC_ADAPTER_LIST, position);
            pc.Click(list, IDOK);
        });
    }

    void CloseWithoutChoosing() {
        sim.OnDialog(IDD_ADAPTER_LIST, [](sim::SimulatedPc&, plat::Hwnd) {});
    }

    sim::SimulatedPc sim;
    CModemDlg dlg;
};

TEST_F(AdapterList, ListsTheCardsInDiscoveryOrderWithTheFirstSelected) {
    std::vector<std::string> lines;
    int selected = -2;
    sim.OnDialog(IDD_ADAPTER_LIST, [&](sim::SimulatedPc& pc, plat::Hwnd list) {
        const sim::Control& box = pc.FindWindow(list)->controls.at(IDC_ADAPTER_LIST);
        lines = box.items;
        selected = box.curSel;
    });
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "PCI\\VEN_ZETA");
    EXPECT_EQ(lines, (std::vector<std::string>{"ZETA PCI FAST ETHERNET", "ALPHA ISA ETHERNET"}));
    EXPECT_EQ(selected, 0);
}

TEST_F(AdapterList, OkOnTheSecondGivesItsKey) {
    PickAndConfirm(1);
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "ISAPNP\\ALPHA");
    EXPECT_EQ(sim.Log("end-dialog"), (std::vector<std::string>{"end-dialog 131 1"}));
    EXPECT_TRUE(sim.boxes.empty());
}

TEST_F(AdapterList, CancelAtFirstUseGivesTheFirstKey) {
    CloseWithoutChoosing();
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "PCI\\VEN_ZETA");
}

TEST_F(AdapterList, CancelReusesTheEarlierChoice) {
    PickAndConfirm(1);
    dlg.FindNetworkCard(kFamily9x);
    CloseWithoutChoosing();
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "ISAPNP\\ALPHA");
}

TEST_F(AdapterList, OkWithNothingSelectedSaysSoAndKeepsTheChoice) {
    PickAndConfirm(1);
    dlg.FindNetworkCard(kFamily9x);

    plat::Hwnd listWindow = 0;
    sim.OnDialog(IDD_ADAPTER_LIST, [&listWindow](sim::SimulatedPc& pc, plat::Hwnd list) {
        listWindow = list;
        pc.SelectListItem(list, IDC_ADAPTER_LIST, -1);
        pc.Click(list, IDOK);
    });
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "ISAPNP\\ALPHA");

    ASSERT_EQ(sim.boxes.size(), 1u);
    EXPECT_EQ(sim.boxes[0].text, "No Network Adapter selected.");
    EXPECT_EQ(sim.boxes[0].caption, "ERROR");
    EXPECT_EQ(sim.boxes[0].style, MB_ICONERROR);
    EXPECT_EQ(sim.boxes[0].owner, listWindow);
    EXPECT_EQ(sim.Log("end-dialog").back(), "end-dialog 131 1");  // the framework's OK follows
}

// A later discovery with fewer cards still answers with the chosen slot.
TEST_F(AdapterList, ChoiceOutlivesAShorterDiscovery) {
    AddCard("0002", "Gamma PCI Ethernet", "PCI\\VEN_GAMMA");
    PickAndConfirm(2);
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "PCI\\VEN_GAMMA");

    sim.registry.SetString(kNet + "0002", "DriverDesc", "Gamma USB Ethernet");
    CloseWithoutChoosing();
    EXPECT_EQ(dlg.FindNetworkCard(kFamily9x), "PCI\\VEN_GAMMA");
    EXPECT_EQ(AdapterTable.lastIndex, 1);
}

}  // namespace
