#include <cstdint>

#include "app/ModemDlg.h"

namespace {

// OSVERSIONINFOA as GetVersionExA expects it.
constexpr std::uint32_t kVersionInfoSize = 148;
static_assert(sizeof(plat::OsVersionInfo) == kVersionInfoSize, "OSVERSIONINFOA layout");

}  // namespace

int CModemDlg::GetPlatformFamily() {
    plat::OsVersionInfo info{};
    info.dwOSVersionInfoSize = kVersionInfoSize;
    if (!plat::kernel().GetVersionEx(info)) {
        // One more try with a freshly set size field before giving up.
        info.dwOSVersionInfoSize = kVersionInfoSize;
        if (!plat::kernel().GetVersionEx(info)) return kFamilyUnknown;
    }
    switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32_WINDOWS:
        return kFamily9x;
    case VER_PLATFORM_WIN32_NT:
        return kFamilyNt;
    case VER_PLATFORM_WIN32s:
        return kFamilyWin32s;
    default:
        // A platform we do not know takes neither route, like a failed query.
        return kFamilyUnknown;
    }
}
