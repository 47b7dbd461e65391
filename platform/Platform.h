// The seam between Kelvane's portable logic and the operating system.
//
// Everything the program asks of Windows goes through these interfaces. Two
// implementations exist: platform/win32 (the real calls; the only code that
// includes windows.h) and platform/sim (a simulated Windows PC for the native
// tests). Values cross the seam as the Windows API defines them (message
// numbers, flags, error codes), so the Win32 side passes them straight through.
// This header names no Windows macro; platform/Defs.h has those for portable code.
#pragma once

#include <cstdint>
#include <string>

namespace plat {

using Handle = std::uintptr_t;  // kernel object: file, process, thread
using Hwnd = std::uintptr_t;    // window; 0 is "none"
using Hicon = std::uintptr_t;
using Hmenu = std::uintptr_t;
using Hdc = std::uintptr_t;
using Hkey = std::uintptr_t;    // registry key, including the predefined roots
using Wparam = std::uintptr_t;
using Lparam = std::intptr_t;
using Lresult = std::intptr_t;

constexpr Handle kInvalidHandle = static_cast<Handle>(-1);

// ---------------------------------------------------------------------------
// Window side.

// Receives the messages of one window the platform created for a dialog.
class WindowSink {
public:
    virtual ~WindowSink() = default;
    // Called once, before any message, with the new window's handle.
    virtual void AttachHandle(Hwnd hwnd) = 0;
    virtual Lresult WindowProc(unsigned msg, Wparam wp, Lparam lp) = 0;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The notification record in its first layout (88 bytes on Windows).
struct NotifyIconData {
    std::uint32_t cbSize = 0;
    Hwnd hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Hicon hIcon = 0;
    char szTip[64] = {};
};

class Ui {
public:
    virtual ~Ui() = default;

    // Dialogs. RunModalDialog creates the dialog from its template, disables the
    // owner, sends WM_INITDIALOG and pumps messages until EndDialog is called for
    // it; it returns the EndDialog result (-1 when the window cannot be created).
    // The window still exists afterwards: the caller destroys it.
    virtual Lresult RunModalDialog(int templateId, Hwnd owner, WindowSink* sink) = 0;
    virtual void EndDialog(Hwnd hwnd, Lresult result) = 0;
    virtual bool DestroyWindow(Hwnd hwnd) = 0;
    // The window's own default handling of a message (the dialog manager's).
    virtual Lresult CallDefault(Hwnd hwnd, unsigned msg, Wparam wp, Lparam lp) = 0;

    virtual Hwnd FindWindowByTitle(const char* title) = 0;  // FindWindowA(NULL, title)
    virtual Hwnd GetLastActivePopup(Hwnd hwnd) = 0;
    virtual bool ShowWindow(Hwnd hwnd, int cmd) = 0;
    virtual bool SetForegroundWindow(Hwnd hwnd) = 0;
    virtual bool IsIconic(Hwnd hwnd) = 0;
    virtual Hwnd GetDlgItem(Hwnd dialog, int id) = 0;
    virtual Lresult SendMessage(Hwnd hwnd, unsigned msg, Wparam wp, Lparam lp) = 0;

    virtual Hmenu GetSystemMenu(Hwnd hwnd, bool revert) = 0;
    virtual bool AppendMenu(Hmenu menu, unsigned flags, std::uintptr_t id, const char* text) = 0;
    virtual Hicon LoadIcon(int resourceId) = 0;  // from the program's own module
    // LoadString from the program's module; empty when the string is missing.
    virtual std::string LoadString(int resourceId) = 0;

    virtual Hdc BeginPaint(Hwnd hwnd) = 0;
    virtual void EndPaint(Hwnd hwnd, Hdc dc) = 0;
    virtual Rect GetClientRect(Hwnd hwnd) = 0;
    virtual int GetSystemMetrics(int index) = 0;
    virtual bool DrawIcon(Hdc dc, int x, int y, Hicon icon) = 0;

    // MessageBoxA; owner 0 raises a box without owner.
    virtual int MessageBox(Hwnd owner, const char* text, const char* caption, unsigned style) = 0;
};

class Shell {
public:
    virtual ~Shell() = default;
    virtual bool NotifyIcon(unsigned message, const NotifyIconData& data) = 0;  // Shell_NotifyIconA
    // ShellExecuteA; the result as the shell gives it (greater than 32 is success).
    virtual std::intptr_t Execute(Hwnd hwnd, const char* verb, const char* file,
                                  const char* params, const char* dir, int show) = 0;
};

// ---------------------------------------------------------------------------
// Kernel side.

// OSVERSIONINFOA: 148 bytes.
struct OsVersionInfo {
    std::uint32_t dwOSVersionInfoSize = 0;
    std::uint32_t dwMajorVersion = 0;
    std::uint32_t dwMinorVersion = 0;
    std::uint32_t dwBuildNumber = 0;
    std::uint32_t dwPlatformId = 0;
    char szCSDVersion[128] = {};
};

struct SecurityAttributes {
    std::uint32_t nLength = 0;
    const void* lpSecurityDescriptor = nullptr;
    bool bInheritHandle = false;
};

struct StartupInfo {
    std::uint32_t dwFlags = 0;
    std::uint16_t wShowWindow = 0;
    Handle hStdInput = 0;
    Handle hStdOutput = 0;
    Handle hStdError = 0;
};

struct ProcessInformation {
    Handle hProcess = 0;
    Handle hThread = 0;
    std::uint32_t dwProcessId = 0;
    std::uint32_t dwThreadId = 0;
};

// A C runtime stream opened for reading in text mode (fopen "r").
class TextStream {
public:
    virtual ~TextStream() = default;
    virtual int Seek(long offset, int origin) = 0;  // fseek
    virtual char* Gets(char* buffer, int count) = 0;  // fgets
    virtual bool Eof() = 0;                          // feof
};

class Kernel {
public:
    virtual ~Kernel() = default;

    virtual bool GetVersionEx(OsVersionInfo& info) = 0;
    // GetWindowsDirectoryA / GetSystemDirectoryA: characters copied, 0 on failure.
    virtual unsigned GetWindowsDirectory(char* buffer, unsigned size) = 0;
    virtual unsigned GetSystemDirectory(char* buffer, unsigned size) = 0;

    virtual Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t share,
                              const SecurityAttributes* sa, std::uint32_t creation,
                              std::uint32_t attributes) = 0;
    virtual void GetStartupInfo(StartupInfo& info) = 0;
    virtual Handle GetStdHandle(std::uint32_t which) = 0;
    virtual bool CreateProcess(const char* application, char* commandLine, bool inheritHandles,
                               std::uint32_t creationFlags, const StartupInfo& startup,
                               ProcessInformation& info) = 0;
    virtual std::uint32_t WaitForSingleObject(Handle handle, std::uint32_t milliseconds) = 0;
    virtual bool TerminateProcess(Handle process, std::uint32_t exitCode) = 0;
    virtual bool CloseHandle(Handle handle) = 0;
    virtual void Sleep(std::uint32_t milliseconds) = 0;
    virtual std::uint32_t GetTickCount() = 0;

    // The C runtime's file calls, on the platform's file system.
    virtual int RemoveFile(const char* path) = 0;  // remove()
    virtual TextStream* OpenText(const char* path) = 0;  // fopen(path, "r"); null on failure
    virtual void CloseText(TextStream* stream) = 0;      // fclose

    // Reboot support.
    virtual bool EnableShutdownPrivilege() = 0;  // true where the privilege is held afterwards
    virtual bool ExitWindowsEx(unsigned flags, unsigned reason) = 0;

    // The program's file name without directory and extension ("Kelvane").
    virtual std::string ModuleBaseName() = 0;
};

class Registry {
public:
    virtual ~Registry() = default;
    // Each returns a Windows error code: 0 (ERROR_SUCCESS) on success.
    virtual long OpenKey(Hkey root, const char* subKey, Hkey* result) = 0;  // RegOpenKeyA
    virtual long OpenKeyEx(Hkey root, const char* subKey, std::uint32_t options,
                           std::uint32_t access, Hkey* result) = 0;  // RegOpenKeyExA
    virtual long EnumKey(Hkey key, std::uint32_t index, char* name, std::uint32_t size) = 0;
    virtual long QueryValueEx(Hkey key, const char* name, std::uint32_t* type,
                              unsigned char* data, std::uint32_t* size) = 0;
    virtual long CreateKeyEx(Hkey root, const char* subKey, std::uint32_t options,
                             std::uint32_t access, Hkey* result, std::uint32_t* disposition) = 0;
    virtual long SetValueEx(Hkey key, const char* name, std::uint32_t type,
                            const unsigned char* data, std::uint32_t size) = 0;
    virtual long CloseKey(Hkey key) = 0;
};

// The platform the program runs on: set once at start (Win32 in Kelvane.exe,
// the simulated PC in the native tests).
struct Platform {
    Ui* ui = nullptr;
    Shell* shell = nullptr;
    Kernel* kernel = nullptr;
    Registry* registry = nullptr;
};

Platform& Current();
void SetCurrent(const Platform& platform);

inline Ui& ui() { return *Current().ui; }
inline Shell& shell() { return *Current().shell; }
inline Kernel& kernel() { return *Current().kernel; }
inline Registry& registry() { return *Current().registry; }

}  // namespace plat
