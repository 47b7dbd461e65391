// Modal dialogs the way the framework runs them: the window is created
// modeless from its template, subclassed so that every message after
// WM_INITDIALOG reaches the sink first, and driven by our own message loop.
// Running the loop ourselves (rather than DialogBoxParam) lets the sink's
// default processing fall through to the dialog manager and lets the caller
// destroy the window after the loop, as the framework's DoModal does.
#include "platform/win32/Win32Layer.h"

namespace win32 {
namespace {

// One per dialog window. Held by the window from WM_INITDIALOG until
// WM_NCDESTROY and by RunModalDialog while its loop runs; whoever lets go
// last frees it.
struct DialogState {
    plat::WindowSink* sink = nullptr;
    WNDPROC dialogManagerProc = nullptr;
    HWND disabledOwner = nullptr;  // re-enabled when the dialog ends
    bool ended = false;
    LONG_PTR result = -1;
    bool loopHolds = true;
    bool windowHolds = false;
};

DialogState* StateOf(HWND hwnd) {
    return reinterpret_cast<DialogState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void ReleaseFromWindow(HWND hwnd, DialogState* state) {
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state->dialogManagerProc));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    state->windowHolds = false;
    if (!state->loopHolds) delete state;
}

void EnableOwnerAgain(DialogState* state) {
    if (state->disabledOwner) {
        EnableWindow(state->disabledOwner, TRUE);
        state->disabledOwner = nullptr;
    }
}

// The window procedure once the dialog is subclassed: the sink sees the
// message first and decides whether the dialog manager gets it (CallDefault).
LRESULT CALLBACK SinkWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DialogState* state = StateOf(hwnd);
    if (!state) return DefWindowProcA(hwnd, msg, wp, lp);
    const LRESULT result = state->sink->WindowProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) ReleaseFromWindow(hwnd, state);
    return result;
}

// The dialog procedure the dialog manager calls. Before WM_INITDIALOG there is
// no sink yet; afterwards every message has already been through the sink, so
// the dialog manager is left to its default processing.
INT_PTR CALLBACK ModalDialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_INITDIALOG) return FALSE;
    auto* state = reinterpret_cast<DialogState*>(lp);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->windowHolds = true;
    state->sink->AttachHandle(FromHwnd(hwnd));
    state->dialogManagerProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SinkWindowProc)));
    return state->sink->WindowProc(WM_INITDIALOG, wp, lp) != 0 ? TRUE : FALSE;
}

}  // namespace

plat::Lresult Ui::RunModalDialog(int templateId, plat::Hwnd owner, plat::WindowSink* sink) {
    auto* state = new DialogState;
    state->sink = sink;

    HWND ownerWindow = ToHwnd(owner);
    const HWND hwnd = CreateDialogParamA(m_instance, MAKEINTRESOURCEA(templateId), ownerWindow,
                                         &ModalDialogProc, reinterpret_cast<LPARAM>(state));
    if (!hwnd) {
        state->loopHolds = false;
        if (!state->windowHolds) delete state;
        return -1;
    }

    // The owner stays disabled while the dialog runs, so that it takes no input.
    if (ownerWindow && IsWindowEnabled(ownerWindow)) {
        EnableWindow(ownerWindow, FALSE);
        state->disabledOwner = ownerWindow;
    }
    // A template without WS_VISIBLE is shown now, unless the dialog already
    // ended while it was being initialised.
    if (!state->ended && !IsWindowVisible(hwnd)) ::ShowWindow(hwnd, SW_SHOWNORMAL);

    while (!state->ended && state->windowHolds) {
        MSG msg;
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            // Somebody asked the program to quit: end this loop and let the
            // loops outside see the request too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) break;
        if (!IsDialogMessageA(hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }

    EnableOwnerAgain(state);
    const LONG_PTR result = state->ended ? state->result : -1;
    state->loopHolds = false;
    if (!state->windowHolds) delete state;
    return result;
}

void Ui::EndDialog(plat::Hwnd hwnd, plat::Lresult result) {
    const HWND window = ToHwnd(hwnd);
    DialogState* state = IsWindow(window) ? StateOf(window) : nullptr;
    if (!state) return;
    state->ended = true;
    state->result = result;
    // The owner comes back first, so that hiding the dialog hands the
    // activation to it rather than to another program's window.
    EnableOwnerAgain(state);
    const HWND owner = GetWindow(window, GW_OWNER);
    if (owner && GetActiveWindow() == window) SetActiveWindow(owner);
    // Hidden without WM_SHOWWINDOW, as the dialog manager ends its dialogs.
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    // The loop may be waiting in GetMessage.
    PostMessageA(window, WM_NULL, 0, 0);
}

bool Ui::DestroyWindow(plat::Hwnd hwnd) { return ::DestroyWindow(ToHwnd(hwnd)) != FALSE; }

plat::Lresult Ui::CallDefault(plat::Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) {
    const HWND window = ToHwnd(hwnd);
    DialogState* state = StateOf(window);
    if (!state || !state->dialogManagerProc) return DefWindowProcA(window, msg, wp, lp);
    return CallWindowProcA(state->dialogManagerProc, window, msg, wp, lp);
}

}  // namespace win32
