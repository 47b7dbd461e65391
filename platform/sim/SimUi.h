// The window side of the simulated PC. Its calls are spread over
// SimWindows.cpp (windows), SimDialogs.cpp (dialogs and default handling),
// SimControls.cpp (controls, menus, resources, painting) and SimBoxes.cpp.
#pragma once

#include "platform/sim/SimInternals.h"

namespace sim {

class SimUi : public plat::Ui {
public:
    explicit SimUi(SimulatedPc& pc) : pc_(pc) {}

    plat::Lresult RunModalDialog(int templateId, Hwnd owner, plat::WindowSink* sink) override;
    void EndDialog(Hwnd hwnd, plat::Lresult result) override;
    bool DestroyWindow(Hwnd hwnd) override;
    plat::Lresult CallDefault(Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) override;

    Hwnd FindWindowByTitle(const char* title) override;
    Hwnd GetLastActivePopup(Hwnd hwnd) override;
    bool ShowWindow(Hwnd hwnd, int cmd) override;
    bool SetForegroundWindow(Hwnd hwnd) override;
    bool IsIconic(Hwnd hwnd) override;
    Hwnd GetDlgItem(Hwnd dialog, int id) override;
    plat::Lresult SendMessage(Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) override;

    plat::Hmenu GetSystemMenu(Hwnd hwnd, bool revert) override;
    bool AppendMenu(plat::Hmenu menu, unsigned flags, std::uintptr_t id, const char* text) override;
    plat::Hicon LoadIcon(int resourceId) override;
    std::string LoadString(int resourceId) override;

    plat::Hdc BeginPaint(Hwnd hwnd) override;
    void EndPaint(Hwnd hwnd, plat::Hdc dc) override;
    plat::Rect GetClientRect(Hwnd hwnd) override;
    int GetSystemMetrics(int index) override;
    bool DrawIcon(plat::Hdc dc, int x, int y, plat::Hicon icon) override;

    int MessageBox(Hwnd owner, const char* text, const char* caption, unsigned style) override;

private:
    SimulatedPc::Impl& impl() { return *pc_.impl; }
    // The window, unless it is unknown or destroyed.
    Window* Live(Hwnd hwnd);
    Control* ControlOf(Hwnd hwnd);
    plat::Lresult ControlMessage(Control& control, unsigned msg, plat::Wparam wp, plat::Lparam lp);

    SimulatedPc& pc_;
};

}  // namespace sim
