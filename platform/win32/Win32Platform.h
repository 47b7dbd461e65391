// Installs the real Windows calls behind the platform seam. Kept free of
// windows.h so that WinMain's caller side needs nothing but this.
#pragma once

// instance: the program's module (WinMain's HINSTANCE); its resources are the
// dialogs, icons and strings the program loads.
void InstallWin32Platform(void* instance);

// Runs the application object the way the framework's start-up code does:
// InitInstance, then ExitInstance. Returns the process exit code.
int RunApplication();
