// Window, menu, icon, painting and message-box calls of USER32, passed
// through with the seam's integer handles turned back into Windows handles.
#include "platform/win32/Win32Layer.h"

#include <vector>

namespace win32 {

plat::Hwnd Ui::FindWindowByTitle(const char* title) {
    return FromHwnd(FindWindowA(nullptr, title));
}

plat::Hwnd Ui::GetLastActivePopup(plat::Hwnd hwnd) {
    return FromHwnd(::GetLastActivePopup(ToHwnd(hwnd)));
}

bool Ui::ShowWindow(plat::Hwnd hwnd, int cmd) { return ::ShowWindow(ToHwnd(hwnd), cmd) != FALSE; }

bool Ui::SetForegroundWindow(plat::Hwnd hwnd) {
    return ::SetForegroundWindow(ToHwnd(hwnd)) != FALSE;
}

bool Ui::IsIconic(plat::Hwnd hwnd) { return ::IsIconic(ToHwnd(hwnd)) != FALSE; }

plat::Hwnd Ui::GetDlgItem(plat::Hwnd dialog, int id) {
    return FromHwnd(::GetDlgItem(ToHwnd(dialog), id));
}

plat::Lresult Ui::SendMessage(plat::Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) {
    return SendMessageA(ToHwnd(hwnd), msg, wp, lp);
}

plat::Hmenu Ui::GetSystemMenu(plat::Hwnd hwnd, bool revert) {
    return reinterpret_cast<plat::Hmenu>(::GetSystemMenu(ToHwnd(hwnd), revert ? TRUE : FALSE));
}

bool Ui::AppendMenu(plat::Hmenu menu, unsigned flags, std::uintptr_t id, const char* text) {
    return AppendMenuA(reinterpret_cast<HMENU>(menu), flags, id, text) != FALSE;
}

plat::Hicon Ui::LoadIcon(int resourceId) {
    return reinterpret_cast<plat::Hicon>(LoadIconA(m_instance, MAKEINTRESOURCEA(resourceId)));
}

std::string Ui::LoadString(int resourceId) {
    // A string table entry holds at most 4097 characters with its length.
    std::vector<char> buffer(4100, '\0');
    const int length = LoadStringA(m_instance, static_cast<UINT>(resourceId), buffer.data(),
                                   static_cast<int>(buffer.size()));
    return length > 0 ? std::string(buffer.data(), static_cast<std::size_t>(length)) : std::string();
}

plat::Hdc Ui::BeginPaint(plat::Hwnd hwnd) {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(ToHwnd(hwnd), &paint);
    if (dc) m_paints[dc] = paint;
    return reinterpret_cast<plat::Hdc>(dc);
}

void Ui::EndPaint(plat::Hwnd hwnd, plat::Hdc dc) {
    const auto found = m_paints.find(reinterpret_cast<HDC>(dc));
    if (found == m_paints.end()) return;
    ::EndPaint(ToHwnd(hwnd), &found->second);
    m_paints.erase(found);
}

plat::Rect Ui::GetClientRect(plat::Hwnd hwnd) {
    RECT rect{};
    ::GetClientRect(ToHwnd(hwnd), &rect);
    plat::Rect result;
    result.left = rect.left;
    result.top = rect.top;
    result.right = rect.right;
    result.bottom = rect.bottom;
    return result;
}

int Ui::GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }

bool Ui::DrawIcon(plat::Hdc dc, int x, int y, plat::Hicon icon) {
    return ::DrawIcon(reinterpret_cast<HDC>(dc), x, y, reinterpret_cast<HICON>(icon)) != FALSE;
}

int Ui::MessageBox(plat::Hwnd owner, const char* text, const char* caption, unsigned style) {
    return MessageBoxA(ToHwnd(owner), text, caption, style);
}

}  // namespace win32
