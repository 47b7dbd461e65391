// Process entry: the Win32 platform goes in first, then the common controls
// (the manifest selects version 6 of them, whose dialogs need them
// registered), then the application object takes over.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/Win32Platform.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    InstallWin32Platform(instance);

    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    return RunApplication();
}
