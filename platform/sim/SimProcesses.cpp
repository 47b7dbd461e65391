// Console tools on the virtual clock: a start runs the tool's script at once
// and fixes when the process ends; waits and pauses move the clock.
#include "platform/sim/SimKernel.h"

namespace sim {
namespace {

constexpr std::uint32_t kInfinite = 0xFFFFFFFFu;

}  // namespace

bool SimKernel::CreateProcess(const char* application, char* commandLine, bool inheritHandles,
                              std::uint32_t, const plat::StartupInfo& startup,
                              plat::ProcessInformation& info) {
    if (!application) return false;
    auto tool = impl().tools.find(FileKey(application));
    if (tool == impl().tools.end()) return false;
    const std::string command = commandLine ? commandLine : "";
    const ToolResult result = tool->second(command);
    if (result.cannotStart) return false;

    ToolRun run;
    run.application = application;
    run.commandLine = command;
    run.startupFlags = startup.dwFlags;
    run.showWindow = startup.wShowWindow;
    run.inheritHandles = inheritHandles;
    const KernelHandle* out = impl().FindHandle(startup.hStdOutput);
    run.stdoutToFile = out && out->kind == HandleKind::File;
    if (run.stdoutToFile) run.stdoutPath = out->file->path;
    run.stderrToStdoutFile = run.stdoutToFile && startup.hStdError == startup.hStdOutput;
    run.startMs = pc_.now;
    run.endMs = result.hang ? 0 : pc_.now + result.durationMs;
    impl().Log("run " + run.application + " | " + command);

    // The child gets a standard handle only through inheritance.
    auto inherited = [&](plat::Handle handle) {
        const KernelHandle* h = impl().FindHandle(handle);
        return (startup.dwFlags & STARTF_USESTDHANDLES) && inheritHandles && h &&
               h->kind == HandleKind::File && h->inheritable;
    };
    Process process{result.hang, false, {}};
    if (inherited(startup.hStdOutput)) {
        impl().WriteToHandle(startup.hStdOutput, result.out);
        process.inherited.push_back(*impl().FindHandle(startup.hStdOutput));
    }
    if (inherited(startup.hStdError)) {
        impl().WriteToHandle(startup.hStdError, result.err);
        if (startup.hStdError != startup.hStdOutput)
            process.inherited.push_back(*impl().FindHandle(startup.hStdError));
    }

    const std::size_t index = pc_.runs.size();
    pc_.runs.push_back(run);
    impl().processes[index] = process;

    KernelHandle processHandle;
    processHandle.kind = HandleKind::Process;
    processHandle.run = index;
    KernelHandle threadHandle = processHandle;
    threadHandle.kind = HandleKind::Thread;
    info.hProcess = impl().NewHandle();
    info.hThread = impl().NewHandle();
    impl().handles[info.hProcess] = processHandle;
    impl().handles[info.hThread] = threadHandle;
    info.dwProcessId = static_cast<std::uint32_t>(0x400 + 4 * index);
    info.dwThreadId = info.dwProcessId + 2;
    return true;
}

std::uint32_t SimKernel::WaitForSingleObject(plat::Handle handle, std::uint32_t milliseconds) {
    if (pc_.waitFailures > 0) {
        --pc_.waitFailures;
        return WAIT_FAILED;
    }
    const KernelHandle* h = impl().FindHandle(handle);
    if (!h) return WAIT_FAILED;
    if (h->kind == HandleKind::File) return WAIT_OBJECT_0;

    ToolRun& run = pc_.runs[h->run];
    Process& process = impl().processes[h->run];
    const bool ended = run.terminated || (!process.hang && run.endMs <= pc_.now);
    if (!ended) {
        // A hung tool under an endless wait would stop the test: it times out
        // without time passing instead.
        if (process.hang) {
            if (milliseconds != kInfinite) pc_.now += milliseconds;
            return WAIT_TIMEOUT;
        }
        if (milliseconds != kInfinite &&
            run.endMs > static_cast<std::uint64_t>(pc_.now) + milliseconds) {
            pc_.now += milliseconds;
            return WAIT_TIMEOUT;
        }
        pc_.now = run.endMs;
    }
    if (!run.terminated && !process.endLogged) {
        process.endLogged = true;
        impl().Log("end " + run.commandLine);
    }
    return WAIT_OBJECT_0;
}

bool SimKernel::TerminateProcess(plat::Handle handle, std::uint32_t) {
    const KernelHandle* h = impl().FindHandle(handle);
    if (!h || h->kind != HandleKind::Process) return false;
    ToolRun& run = pc_.runs[h->run];
    const Process& process = impl().processes[h->run];
    if (run.terminated || (!process.hang && run.endMs <= pc_.now)) return false;
    run.terminated = true;
    run.endMs = pc_.now;
    impl().Log("kill " + run.commandLine);
    return true;
}

bool SimKernel::CloseHandle(plat::Handle handle) {
    KernelHandle* h = impl().FindHandle(handle);
    if (!h) return false;
    h->open = false;
    if (h->kind == HandleKind::Process) pc_.runs[h->run].processHandleClosed = true;
    if (h->kind == HandleKind::Thread) pc_.runs[h->run].threadHandleClosed = true;
    return true;
}

void SimKernel::Sleep(std::uint32_t milliseconds) { pc_.now += milliseconds; }

std::uint32_t SimKernel::GetTickCount() { return pc_.now; }

}  // namespace sim
