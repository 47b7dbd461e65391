#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "runner/Texts.h"

namespace {

// SECURITY_ATTRIBUTES as the 32-bit program passes it: the child inherits WorkFile.
constexpr std::uint32_t kSecurityAttributesLength = 12;
constexpr DWORD kPauseMs = 200;  // one animation step
constexpr DWORD kWaitMs = 100;
// A tool still running after this many times its wait value is taken to hang.
constexpr std::uint64_t kDeadlineFactor = 6;
constexpr std::uint32_t kStoppedExitCode = 1;
// After the stop, give the tool a moment to let go of WorkFile before the
// caller reads it.
constexpr DWORD kAfterStopWaitMs = 1000;

std::uint64_t DeadlineSeconds(int waitValue) {
    return kDeadlineFactor * static_cast<std::uint64_t>(std::max(waitValue, 1));
}

}  // namespace

bool CModemDlg::RunCommand(std::string label, const char* programPath, const char* commandLine,
                           int waitValue, int showState) {
    plat::Kernel& kernel = plat::kernel();

    const plat::SecurityAttributes inheritable{kSecurityAttributesLength, nullptr, true};
    const plat::Handle file =
        kernel.CreateFile(contracts::WorkFile, GENERIC_READ | GENERIC_WRITE,
                          FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL);
    if (file == INVALID_HANDLE_VALUE) {
        MessageBox(kInvalidHandleValue);
        return false;
    }

    plat::StartupInfo startup;
    kernel.GetStartupInfo(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = static_cast<std::uint16_t>(showState);
    startup.hStdInput = kernel.GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = file;  // only standard output reaches WorkFile
    startup.hStdError = kernel.GetStdHandle(STD_ERROR_HANDLE);

    // The process start may write into the command line it is given.
    const char* command = commandLine ? commandLine : "";
    std::vector<char> writableCommand(command, command + std::strlen(command) + 1);

    plat::ProcessInformation process;
    if (!kernel.CreateProcess(programPath, writableCommand.data(), true, 0, startup, process)) {
        // Nothing ran: WorkFile stays empty and the caller finds nothing in it.
        m_statusPicture.SetIcon(m_hIdle);
        kernel.CloseHandle(file);
        return false;
    }
    kernel.CloseHandle(process.hThread);  // never used

    const std::uint32_t started = kernel.GetTickCount();
    const std::uint64_t deadlineMs = DeadlineSeconds(waitValue) * 1000;
    std::uint32_t waitResult = WAIT_TIMEOUT;
    bool stopped = false;
    for (;;) {
        if (m_imageToggle == 1) {
            m_statusPicture.SetIcon(m_hBusyA);
            m_imageToggle = 0;
        } else {
            m_statusPicture.SetIcon(m_hBusyB);
            m_imageToggle = 1;
        }
        kernel.Sleep(kPauseMs);
        waitResult = kernel.WaitForSingleObject(process.hProcess, kWaitMs);
        if (waitResult != WAIT_TIMEOUT) break;
        const std::uint32_t elapsed = kernel.GetTickCount() - started;  // wraps safely
        if (elapsed >= deadlineMs) {
            kernel.TerminateProcess(process.hProcess, kStoppedExitCode);
            kernel.WaitForSingleObject(process.hProcess, kAfterStopWaitMs);
            stopped = true;
            break;
        }
    }

    m_statusPicture.SetIcon(m_hIdle);
    kernel.CloseHandle(file);
    kernel.CloseHandle(process.hProcess);

    if (stopped) {
        MessageBox(StepStoppedText(label, DeadlineSeconds(waitValue)).c_str());
        return false;
    }
    if (waitResult == WAIT_FAILED) {
        MessageBox(kWaitFailed);
        return false;
    }
    return true;
}
