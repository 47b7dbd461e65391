// The application shell: single instance, the main dialog's window rules, its
// notification icon and the clean-up when it ends.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

#include "app/ModemApp.h"
#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "platform/sim/SimulatedPc.h"

namespace {

using sim::SimulatedPc;

bool LogHas(const SimulatedPc& pc, const std::string& line) {
    return std::find(pc.log.begin(), pc.log.end(), line) != pc.log.end();
}

std::string ShowLine(int templateId, int cmd) {
    return "show " + std::to_string(templateId) + " " + std::to_string(cmd);
}

// The main dialog created as its modal run would create it, driven by the test.
class MainDialog : public ::testing::Test {
protected:
    MainDialog() {
        g_hMainWnd = 0;
        hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);
    }

    sim::Window& window() { return *pc.FindWindow(hwnd); }

    SimulatedPc pc;
    CModemDlg dlg;
    plat::Hwnd hwnd = 0;
};

// --- minimise, close and the icon's double click ---------------------------

struct MinimiseCase {
    const char* name;
    WPARAM command;
    bool hides;
};
std::ostream& operator<<(std::ostream& os, const MinimiseCase& c) { return os << c.name; }

class MinimiseCommand : public MainDialog, public ::testing::WithParamInterface<MinimiseCase> {};

// Only the minimise command itself hides; a command that differs from it in
// any bit, low or high, keeps the platform's own handling.
TEST_P(MinimiseCommand, HidesOnlyOnTheExactCommand) {
    const MinimiseCase& c = GetParam();
    pc.Send(hwnd, WM_SYSCOMMAND, c.command, 0);

    EXPECT_EQ(!window().visible, c.hides);
    EXPECT_EQ(LogHas(pc, ShowLine(IDD_KELVANE_DIALOG, SW_HIDE)), c.hides);
    EXPECT_FALSE(window().ended);
    EXPECT_EQ(pc.TrayIconCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MinimiseCommand,
    ::testing::Values(MinimiseCase{"Exact", SC_MINIMIZE, true},
                      MinimiseCase{"LowBitOne", SC_MINIMIZE | 0x1, false},
                      MinimiseCase{"LowBitTwo", SC_MINIMIZE | 0x2, false},
                      MinimiseCase{"AllLowBits", SC_MINIMIZE | 0xF, false},
                      MinimiseCase{"HighBits", SC_MINIMIZE | 0x10000, false},
                      MinimiseCase{"Maximise", SC_MAXIMIZE, false}),
    [](const ::testing::TestParamInfo<MinimiseCase>& info) { return info.param.name; });

TEST_F(MainDialog, CloseCommandRemovesTheIconAndEndsTheDialogWithOk) {
    pc.SysCommand(hwnd, SC_CLOSE);

    EXPECT_TRUE(window().ended);
    EXPECT_EQ(window().endResult, IDOK);
    EXPECT_EQ(pc.TrayIconCount(), 0);
}

TEST_F(MainDialog, DoubleClickOnTheIconShowsTheHiddenDialogNormally) {
    pc.SysCommand(hwnd, SC_MINIMIZE);
    ASSERT_FALSE(window().visible);

    pc.TrayMouse(hwnd, WM_LBUTTONDBLCLK);

    EXPECT_TRUE(window().visible);
    EXPECT_FALSE(window().iconic);
    EXPECT_TRUE(LogHas(pc, ShowLine(IDD_KELVANE_DIALOG, SW_SHOWNORMAL)));
}

class OtherTrayMouse : public MainDialog, public ::testing::WithParamInterface<UINT> {};

TEST_P(OtherTrayMouse, LeavesTheHiddenDialogHidden) {
    pc.SysCommand(hwnd, SC_MINIMIZE);
    pc.TrayMouse(hwnd, GetParam());

    EXPECT_FALSE(window().visible);
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.TrayIconCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(MouseEvents, OtherTrayMouse,
                         ::testing::Values(WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                           WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                                           WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK));

// --- the notification icon --------------------------------------------------

TEST_F(MainDialog, FirstDisplayAddsTheIconWithItsRecord) {
    const plat::NotifyIconData* icon = pc.TrayIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->cbSize, 88u);
    EXPECT_EQ(icon->hWnd, hwnd);
    EXPECT_EQ(icon->uID, 0u);
    EXPECT_EQ(icon->uFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP);
    EXPECT_EQ(icon->uCallbackMessage, static_cast<std::uint32_t>(WM_TRAYICON));
    EXPECT_EQ(icon->hIcon, plat::ui().LoadIcon(IDR_MAINFRAME));
    EXPECT_STREQ(icon->szTip, "Kelvane");
    EXPECT_EQ(g_hMainWnd, hwnd);
}

TEST_F(MainDialog, HidingAndShowingManyTimesKeepsExactlyOneIcon) {
    for (int i = 0; i < 5; ++i) {
        pc.SysCommand(hwnd, SC_MINIMIZE);
        pc.TrayMouse(hwnd, WM_LBUTTONDBLCLK);
    }
    pc.SysCommand(hwnd, SC_MINIMIZE);

    EXPECT_EQ(pc.TrayIconCount(), 1);
    ASSERT_NE(pc.TrayIcon(), nullptr);
    EXPECT_STREQ(pc.TrayIcon()->szTip, "Kelvane");
}

// The shell may lose the icon (a restarted taskbar); the next show or hide
// puts it back.
TEST_F(MainDialog, AnIconTheShellLostComesBackAtTheNextHide) {
    plat::NotifyIconData lost{};
    lost.cbSize = 88;
    lost.hWnd = hwnd;
    plat::shell().NotifyIcon(NIM_DELETE, lost);
    ASSERT_EQ(pc.TrayIconCount(), 0);

    pc.SysCommand(hwnd, SC_MINIMIZE);

    EXPECT_EQ(pc.TrayIconCount(), 1);
}

// --- system menu, icons ----------------------------------------------------

TEST(MainDialogSystemMenu, AboutItemFollowsASeparatorWhenString101HasText) {
    SimulatedPc pc;
    pc.strings[IDS_ABOUTBOX] = "&About Kelvane...";
    CModemDlg dlg;
    const plat::Hwnd hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);

    const auto& added = pc.FindWindow(hwnd)->systemMenuAdded;
    ASSERT_EQ(added.size(), 2u);
    EXPECT_EQ(added[0].first, MF_SEPARATOR);
    EXPECT_EQ(added[1].first, MF_STRING);
    EXPECT_EQ(added[1].second, "&About Kelvane...");
    const auto& items = pc.FindWindow(hwnd)->systemMenuItems;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[1].id, static_cast<std::uintptr_t>(IDM_ABOUTBOX));
}

TEST(MainDialogSystemMenu, NeitherSeparatorNorItemWithoutString101) {
    for (bool emptyRatherThanMissing : {false, true}) {
        SimulatedPc pc;
        if (emptyRatherThanMissing) {
            pc.strings[IDS_ABOUTBOX] = "";
        } else {
            pc.strings.erase(IDS_ABOUTBOX);
        }
        CModemDlg dlg;
        const plat::Hwnd hwnd = pc.Create(dlg, IDD_KELVANE_DIALOG);

        EXPECT_TRUE(pc.FindWindow(hwnd)->systemMenuAdded.empty()) 
            << "empty rather than missing: " << emptyRatherThanMissing;
    }
}

TEST_F(MainDialog, ApplicationIconIsTheWindowsIconAndTheDragIcon) {
    const plat::Hicon appIcon = plat::ui().LoadIcon(IDR_MAINFRAME);
    ASSERT_NE(appIcon, 0u);
    EXPECT_EQ(window().bigIcon, appIcon);
    EXPECT_EQ(window().smallIcon, appIcon);
    EXPECT_EQ(static_cast<plat::Hicon>(pc.Send(hwnd, WM_QUERYDRAGICON)), appIcon);
}

TEST_F(MainDialog, StatusImagesAreNotLoadedWithTheDialog) {
    EXPECT_EQ(dlg.m_hBusyA, 0u);
    EXPECT_EQ(dlg.m_hBusyB, 0u);
    EXPECT_EQ(dlg.m_hIdle, 0u);
    EXPECT_EQ(dlg.m_statusPicture.m_hWnd, plat::ui().GetDlgItem(hwnd, IDC_STATUS_PICTURE));
    EXPECT_NE(dlg.m_statusPicture.m_hWnd, 0u);
}

// --- painting while minimised ---------------------------------------------

struct PaintCase {
    const char* name;
    plat::Rect client;
    int x, y;
};
std::ostream& operator<<(std::ostream& os, const PaintCase& c) { return os << c.name; }

class IconicPaint : public MainDialog, public ::testing::WithParamInterface<PaintCase> {};

// Centred with signed division that truncates towards zero, also in a client
// area smaller than the icon.
TEST_P(IconicPaint, DrawsTheApplicationIconCentred) {
    const PaintCase& c = GetParam();
    pc.clientRect = c.client;
    window().iconic = true;

    pc.Send(hwnd, WM_PAINT);

    ASSERT_EQ(pc.iconDraws.size(), 1u);
    EXPECT_EQ(pc.iconDraws[0].x, c.x);
    EXPECT_EQ(pc.iconDraws[0].y, c.y);
    EXPECT_EQ(pc.iconDraws[0].icon, plat::ui().LoadIcon(IDR_MAINFRAME));
}

INSTANTIATE_TEST_SUITE_P(ClientAreas, IconicPaint,
                         ::testing::Values(PaintCase{"Wide", {0, 0, 257, 168}, 113, 68},
                                           PaintCase{"Even", {0, 0, 64, 64}, 16, 16},
                                           PaintCase{"Offset", {10, 20, 75, 86}, 17, 17},
                                           PaintCase{"SmallerThanIcon", {0, 0, 20, 10}, -5, -10}),
                         [](const ::testing::TestParamInfo<PaintCase>& info) { return info.param.name; });

TEST_F(MainDialog, PaintsNothingItselfWhenNotMinimised) {
    pc.Send(hwnd, WM_PAINT);

    EXPECT_TRUE(pc.iconDraws.empty());
}

// --- the whole program: start, end, second start ---------------------------

using Responder = SimulatedPc::Responder;

// Runs the program once; the user does what the responder says with the main dialog.
void RunProgram(SimulatedPc& pc, Responder user) {
    pc.OnDialog(IDD_KELVANE_DIALOG, std::move(user));
    EXPECT_EQ(theApp.InitInstance(), FALSE);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
}

struct EndingCase {
    const char* name;
    std::function<void(SimulatedPc&, plat::Hwnd)> end;
};
std::ostream& operator<<(std::ostream& os, const EndingCase& c) { return os << c.name; }

class ProgramEnd : public ::testing::TestWithParam<EndingCase> {};

TEST_P(ProgramEnd, LeavesNeitherWorkFileNorIcon) {
    SimulatedPc pc;
    pc.PutFile(contracts::WorkFile, "tool output\n");
    bool iconWhileShown = false;
    RunProgram(pc, [&](SimulatedPc& p, plat::Hwnd hwnd) {
        iconWhileShown = p.TrayIconCount() == 1;
        GetParam().end(p, hwnd);
    });

    EXPECT_TRUE(iconWhileShown);
    EXPECT_FALSE(pc.HasFile(contracts::WorkFile));
    EXPECT_EQ(pc.TrayIconCount(), 0);
    ASSERT_NE(pc.WindowOfTemplate(IDD_KELVANE_DIALOG), nullptr);
    EXPECT_TRUE(pc.WindowOfTemplate(IDD_KELVANE_DIALOG)->destroyed);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ProgramEnd,
    ::testing::Values(
        EndingCase{"CloseCommand", [](SimulatedPc& p, plat::Hwnd h) { p.SysCommand(h, SC_CLOSE); }},
        EndingCase{"Escape",
                   [](SimulatedPc& p, plat::Hwnd h) {
                       p.Send(h, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
                   }},
        EndingCase{"WorkflowOk",
                   [](SimulatedPc&, plat::Hwnd) {
                       static_cast<CDialog*>(AfxGetMainWnd())->OnOK();
                   }},
        // A workflow that opened a page (dialog hidden) and then ends the program.
        EndingCase{"WorkflowOkWhileHidden",
                   [](SimulatedPc& p, plat::Hwnd h) {
                       p.SysCommand(h, SC_MINIMIZE);
                       static_cast<CDialog*>(AfxGetMainWnd())->OnOK();
                   }}),
    [](const ::testing::TestParamInfo<EndingCase>& info) { return info.param.name; });

TEST(Program, RunsTheMainDialogWithoutOwner) {
    SimulatedPc pc;
    plat::Hwnd seen = 0;
    RunProgram(pc, [&](SimulatedPc&, plat::Hwnd hwnd) { seen = hwnd; });

    ASSERT_NE(seen, 0u);
    EXPECT_EQ(pc.FindWindow(seen)->owner, 0u);
    EXPECT_EQ(pc.FindWindow(seen)->title, "Kelvane");
}

TEST(Program, AboutFromTheSystemMenuIsOwnedByTheMainDialogAndLeavesItAsItWas) {
    for (UINT command : {static_cast<UINT>(IDM_ABOUTBOX), static_cast<UINT>(IDM_ABOUTBOX | 0x3)}) {
        SimulatedPc pc;
        plat::Hwnd main = 0;
        plat::Hwnd aboutOwner = 0;
        bool mainShownAfter = false;
        bool mainEndedAfter = true;
        pc.OnDialog(IDD_ABOUTBOX, [&](SimulatedPc& p, plat::Hwnd about) {
            aboutOwner = p.FindWindow(about)->owner;
            p.Click(about, IDOK);
        });
        RunProgram(pc, [&](SimulatedPc& p, plat::Hwnd hwnd) {
            main = hwnd;
            p.SysCommand(hwnd, command);
            mainShownAfter = p.FindWindow(hwnd)->visible;
            mainEndedAfter = p.FindWindow(hwnd)->ended;
        });

        EXPECT_NE(aboutOwner, 0u) << command;
        EXPECT_EQ(aboutOwner, main) << command;
        EXPECT_TRUE(mainShownAfter) << command;
        EXPECT_FALSE(mainEndedAfter) << command;
    }
}

TEST(Program, ASecondStartRestoresAHiddenWindowTitledKelvaneAndShowsNothing) {
    SimulatedPc pc;
    const plat::Hwnd other = pc.AddForeignWindow("Kelvane", false);
    bool dialogRan = false;
    RunProgram(pc, [&](SimulatedPc&, plat::Hwnd) { dialogRan = true; });

    EXPECT_FALSE(dialogRan);
    EXPECT_EQ(pc.WindowOfTemplate(IDD_KELVANE_DIALOG), nullptr);
    EXPECT_TRUE(pc.FindWindow(other)->visible);
    EXPECT_EQ(pc.foreground, other);
}

TEST(Program, ASecondStartRestoresTheRunningDialogFromTheNotificationArea) {
    SimulatedPc pc;
    CModemDlg running;
    const plat::Hwnd hwnd = pc.Create(running, IDD_KELVANE_DIALOG);
    pc.SysCommand(hwnd, SC_MINIMIZE);
    ASSERT_FALSE(pc.FindWindow(hwnd)->visible);

    RunProgram(pc, [](SimulatedPc&, plat::Hwnd) { ADD_FAILURE() << "a second dialog ran"; });

    EXPECT_TRUE(pc.FindWindow(hwnd)->visible);
    EXPECT_FALSE(pc.FindWindow(hwnd)->iconic);
    EXPECT_TRUE(LogHas(pc, ShowLine(IDD_KELVANE_DIALOG, SW_RESTORE)));
    EXPECT_EQ(pc.foreground, hwnd);
    EXPECT_EQ(pc.TrayIconCount(), 1);
}

TEST(Program, ASecondStartBringsABoxOwnedByTheRunningDialogForward) {
    SimulatedPc pc;
    CModemDlg running;
    const plat::Hwnd hwnd = pc.Create(running, IDD_KELVANE_DIALOG);

    plat::Hwnd foregroundDuringBox = 0;
    std::size_t boxesBefore = 0;
    pc.AnswerNextBox(IDOK, [&] {
        boxesBefore = pc.boxes.size();
        RunProgram(pc, [](SimulatedPc&, plat::Hwnd) { ADD_FAILURE() << "a second dialog ran"; });
        foregroundDuringBox = pc.foreground;
    });
    running.MessageBox("No Network Adapter found!", "ERROR", MB_ICONERROR);

    ASSERT_NE(foregroundDuringBox, 0u);
    EXPECT_NE(foregroundDuringBox, hwnd);
    EXPECT_EQ(pc.FindWindow(foregroundDuringBox)->owner, hwnd);
    EXPECT_EQ(pc.boxes.size(), boxesBefore);
}

TEST(Program, ASecondStartBringsTheRunningDialogForwardPastABoxWithoutOwner) {
    SimulatedPc pc;
    CModemDlg running;
    const plat::Hwnd hwnd = pc.Create(running, IDD_KELVANE_DIALOG);

    plat::Hwnd foregroundDuringBox = 0;
    pc.AnswerNextBox(IDOK, [&] {
        RunProgram(pc, [](SimulatedPc&, plat::Hwnd) {});
        foregroundDuringBox = pc.foreground;
    });
    plat::ui().MessageBox(0, "advice", "ERROR", MB_ICONERROR);

    EXPECT_EQ(foregroundDuringBox, hwnd);
}

}  // namespace
