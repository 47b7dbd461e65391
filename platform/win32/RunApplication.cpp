// The framework's start-up and exit for the one application object. Portable
// code (no windows.h): WinMain reaches the framework only through here.
#include "platform/framework/Afx.h"
#include "platform/win32/Win32Platform.h"

int RunApplication() {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    // The program lives inside InitInstance (its main dialog runs modally
    // there), and InitInstance returns FALSE; there is no message loop of the
    // application's own to enter after it either way.
    app->InitInstance();
    return app->ExitInstance();
}
