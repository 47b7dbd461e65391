// The Win32 implementations of the platform seam, one class per interface.
// Internal to platform/win32: the rest of the program sees only plat::Platform.
#pragma once

#include <windows.h>

// The seam's operations carry the plain Windows names; windows.h would turn
// these into its A/W macros. This layer calls the ANSI functions by their
// explicit names instead.
#undef AppendMenu
#undef CreateFile
#undef CreateProcess
#undef GetStartupInfo
#undef GetSystemDirectory
#undef GetVersionEx
#undef GetWindowsDirectory
#undef LoadIcon
#undef LoadString
#undef MessageBox
#undef SendMessage

#include <map>
#include <string>

#include "platform/Platform.h"

namespace win32 {

inline HWND ToHwnd(plat::Hwnd h) { return reinterpret_cast<HWND>(h); }
inline plat::Hwnd FromHwnd(HWND h) { return reinterpret_cast<plat::Hwnd>(h); }
inline HANDLE ToHandle(plat::Handle h) { return reinterpret_cast<HANDLE>(h); }
inline plat::Handle FromHandle(HANDLE h) { return reinterpret_cast<plat::Handle>(h); }

class Ui final : public plat::Ui {
public:
    explicit Ui(HINSTANCE instance) : m_instance(instance) {}

    plat::Lresult RunModalDialog(int templateId, plat::Hwnd owner, plat::WindowSink* sink) override;
    void EndDialog(plat::Hwnd hwnd, plat::Lresult result) override;
    bool DestroyWindow(plat::Hwnd hwnd) override;
    plat::Lresult CallDefault(plat::Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) override;

    plat::Hwnd FindWindowByTitle(const char* title) override;
    plat::Hwnd GetLastActivePopup(plat::Hwnd hwnd) override;
    bool ShowWindow(plat::Hwnd hwnd, int cmd) override;
    bool SetForegroundWindow(plat::Hwnd hwnd) override;
    bool IsIconic(plat::Hwnd hwnd) override;
    plat::Hwnd GetDlgItem(plat::Hwnd dialog, int id) override;
    plat::Lresult SendMessage(plat::Hwnd hwnd, unsigned msg, plat::Wparam wp, plat::Lparam lp) override;

    plat::Hmenu GetSystemMenu(plat::Hwnd hwnd, bool revert) override;
    bool AppendMenu(plat::Hmenu menu, unsigned flags, std::uintptr_t id, const char* text) override;
    plat::Hicon LoadIcon(int resourceId) override;
    std::string LoadString(int resourceId) override;

    plat::Hdc BeginPaint(plat::Hwnd hwnd) override;
    void EndPaint(plat::Hwnd hwnd, plat::Hdc dc) override;
    plat::Rect GetClientRect(plat::Hwnd hwnd) override;
    int GetSystemMetrics(int index) override;
    bool DrawIcon(plat::Hdc dc, int x, int y, plat::Hicon icon) override;

    int MessageBox(plat::Hwnd owner, const char* text, const char* caption, unsigned style) override;

private:
    HINSTANCE m_instance;
    // EndPaint needs the PAINTSTRUCT that BeginPaint filled; the seam passes
    // only the device context, so the structures wait here.
    std::map<HDC, PAINTSTRUCT> m_paints;
};

class Shell final : public plat::Shell {
public:
    bool NotifyIcon(unsigned message, const plat::NotifyIconData& data) override;
    std::intptr_t Execute(plat::Hwnd hwnd, const char* verb, const char* file, const char* params,
                          const char* dir, int show) override;
};

class Kernel final : public plat::Kernel {
public:
    bool GetVersionEx(plat::OsVersionInfo& info) override;
    unsigned GetWindowsDirectory(char* buffer, unsigned size) override;
    unsigned GetSystemDirectory(char* buffer, unsigned size) override;

    plat::Handle CreateFile(const char* path, std::uint32_t access, std::uint32_t share,
                            const plat::SecurityAttributes* sa, std::uint32_t creation,
                            std::uint32_t attributes) override;
    void GetStartupInfo(plat::StartupInfo& info) override;
    plat::Handle GetStdHandle(std::uint32_t which) override;
    bool CreateProcess(const char* application, char* commandLine, bool inheritHandles,
                       std::uint32_t creationFlags, const plat::StartupInfo& startup,
                       plat::ProcessInformation& info) override;
    std::uint32_t WaitForSingleObject(plat::Handle handle, std::uint32_t milliseconds) override;
    bool TerminateProcess(plat::Handle process, std::uint32_t exitCode) override;
    bool CloseHandle(plat::Handle handle) override;
    void Sleep(std::uint32_t milliseconds) override;
    std::uint32_t GetTickCount() override;

    int RemoveFile(const char* path) override;
    plat::TextStream* OpenText(const char* path) override;
    void CloseText(plat::TextStream* stream) override;

    bool EnableShutdownPrivilege() override;
    bool ExitWindowsEx(unsigned flags, unsigned reason) override;

    std::string ModuleBaseName() override;
};

class Registry final : public plat::Registry {
public:
    long OpenKey(plat::Hkey root, const char* subKey, plat::Hkey* result) override;
    long OpenKeyEx(plat::Hkey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                   plat::Hkey* result) override;
    long EnumKey(plat::Hkey key, std::uint32_t index, char* name, std::uint32_t size) override;
    long QueryValueEx(plat::Hkey key, const char* name, std::uint32_t* type, unsigned char* data,
                      std::uint32_t* size) override;
    long CreateKeyEx(plat::Hkey root, const char* subKey, std::uint32_t options, std::uint32_t access,
                     plat::Hkey* result, std::uint32_t* disposition) override;
    long SetValueEx(plat::Hkey key, const char* name, std::uint32_t type, const unsigned char* data,
                    std::uint32_t size) override;
    long CloseKey(plat::Hkey key) override;
};

}  // namespace win32
