// Opening the modem's pages, "Logout", and the restart prompt.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <ostream>
#include <string>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "platform/sim/SimulatedPc.h"
#include "workflows/Texts.h"

namespace {

using sim::SimulatedPc;

const std::string kStartAddress = std::string("http://") + contracts::ModemAddress + "/doc/index.htm";
const std::string kBridgeAddress = std::string("http://") + contracts::ModemAddress + "/doc/switch1.htm";

std::ptrdiff_t LogIndex(const SimulatedPc& pc, const std::string& line) {
    const auto it = std::find(pc.log.begin(), pc.log.end(), line);
    return it == pc.log.end() ? -1 : it - pc.log.begin();
}

class ModemPage : public ::testing::Test {
protected:
    ModemPage() {
        // Another name than the window title: the failure box shows the program's file name.
        pc.moduleName = "ModemSetup";
        hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);
    }

    sim::Window& window() { return *pc.FindWindow(hwnd); }

    SimulatedPc pc;
    CModemDlg dlg;
    plat::Hwnd hwnd = 0;
};

TEST_F(ModemPage, LogoutOpensTheStartPageHidesTheDialogAndLeavesWorkFile) {
    pc.PutFile(contracts::WorkFile, "last tool output\n");

    pc.Click(hwnd, IDC_LOGOUT);

    EXPECT_EQ(pc.pagesOpened, std::vector<std::string>{kStartAddress});
    EXPECT_FALSE(window().visible);
    EXPECT_FALSE(window().ended);
    EXPECT_EQ(pc.TrayIconCount(), 1);
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_TRUE(pc.runs.empty());
    EXPECT_EQ(pc.FileText(contracts::WorkFile), "last tool output\n");

    pc.TrayMouse(hwnd, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(window().visible);
}

TEST_F(ModemPage, OpensTheGivenPageThroughTheShellWithTheOpenVerb) {
    dlg.OpenModemPage(contracts::kBridgePage);

    ASSERT_EQ(pc.shellCalls.size(), 1u);
    const sim::ShellCall& call = pc.shellCalls[0];
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.file, kBridgeAddress);
    EXPECT_EQ(call.params, "");
    EXPECT_EQ(call.show, SW_SHOWNORMAL);
    EXPECT_EQ(pc.pagesOpened, std::vector<std::string>{kBridgeAddress});
}

struct ShellCase {
    const char* name;
    std::deque<std::intptr_t> results;  // what the shell answers, attempt by attempt
    std::size_t attempts;
    std::uint32_t pauseMs;
    bool failureBox;
};
std::ostream& operator<<(std::ostream& os, const ShellCase& c) { return os << c.name; }

class ShellAnswers : public ModemPage, public ::testing::WithParamInterface<ShellCase> {};

TEST_P(ShellAnswers, RetryOnceAfterOneSecondThenOneOwnedBox) {
    const ShellCase& c = GetParam();
    pc.shellResults = c.results;

    dlg.OpenModemPage(contracts::kStartPage);

    EXPECT_EQ(pc.shellRequests, std::vector<std::string>(c.attempts, kStartAddress));
    EXPECT_EQ(pc.now, c.pauseMs);
    if (c.failureBox) {
        ASSERT_EQ(pc.boxes.size(), 1u);
        const sim::Box& box = pc.boxes[0];
        EXPECT_EQ(box.owner, hwnd);
        EXPECT_EQ(box.text, "Failed to launch IE");
        EXPECT_EQ(box.caption, "ModemSetup");
        EXPECT_EQ(box.style, MB_OK);
        // Hidden once the user has closed the box, not before.
        const auto boxLine = LogIndex(pc, "box ModemSetup | Failed to launch IE");
        const auto hideLine = LogIndex(pc, "show " + std::to_string(IDD_KELVANE_DIALOG) + " 0");
        ASSERT_GE(boxLine, 0);
        EXPECT_LT(boxLine, hideLine);
    } else {
        EXPECT_TRUE(pc.boxes.empty());
    }
    EXPECT_FALSE(window().visible);
    EXPECT_FALSE(window().ended);
}

INSTANTIATE_TEST_SUITE_P(
    Results, ShellAnswers,
    ::testing::Values(ShellCase{"FirstSucceeds", {33}, 1, 0, false},
                      ShellCase{"SecondSucceeds", {32, 42}, 2, 1000, false},
                      ShellCase{"SecondJustSucceeds", {2, 33}, 2, 1000, false},
                      ShellCase{"BothFail", {2, 32}, 2, 1000, true},
                      ShellCase{"NegativeResultsFail", {-1, -5}, 2, 1000, true},
                      ShellCase{"ZeroResultsFail", {0, 0}, 2, 1000, true}),
    [](const ::testing::TestParamInfo<ShellCase>& info) { return info.param.name; });

// --- the restart prompt -----------------------------------------------------

class RestartPrompt : public ModemPage {
protected:
    RestartPrompt() { pc.PutFile(contracts::WorkFile, "tool output\n"); }
};

TEST_F(RestartPrompt, AsksWithoutOwnerAndLetsTheUserDecline) {
    // Cancel, and 0 for a box that could not be shown.
    for (int answer : {IDCANCEL, 0}) {
        pc.boxes.clear();
        pc.AnswerNextBox(answer);

        dlg.PromptRestart();

        ASSERT_EQ(pc.boxes.size(), 1u) << answer;
        const sim::Box& box = pc.boxes[0];
        EXPECT_EQ(box.owner, 0u);
        EXPECT_EQ(box.caption, "System Settings Change");
        EXPECT_EQ(box.text,
                  "You must restart your computer before the new settings will take effect.\n\n"
                  "Do you want to restart your computer now?");
        EXPECT_EQ(box.style, MB_OKCANCEL | MB_ICONQUESTION);

        EXPECT_EQ(pc.rebootRequests, 0) << answer;
        EXPECT_FALSE(pc.privilegeEnabled) << answer;
        EXPECT_TRUE(pc.HasFile(contracts::WorkFile)) << answer;
    }
}

TEST_F(RestartPrompt, ConsentDeletesWorkFileBeforeTheRebootRequest) {
    pc.SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
    pc.AnswerNextBox(IDOK);

    dlg.PromptRestart();

    EXPECT_FALSE(pc.HasFile(contracts::WorkFile));
    EXPECT_EQ(pc.reboots, 1);
    EXPECT_EQ(pc.rebootFlags, EWX_REBOOT);
    const auto removed = LogIndex(pc, std::string("remove ") + contracts::WorkFile);
    const auto reboot = LogIndex(pc, "reboot");
    ASSERT_GE(removed, 0);
    EXPECT_LT(removed, reboot);
    EXPECT_EQ(pc.boxes.size(), 1u);
}

struct FamilyCase {
    const char* name;
    std::uint32_t platformId, major, minor;
    bool privilege;
};
std::ostream& operator<<(std::ostream& os, const FamilyCase& c) { return os << c.name; }

class RestartOnFamily : public RestartPrompt, public ::testing::WithParamInterface<FamilyCase> {};

// The NT family grants the reboot only to a process that holds the shutdown
// privilege; the other families have no such thing.
TEST_P(RestartOnFamily, EnablesTheShutdownPrivilegeOnlyOnNtAndBeforeTheRequest) {
    const FamilyCase& c = GetParam();
    pc.SetVersion(c.platformId, c.major, c.minor);
    pc.AnswerNextBox(IDOK);

    dlg.PromptRestart();

    EXPECT_EQ(pc.privilegeEnabled, c.privilege);
    EXPECT_EQ(pc.rebootRequests, 1);
    if (c.privilege) {
        const auto privilege = LogIndex(pc, "privilege");
        ASSERT_GE(privilege, 0);
        EXPECT_LT(privilege, LogIndex(pc, "reboot"));
        EXPECT_EQ(pc.reboots, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, RestartOnFamily,
    ::testing::Values(FamilyCase{"Windows98", VER_PLATFORM_WIN32_WINDOWS, 4, 10, false},
                      FamilyCase{"Windows2000", VER_PLATFORM_WIN32_NT, 5, 0, true},
                      FamilyCase{"WindowsXp", VER_PLATFORM_WIN32_NT, 5, 1, true}),
    [](const ::testing::TestParamInfo<FamilyCase>& info) { return info.param.name; });

TEST_F(RestartPrompt, ARefusedRebootTellsTheUserToRestartByHand) {
    pc.SetVersion(VER_PLATFORM_WIN32_NT, 5, 1);
    pc.refuseReboot = true;
    pc.AnswerNextBox(IDOK);

    dlg.PromptRestart();

    EXPECT_EQ(pc.rebootRequests, 1);
    EXPECT_EQ(pc.reboots, 0);
    ASSERT_EQ(pc.boxes.size(), 2u);
    const sim::Box& box = pc.boxes[1];
    EXPECT_EQ(box.owner, 0u);
    EXPECT_EQ(box.caption, "System Settings Change");
    EXPECT_EQ(box.text, kRestartByHandText);
    EXPECT_EQ(box.style, MB_OK | MB_ICONWARNING);
    EXPECT_FALSE(pc.HasFile(contracts::WorkFile));
}

}  // namespace
