// SHELL32: the notification-area icon and opening a document or address.
#include "platform/win32/Win32Layer.h"

#include <shellapi.h>

#include <cstring>

namespace win32 {

bool Shell::NotifyIcon(unsigned message, const plat::NotifyIconData& data) {
    // The first layout of the record, which every shell understands; the
    // seam's record carries exactly its fields.
    NOTIFYICONDATAA record;
    std::memset(&record, 0, sizeof record);
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = ToHwnd(data.hWnd);
    record.uID = data.uID;
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = reinterpret_cast<HICON>(data.hIcon);
    static_assert(sizeof data.szTip <= sizeof record.szTip, "tip field of the first layout");
    std::memcpy(record.szTip, data.szTip, sizeof data.szTip);
    record.szTip[sizeof data.szTip - 1] = '\0';
    return Shell_NotifyIconA(message, &record) != FALSE;
}

std::intptr_t Shell::Execute(plat::Hwnd hwnd, const char* verb, const char* file, const char* params,
                             const char* dir, int show) {
    const HINSTANCE result = ShellExecuteA(ToHwnd(hwnd), verb, file, params, dir, show);
    return reinterpret_cast<std::intptr_t>(result);
}

}  // namespace win32
