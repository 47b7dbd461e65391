// KERNEL32: version query, directories, files and processes for the console
// tool runs, and the program's own name.
#include "platform/win32/Win32Layer.h"

#include <cstring>

namespace win32 {

bool Kernel::GetVersionEx(plat::OsVersionInfo& info) {
    // Room for the extended layout too: Windows reads the caller's size field
    // and fails on anything but the two layouts it knows.
    OSVERSIONINFOEXA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = info.dwOSVersionInfoSize;
    if (version.dwOSVersionInfoSize > sizeof version) return false;
    if (!GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&version))) return false;
    info.dwMajorVersion = version.dwMajorVersion;
    info.dwMinorVersion = version.dwMinorVersion;
    info.dwBuildNumber = version.dwBuildNumber;
    info.dwPlatformId = version.dwPlatformId;
    static_assert(sizeof info.szCSDVersion == sizeof version.szCSDVersion, "service pack text");
    std::memcpy(info.szCSDVersion, version.szCSDVersion, sizeof info.szCSDVersion);
    return true;
}

unsigned Kernel::GetWindowsDirectory(char* buffer, unsigned size) {
    return GetWindowsDirectoryA(buffer, size);
}

unsigned Kernel::GetSystemDirectory(char* buffer, unsigned size) {
    return GetSystemDirectoryA(buffer, size);
}

plat::Handle Kernel::CreateFile(const char* path, std::uint32_t access, std::uint32_t share,
                                const plat::SecurityAttributes* sa, std::uint32_t creation,
                                std::uint32_t attributes) {
    SECURITY_ATTRIBUTES security{};
    if (sa) {
        security.nLength = sizeof security;
        security.lpSecurityDescriptor = const_cast<void*>(sa->lpSecurityDescriptor);
        security.bInheritHandle = sa->bInheritHandle ? TRUE : FALSE;
    }
    return FromHandle(
        CreateFileA(path, access, share, sa ? &security : nullptr, creation, attributes, nullptr));
}

void Kernel::GetStartupInfo(plat::StartupInfo& info) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    info.dwFlags = startup.dwFlags;
    info.wShowWindow = startup.wShowWindow;
    info.hStdInput = FromHandle(startup.hStdInput);
    info.hStdOutput = FromHandle(startup.hStdOutput);
    info.hStdError = FromHandle(startup.hStdError);
}

plat::Handle Kernel::GetStdHandle(std::uint32_t which) { return FromHandle(::GetStdHandle(which)); }

bool Kernel::CreateProcess(const char* application, char* commandLine, bool inheritHandles,
                           std::uint32_t creationFlags, const plat::StartupInfo& startup,
                           plat::ProcessInformation& info) {
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = startup.dwFlags;
    start.wShowWindow = startup.wShowWindow;
    start.hStdInput = ToHandle(startup.hStdInput);
    start.hStdOutput = ToHandle(startup.hStdOutput);
    start.hStdError = ToHandle(startup.hStdError);
    PROCESS_INFORMATION process{};
    const BOOL ok = CreateProcessA(application, commandLine, nullptr, nullptr,
                                   inheritHandles ? TRUE : FALSE, creationFlags, nullptr, nullptr,
                                   &start, &process);
    info.hProcess = FromHandle(process.hProcess);
    info.hThread = FromHandle(process.hThread);
    info.dwProcessId = process.dwProcessId;
    info.dwThreadId = process.dwThreadId;
    return ok != FALSE;
}

std::uint32_t Kernel::WaitForSingleObject(plat::Handle handle, std::uint32_t milliseconds) {
    return ::WaitForSingleObject(ToHandle(handle), milliseconds);
}

bool Kernel::TerminateProcess(plat::Handle process, std::uint32_t exitCode) {
    return ::TerminateProcess(ToHandle(process), exitCode) != FALSE;
}

bool Kernel::CloseHandle(plat::Handle handle) { return ::CloseHandle(ToHandle(handle)) != FALSE; }

void Kernel::Sleep(std::uint32_t milliseconds) { ::Sleep(milliseconds); }

std::uint32_t Kernel::GetTickCount() { return ::GetTickCount(); }

std::string Kernel::ModuleBaseName() {
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length < MAX_PATH ? length : MAX_PATH);
    const std::size_t slash = name.find_last_of("\\/:");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace win32
