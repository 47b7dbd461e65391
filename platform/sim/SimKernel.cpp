#include "platform/sim/SimKernel.h"

#include <cstring>

namespace sim {
namespace {

constexpr std::uint32_t kVersionInfoSize = 148;

// GetWindowsDirectoryA's contract: the characters copied, or the size needed
// (with the NUL) when the buffer is too small.
unsigned CopyDirectory(const std::string& dir, char* buffer, unsigned size) {
    if (!buffer || dir.size() + 1 > size) return static_cast<unsigned>(dir.size() + 1);
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return static_cast<unsigned>(dir.size());
}

}  // namespace

bool SimKernel::GetVersionEx(plat::OsVersionInfo& info) {
    if (pc_.versionQueryFailures > 0) {
        --pc_.versionQueryFailures;
        return false;
    }
    if (info.dwOSVersionInfoSize != kVersionInfoSize) return false;
    info.dwMajorVersion = impl().major;
    info.dwMinorVersion = impl().minor;
    info.dwPlatformId = impl().platformId;
    info.dwBuildNumber = impl().platformId == VER_PLATFORM_WIN32_NT ? 2600 : 2222;
    std::memset(info.szCSDVersion, 0, sizeof info.szCSDVersion);
    return true;
}

unsigned SimKernel::GetWindowsDirectory(char* buffer, unsigned size) {
    return CopyDirectory(pc_.windowsDir, buffer, size);
}

unsigned SimKernel::GetSystemDirectory(char* buffer, unsigned size) {
    return CopyDirectory(pc_.systemDir, buffer, size);
}

void SimKernel::GetStartupInfo(plat::StartupInfo& info) { info = pc_.ownStartupInfo; }

// A program with windows and no console has no standard handles.
plat::Handle SimKernel::GetStdHandle(std::uint32_t) { return 0; }

bool SimKernel::EnableShutdownPrivilege() {
    pc_.privilegeEnabled = pc_.grantShutdownPrivilege;
    impl().Log("privilege");
    return pc_.privilegeEnabled;
}

bool SimKernel::ExitWindowsEx(unsigned flags, unsigned) {
    ++pc_.rebootRequests;
    pc_.rebootFlags = flags;
    if (pc_.refuseReboot) return false;
    if (impl().platformId == VER_PLATFORM_WIN32_NT && !pc_.privilegeEnabled) return false;
    ++pc_.reboots;
    impl().Log("reboot");
    if (impl().onReboot) impl().onReboot();
    return true;
}

std::string SimKernel::ModuleBaseName() { return pc_.moduleName; }

std::unique_ptr<plat::Kernel> MakeKernel(SimulatedPc& pc) { return std::make_unique<SimKernel>(pc); }

}  // namespace sim
