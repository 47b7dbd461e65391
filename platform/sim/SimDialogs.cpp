// Modal dialogs and the dialog manager's default handling.
#include "platform/sim/SimUi.h"

namespace sim {
namespace {
plat::Wparam CancelCommand() { return MAKEWPARAM(IDCANCEL, BN_CLICKED); }
}  // namespace

plat::Lresult SimUi::RunModalDialog(int templateId, Hwnd owner, plat::WindowSink* sink) {
    const Hwnd hwnd = impl().OpenDialog(templateId, owner, sink);
    if (!hwnd) return -1;
    auto responder = impl().responders.find(templateId);
    if (responder != impl().responders.end() && !pc_.FindWindow(hwnd)->ended) {
        const SimulatedPc::Responder respond = responder->second;  // it may register others
        respond(pc_, hwnd);
    }
    Window& window = *pc_.FindWindow(hwnd);
    // The user leaves a dialog that is still open with Escape.
    if (!window.ended && !window.destroyed) SendMessage(hwnd, WM_COMMAND, CancelCommand(), 0);
    impl().ReleaseOwner(window);
    if (!window.ended) {
        // Real Windows would wait here for ever.
        impl().Log("dialog-stuck " + std::to_string(templateId));
        return -1;
    }
    return window.endResult;
}

void SimUi::EndDialog(Hwnd hwnd, plat::Lresult result) {
    Window* window = Live(hwnd);
    if (!window) return;
    window->ended = true;
    window->endResult = result;
    window->visible = false;  // hidden without WM_SHOWWINDOW, as the dialog manager does
    impl().Log("end-dialog " + std::to_string(window->templateId) + " " + std::to_string(result));
    impl().ReleaseOwner(*window);
}

plat::Lresult SimUi::CallDefault(Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) {
    Window* window = Live(hwnd);
    if (!window) return 0;
    switch (msg) {
    case WM_SYSCOMMAND:
        switch (wp & 0xFFF0) {
        case SC_MINIMIZE:
            window->iconic = true;
            break;
        case SC_RESTORE:
            window->iconic = false;
            break;
        case SC_CLOSE:
            SendMessage(hwnd, WM_CLOSE, 0, 0);
            break;
        default:
            break;
        }
        return 0;
    case WM_CLOSE:
        // A dialog closes as if Cancel had been pressed.
        SendMessage(hwnd, WM_COMMAND, CancelCommand(), 0);
        return 0;
    case WM_SETICON: {
        plat::Hicon& slot = wp == ICON_BIG ? window->bigIcon : window->smallIcon;
        const plat::Hicon previous = slot;
        slot = static_cast<plat::Hicon>(lp);
        return static_cast<plat::Lresult>(previous);
    }
    default:
        return 0;
    }
}

Hwnd SimulatedPc::Create(plat::WindowSink& sink, int templateId, Hwnd owner) {
    return impl->OpenDialog(templateId, owner, &sink);
}

}  // namespace sim
