// What the test does as the user: clicks, system commands, the tray icon, the
// list box. Input reaches only a window the user can see and use.
#include <algorithm>

#include "platform/sim/SimInternals.h"

namespace sim {
namespace {

bool TakesInput(const Window* window) {
    return window && !window->destroyed && !window->ended && window->enabled && window->visible;
}

}  // namespace

plat::Lresult SimulatedPc::Send(Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) {
    return impl->ui->SendMessage(hwnd, msg, wp, lp);
}

void SimulatedPc::Click(Hwnd dialog, int controlId) {
    Window* window = FindWindow(dialog);
    if (!TakesInput(window)) return;
    auto control = window->controls.find(controlId);
    if (control == window->controls.end()) return;
    Send(dialog, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(controlId), BN_CLICKED),
         static_cast<plat::Lparam>(control->second.hwnd));
}

void SimulatedPc::SysCommand(Hwnd hwnd, unsigned command) {
    if (!TakesInput(FindWindow(hwnd))) return;
    Send(hwnd, WM_SYSCOMMAND, command, 0);
}

void SimulatedPc::TrayMouse(Hwnd hwnd, unsigned mouseMessage) {
    // Only an icon in the notification area can be clicked, and it calls back
    // only when it asked to.
    auto icon = std::find_if(impl->trayIcons.begin(), impl->trayIcons.end(),
                             [&](const plat::NotifyIconData& data) { return data.hWnd == hwnd; });
    if (icon == impl->trayIcons.end() || !(icon->uFlags & NIF_MESSAGE)) return;
    const plat::NotifyIconData data = *icon;
    Send(hwnd, data.uCallbackMessage, data.uID, static_cast<plat::Lparam>(mouseMessage));
}

void SimulatedPc::SelectListItem(Hwnd dialog, int controlId, int index) {
    Window* window = FindWindow(dialog);
    if (!window || window->destroyed) return;
    auto control = window->controls.find(controlId);
    if (control == window->controls.end()) return;
    const int count = static_cast<int>(control->second.items.size());
    control->second.curSel = index >= 0 && index < count ? index : -1;
}

}  // namespace sim
