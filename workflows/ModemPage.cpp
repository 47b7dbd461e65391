// Opening the modem's pages, "Logout", and the restart that repairs may need.
#include <cstdint>
#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "workflows/Texts.h"

namespace {

constexpr char kScheme[] = "http://";
constexpr char kOpenVerb[] = "open";
// The shell answers 32 or less when it could not open the address.
constexpr std::intptr_t kShellLastError = 32;
// A browser that is still starting up may refuse the first request.
constexpr std::uint32_t kRetryPauseMs = 1000;

bool OpenInBrowser(const std::string& address) {
    const std::intptr_t result =
        plat::shell().Execute(0, kOpenVerb, address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return result > kShellLastError;
}

}  // namespace

void CModemDlg::OnLogout() {
    if (m_workflowRunning) return;  // no click starts anything inside a running workflow
    OpenModemPage(contracts::kStartPage);
}

void CModemDlg::OpenModemPage(const char* path) {
    const std::string address = std::string(kScheme) + contracts::ModemAddress + path;
    if (!OpenInBrowser(address)) {
        plat::kernel().Sleep(kRetryPauseMs);
        if (!OpenInBrowser(address)) MessageBox(kLaunchFailedText);
    }
    // The program stays in the notification area, whether the page opened or not.
    plat::ui().ShowWindow(g_hMainWnd, SW_HIDE);
}

void CModemDlg::PromptRestart() {
    // Without owner: the dialog stays usable while the question is up.
    const int answer = plat::ui().MessageBox(0, kRestartPromptText, kRestartCaption,
                                             MB_OKCANCEL | MB_ICONQUESTION);
    if (answer != IDOK) return;

    // Windows may end the process before the dialog's own clean-up runs.
    plat::kernel().RemoveFile(contracts::WorkFile);
    // The NT family reboots only for a process that holds the shutdown privilege.
    if (GetPlatformFamily() == kFamilyNt) plat::kernel().EnableShutdownPrivilege();
    if (!plat::kernel().ExitWindowsEx(EWX_REBOOT, 0)) {
        plat::ui().MessageBox(0, kRestartByHandText, kRestartCaption, MB_OK | MB_ICONWARNING);
    }
}
