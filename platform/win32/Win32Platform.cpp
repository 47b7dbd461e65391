// Puts the Win32 implementations behind the platform seam for the life of
// the process.
#include "platform/win32/Win32Platform.h"

#include "platform/win32/Win32Layer.h"

void InstallWin32Platform(void* instance) {
    static win32::Ui ui(static_cast<HINSTANCE>(instance));
    static win32::Shell shell;
    static win32::Kernel kernel;
    static win32::Registry registry;
    plat::Platform platform;
    platform.ui = &ui;
    platform.shell = &shell;
    platform.kernel = &kernel;
    platform.registry = &registry;
    plat::SetCurrent(platform);
}
