// Restarting Windows: on the NT family a process may ask for a reboot only
// while it holds the shutdown privilege, which is present but disabled in an
// administrator's token until it is switched on.
#include "platform/win32/Win32Layer.h"

namespace win32 {

bool Kernel::EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return false;  // also where tokens do not exist (Windows 95/98/Me)
    }
    TOKEN_PRIVILEGES privileges{};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    bool held = false;
    if (LookupPrivilegeValueA(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        // AdjustTokenPrivileges succeeds even when it could not grant the
        // privilege; only the last error tells (ERROR_NOT_ALL_ASSIGNED).
        SetLastError(ERROR_SUCCESS);
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
        held = GetLastError() == ERROR_SUCCESS;
    }
    ::CloseHandle(token);
    return held;
}

bool Kernel::ExitWindowsEx(unsigned flags, unsigned reason) {
    return ::ExitWindowsEx(flags, reason) != FALSE;
}

}  // namespace win32
