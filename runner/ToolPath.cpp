#include "runner/ToolPath.h"

#include <cstring>

#include "app/ModemDlg.h"

void BuildToolPath(int family, const char* exeName, char (&path)[MAX_PATH]) {
    path[0] = '\0';
    const unsigned length = family == kFamily9x
                                ? plat::kernel().GetWindowsDirectory(path, MAX_PATH)
                                : plat::kernel().GetSystemDirectory(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        path[0] = '\0';
        return;
    }
    const std::size_t used = std::strlen(path);
    if (used + std::strlen(exeName) >= MAX_PATH) {
        path[0] = '\0';
        return;
    }
    std::strcat(path, exeName);
}
