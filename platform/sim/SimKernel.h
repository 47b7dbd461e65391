// The kernel side of the simulated PC. Its calls are spread over SimKernel.cpp
// (version, directories, reboot), SimFiles.cpp (files and streams) and
// SimProcesses.cpp (tools on the virtual clock).
#pragma once

#include "platform/sim/SimInternals.h"

namespace sim {

class SimKernel : public plat::Kernel {
public:
    explicit SimKernel(SimulatedPc& pc) : pc_(pc) {}

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

private:
    // Not kept as a reference: the kernel is made while the state is.
    SimulatedPc::Impl& impl() { return *pc_.impl; }
    SimulatedPc& pc_;
};

}  // namespace sim
