// "click here" from the warning to its outcome on simulated PCs. Every path
// after a confirmed warning ends the dialog.
#include <gtest/gtest.h>

#include "simpc/PcModel.h"
#include "tests/unit/workflow_fixture.h"
#include "workflows/Texts.h"

namespace {

using Strings = std::vector<std::string>;

class BridgeSwitch : public WorkflowOnSimPc {
protected:
    // The user confirms the warning; later boxes get their first button.
    void Confirm() { pc.AnswerNextBox(IDYES); }
};

TEST_F(BridgeSwitch, DeclinedWarningRunsNothingAndRemovesWorkFile) {
    Start("nt-happy");
    pc.PutFile(contracts::WorkFile, "left over");
    pc.AnswerNextBox(IDNO);
    Click(IDC_BRIDGE_SWITCH);

    ASSERT_EQ(pc.boxes.size(), 1u);
    EXPECT_EQ(pc.boxes[0].text, kBridgeWarningText);
    EXPECT_EQ(pc.boxes[0].caption, "WARNING");
    EXPECT_EQ(pc.boxes[0].style, MB_ICONWARNING | MB_YESNO);
    EXPECT_EQ(pc.boxes[0].owner, 0u);
    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(pc.pagesOpened.empty());
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(BridgeSwitch, AlreadyServedGoesStraightToTheBridgePage) {
    Start("nt-happy");
    simpc::RunIpconfig(pc.model, "ipconfig /renew");  // the modem already leased the card
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_EQ(Runs(), Strings{cmd::kAll});
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kBridgePage)});
    EXPECT_FALSE(Visible());
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(BridgeSwitch, DnsFixedOnNtIsRepairedAndTheNextPassOpensThePage) {
    Start("nt-dns-fixed");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    const std::string lan = "Local Area Connection";
    EXPECT_EQ(Runs(), (Strings{cmd::kAll, cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll,
                               cmd::kShowDns, cmd::SetDns(lan), cmd::kShowAddress, cmd::kRelease,
                               cmd::kRenew, cmd::kAll}));
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kBridgePage)});
    EXPECT_TRUE(Ended());
}

// A modem test that cannot read WorkFile leads to the page as if the modem
// answered: the page is what the user asked for.
TEST_F(BridgeSwitch, UnreadableWorkFileInTheFirstModemTestLeadsToThePage) {
    Start("nt-modem-off");
    Confirm();
    LoseWorkFileAtRun(1);  // ipconfig /all, before any renewal
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_EQ(BoxTexts(), (Strings{kBridgeWarningText, "INVALID_HANDLE_VALUE",
                                   "ADSLLog.tmp file wasn't found"}));
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kBridgePage)});
    EXPECT_TRUE(Ended());
}

TEST_F(BridgeSwitch, NothingToRepairGivesTheThreePointAdviceAndEnds) {
    Start("nt-modem-off");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_EQ(BoxTexts(), (Strings{kBridgeWarningText, kAdviceThreePointText}));
    EXPECT_EQ(pc.boxes[1].caption, "ERROR");
    EXPECT_EQ(pc.boxes[1].style, MB_ICONERROR);
    EXPECT_EQ(pc.boxes[1].owner, 0u);
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

// Failures of the checks count like their positive answers here.
TEST_F(BridgeSwitch, CheckFailuresLeadToTheAdviceNotTheFailureBox) {
    Start("nt-netsh-error");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_EQ(BoxTexts(), (Strings{kBridgeWarningText, kAdviceThreePointText}));
    EXPECT_TRUE(Ended());
}

TEST_F(BridgeSwitch, NoUsableCardShowsTheNoAdapterBoxAndEnds) {
    Start("nt-no-adapter");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    ASSERT_EQ(pc.boxes.size(), 2u);
    EXPECT_EQ(pc.boxes[1].text, "No Network Adapter found!");
    EXPECT_EQ(pc.boxes[1].owner, hwnd);
    EXPECT_TRUE(Ended());
}

TEST_F(BridgeSwitch, Windows9xOffersTheRestartAndEndsWhateverTheAnswer) {
    for (int answer : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(answer);
        sim::SimulatedPc local;
        CModemDlg localDlg;
        AdapterTable = AdapterTableData{};
        ASSERT_TRUE(local.LoadScenarioFile(std::string(KELVANE_SOURCE_DIR) +
                                           "/tests/scenarios/9x-dns-fixed.txt"));
        const plat::Hwnd h = local.Create(localDlg, IDD_KELVANE_DIALOG);
        local.AnswerNextBox(IDYES);
        local.AnswerNextBox(answer);
        local.Click(h, IDC_BRIDGE_SWITCH);

        ASSERT_EQ(local.boxes.size(), 2u);
        EXPECT_EQ(local.boxes[1].caption, kRestartCaption);
        EXPECT_EQ(local.reboots, answer == IDOK ? 1 : 0);
        EXPECT_TRUE(local.FindWindow(h)->ended);
        EXPECT_FALSE(local.HasFile(contracts::WorkFile));
    }
}

TEST_F(BridgeSwitch, NtNeverOffersARestart) {
    Start("nt-address-fixed");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    for (const sim::Box& box : pc.boxes) EXPECT_NE(box.caption, kRestartCaption);
    EXPECT_TRUE(Ended());
}

TEST_F(BridgeSwitch, RepairsThatNeverTakeEffectEndWithTheAdviceAfterThreePasses) {
    Start("nt-netsh-refused");
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    int renews = 0;
    for (const std::string& run : Runs()) renews += run == cmd::kRenew;
    EXPECT_EQ(renews, kMaxNtPasses);
    EXPECT_EQ(BoxTexts(), (Strings{kBridgeWarningText, kAdviceThreePointText}));
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(BridgeSwitch, FamilyOtherThanNineXOrNtEndsWithoutRunningAnything) {
    Start("nt-happy");
    pc.SetVersion(VER_PLATFORM_WIN32s, 1, 30);
    Confirm();
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_TRUE(pc.runs.empty());
    EXPECT_EQ(BoxTexts(), Strings{kBridgeWarningText});
    EXPECT_TRUE(Ended());
}

// While the warning (no owner) is up, the dialog's buttons still work: a
// click then must not start another workflow.
TEST_F(BridgeSwitch, AClickDuringTheWarningIsIgnored) {
    Start("nt-happy");
    pc.AnswerNextBox(IDNO, [this] { Click(IDC_LOGIN); });
    Click(IDC_BRIDGE_SWITCH);

    EXPECT_TRUE(pc.runs.empty());
    EXPECT_EQ(pc.boxes.size(), 1u);
}

}  // namespace
