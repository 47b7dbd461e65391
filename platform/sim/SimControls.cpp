// Controls, the system menu, the program's resources and painting.
#include <cstring>

#include "platform/sim/SimUi.h"

namespace sim {
namespace {
constexpr unsigned kStmGetIcon = 0x0171, kLbAddString = 0x0180, kLbResetContent = 0x0184,
                   kLbGetTextLen = 0x018A;
constexpr int kIconSize = 32;
}  // namespace

Control* SimUi::ControlOf(Hwnd hwnd) {
    auto found = impl().controls.find(hwnd);
    if (found == impl().controls.end()) return nullptr;
    Window* dialog = Live(found->second.first);
    return dialog ? &dialog->controls[found->second.second] : nullptr;
}

Hwnd SimUi::GetDlgItem(Hwnd dialog, int id) {
    Window* window = Live(dialog);
    if (!window) return 0;
    auto found = window->controls.find(id);
    return found == window->controls.end() ? 0 : found->second.hwnd;
}

plat::Lresult SimUi::SendMessage(Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) {
    if (Control* control = ControlOf(hwnd)) return ControlMessage(*control, msg, wp, lp);
    Window* window = Live(hwnd);
    if (!window) return 0;
    if (window->sink) return window->sink->WindowProc(msg, wp, lp);
    return CallDefault(hwnd, msg, wp, lp);
}

plat::Lresult SimUi::ControlMessage(Control& control, unsigned msg, plat::Wparam wp,
                                    plat::Lparam lp) {
    auto& items = control.items;
    const int count = static_cast<int>(items.size());
    const int index = static_cast<int>(static_cast<std::intptr_t>(wp));
    switch (msg) {
    case STM_SETICON: {
        const plat::Hicon previous = control.icon;
        control.icon = static_cast<plat::Hicon>(wp);
        control.iconHistory.push_back(control.icon);
        return static_cast<plat::Lresult>(previous);
    }
    case kStmGetIcon:
        return static_cast<plat::Lresult>(control.icon);
    case LB_INSERTSTRING:
    case kLbAddString: {
        const int at = msg == kLbAddString || index == -1 ? count : index;
        if (at < 0 || at > count) return LB_ERR;
        const char* text = reinterpret_cast<const char*>(lp);
        items.insert(items.begin() + at, text ? text : "");
        if (control.curSel >= at) ++control.curSel;
        return at;
    }
    case kLbResetContent:
        items.clear();
        control.curSel = -1;
        return 0;
    case LB_SETCURSEL:
        if (index < 0 || index >= count) {
            if (index == -1) control.curSel = -1;
            return LB_ERR;
        }
        control.curSel = index;
        return index;
    case LB_GETCURSEL:
        return control.curSel >= 0 ? control.curSel : LB_ERR;
    case LB_GETCOUNT:
        return count;
    case LB_GETTEXT:
        if (index < 0 || index >= count || lp == 0) return LB_ERR;
        std::memcpy(reinterpret_cast<char*>(lp), items[index].c_str(), items[index].size() + 1);
        return static_cast<plat::Lresult>(items[index].size());
    case kLbGetTextLen:
        if (index < 0 || index >= count) return LB_ERR;
        return static_cast<plat::Lresult>(items[index].size());
    default:
        return 0;
    }
}

plat::Hmenu SimUi::GetSystemMenu(Hwnd hwnd, bool revert) {
    Window* window = Live(hwnd);
    if (!window || window->noSystemMenu) return 0;
    if (revert) {
        window->systemMenuAdded.clear();
        window->systemMenuItems.clear();
        return 0;
    }
    for (const auto& menu : impl().menus) {
        if (menu.second == hwnd) return menu.first;
    }
    const plat::Hmenu menu = impl().NewHandle();
    impl().menus[menu] = hwnd;
    return menu;
}

bool SimUi::AppendMenu(plat::Hmenu menu, unsigned flags, std::uintptr_t id, const char* text) {
    auto found = impl().menus.find(menu);
    if (found == impl().menus.end()) return false;
    Window* window = Live(found->second);
    if (!window) return false;
    const std::string label = text && !(flags & MF_SEPARATOR) ? text : "";
    window->systemMenuAdded.emplace_back(flags, label);
    window->systemMenuItems.push_back({flags, id, label});
    return true;
}

plat::Hicon SimUi::LoadIcon(int resourceId) {
    if (!pc_.iconIds.count(resourceId)) return 0;
    plat::Hicon& icon = impl().iconHandles[resourceId];
    if (!icon) icon = impl().NewHandle();
    return icon;
}

std::string SimUi::LoadString(int resourceId) {
    auto found = pc_.strings.find(resourceId);
    return found == pc_.strings.end() ? std::string() : found->second;
}

plat::Hdc SimUi::BeginPaint(Hwnd hwnd) { return Live(hwnd) ? impl().NewHandle() : 0; }

void SimUi::EndPaint(Hwnd, plat::Hdc) {}

plat::Rect SimUi::GetClientRect(Hwnd hwnd) { return Live(hwnd) ? pc_.clientRect : plat::Rect{}; }

int SimUi::GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? kIconSize : 0;
}

bool SimUi::DrawIcon(plat::Hdc dc, int x, int y, plat::Hicon icon) {
    if (!dc || !icon) return false;
    pc_.iconDraws.push_back({dc, x, y, icon});
    return true;
}

}  // namespace sim
