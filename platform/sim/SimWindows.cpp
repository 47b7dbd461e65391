// Windows of the simulated PC: creation, showing, finding and destruction.
#include "platform/sim/SimUi.h"
#include "res/resource.h"

namespace sim {
namespace {
constexpr int kSwShowMinimized = 2, kSwMinimize = 6, kSwShowMinNoActive = 7;
}

Window* SimUi::Live(Hwnd hwnd) {
    Window* window = pc_.FindWindow(hwnd);
    return window && !window->destroyed ? window : nullptr;
}

Hwnd SimulatedPc::Impl::OpenDialog(int templateId, Hwnd owner, plat::WindowSink* sink) {
    const Template* t = FindTemplate(templateId);
    if (!t) return 0;
    const Hwnd hwnd = NewHandle();
    Window& window = windows[hwnd];
    window.hwnd = hwnd;
    window.templateId = templateId;
    window.title = t->title;
    window.owner = owner;
    window.sink = sink;
    for (int id : t->controls) {
        Control& control = window.controls[id];
        control.id = id;
        control.hwnd = NewHandle();
        controls[control.hwnd] = {hwnd, id};
    }
    if (window.controls.count(IDC_STATUS_PICTURE))
        window.controls[IDC_STATUS_PICTURE].icon = ui->LoadIcon(IDI_IDLE);
    // A modal dialog takes the input away from its owner while it runs.
    if (Window* ownerWindow = pc.FindWindow(owner);
        ownerWindow && !ownerWindow->destroyed && ownerWindow->enabled) {
        ownerWindow->enabled = false;
        window.disabledOwner = true;
    }
    if (sink) {
        sink->AttachHandle(hwnd);
        sink->WindowProc(WM_INITDIALOG, 0, 0);
    }
    if (!window.ended && !window.destroyed) ShowWindow(hwnd, SW_SHOWNORMAL);
    Log("dialog " + std::to_string(templateId));
    return hwnd;
}

void SimulatedPc::Impl::ReleaseOwner(Window& window) {
    if (!window.disabledOwner) return;
    window.disabledOwner = false;
    if (Window* owner = pc.FindWindow(window.owner)) owner->enabled = true;
}

bool SimulatedPc::Impl::ShowWindow(Hwnd hwnd, int cmd) {
    Window* window = pc.FindWindow(hwnd);
    if (!window || window->destroyed) return false;
    const bool wasVisible = window->visible;
    const bool show = cmd != SW_HIDE;
    Log("show " + std::to_string(window->templateId) + " " + std::to_string(cmd));
    if (cmd == SW_SHOWNORMAL || cmd == SW_RESTORE) window->iconic = false;
    if (cmd == kSwShowMinimized || cmd == kSwMinimize || cmd == kSwShowMinNoActive) window->iconic = true;
    // The window hears of it before it changes, and only when it changes.
    if (show != wasVisible && window->sink) window->sink->WindowProc(WM_SHOWWINDOW, show ? 1 : 0, 0);
    window->visible = show;
    return wasVisible;
}

bool SimUi::ShowWindow(Hwnd hwnd, int cmd) { return impl().ShowWindow(hwnd, cmd); }

Hwnd SimUi::FindWindowByTitle(const char* title) {
    if (!title) return 0;
    const std::string wanted = Upper(title);
    for (auto it = impl().windows.rbegin(); it != impl().windows.rend(); ++it) {
        if (!it->second.destroyed && Upper(it->second.title) == wanted) return it->first;
    }
    return 0;
}

Hwnd SimUi::GetLastActivePopup(Hwnd hwnd) {
    if (!Live(hwnd)) return hwnd;
    // The newest shown window it owns, followed down to the one in front.
    for (auto it = impl().windows.rbegin(); it != impl().windows.rend(); ++it) {
        const Window& w = it->second;
        if (w.owner == hwnd && w.hwnd != hwnd && !w.destroyed && w.visible) return GetLastActivePopup(w.hwnd);
    }
    return hwnd;
}

bool SimUi::SetForegroundWindow(Hwnd hwnd) {
    if (!Live(hwnd)) return false;
    pc_.foreground = hwnd;
    return true;
}

bool SimUi::IsIconic(Hwnd hwnd) {
    const Window* window = Live(hwnd);
    return window && window->iconic;
}

bool SimUi::DestroyWindow(Hwnd hwnd) {
    Window* window = Live(hwnd);
    if (!window) return false;
    // Owned windows go first, as Windows does it.
    for (auto& entry : impl().windows) {
        if (entry.second.owner == hwnd && !entry.second.destroyed) DestroyWindow(entry.first);
    }
    if (window->sink) window->sink->WindowProc(WM_DESTROY, 0, 0);
    window->destroyed = true;
    window->visible = false;
    window->sink = nullptr;  // the object behind it may go now
    impl().ReleaseOwner(*window);
    return true;
}

// --- the test's view ------------------------------------------------------------

Window* SimulatedPc::FindWindow(Hwnd hwnd) {
    auto found = impl->windows.find(hwnd);
    return found == impl->windows.end() ? nullptr : &found->second;
}

Window* SimulatedPc::WindowOfTemplate(int templateId) {
    for (auto it = impl->windows.rbegin(); it != impl->windows.rend(); ++it) {
        if (it->second.templateId == templateId && !it->second.messageBox) return &it->second;
    }
    return nullptr;
}

std::unique_ptr<plat::Ui> MakeUi(SimulatedPc& pc) { return std::make_unique<SimUi>(pc); }

Hwnd SimulatedPc::AddForeignWindow(const std::string& title, bool visible) {
    const Hwnd hwnd = impl->NewHandle();
    Window& window = impl->windows[hwnd];
    window.hwnd = hwnd;
    window.title = title;
    window.visible = visible;
    return hwnd;
}

}  // namespace sim
