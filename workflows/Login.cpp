// "Login": renew the lease, and unless the modem then serves the PC, find the
// card that leads to it and repair what stands in the way; end on the modem's
// start page, a restart prompt, or a box that says what to check.
#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "contracts/Tools.h"
#include "netdiag/Checks.h"
#include "runner/ToolPath.h"
#include "workflows/Texts.h"

namespace {

// Boxes without owner: the user may still reach the dialog behind them.
void ShowFailureBox() { plat::ui().MessageBox(0, kFailureText, kErrorCaption, MB_ICONERROR); }
void ShowAdviceBox() { plat::ui().MessageBox(0, kAdviceText, kErrorCaption, MB_ICONERROR); }

}  // namespace

void CModemDlg::RenewLease(int family) {
    const contracts::ToolStep* release = nullptr;
    const contracts::ToolStep* renew = nullptr;
    if (family == kFamily9x) {
        release = &contracts::kRelease9x;
        renew = &contracts::kRenew9x;
    } else if (family == kFamilyNt) {
        release = &contracts::kReleaseNt;
        renew = &contracts::kRenewNt;
    } else {
        return;
    }
    char path[MAX_PATH];
    BuildToolPath(family, contracts::kIpconfigExe, path);
    RunCommand(release->label, path, release->commandLine, release->waitSeconds, SW_HIDE);
    RunCommand(renew->label, path, renew->commandLine, renew->waitSeconds, SW_HIDE);
}

void CModemDlg::OnLogin() {
    // A click that arrives while a workflow shows a box without owner would
    // rewrite WorkFile under the running check and could end the dialog under it.
    if (m_workflowRunning) return;
    m_workflowRunning = true;
    RunLogin();
    m_workflowRunning = false;
    plat::kernel().RemoveFile(contracts::WorkFile);
}

void CModemDlg::RunLogin() {
    LoadStatusImages();
    const int family = GetPlatformFamily();
    SetProxyBypass();

    for (int pass = 1;; ++pass) {
        RenewLease(family);

        const int modem = CheckModemDns(family, " ");
        if (modem == kCheckYes) {
            OpenModemPage(contracts::kStartPage);  // hides the dialog; the tray icon stays
            return;
        }
        if (modem == kCheckFailed) {
            ShowFailureBox();
            OnOK();
            return;
        }

        const std::string key = FindNetworkCard(family);
        if (key == kNoAdapterKey) {
            MessageBox(kNoAdapterText, kErrorCaption, MB_ICONERROR);
            return;
        }

        const int dns = CheckAutoDns(family, key);
        if (dns == kCheckFailed) {
            ShowFailureBox();
            OnOK();
            return;
        }
        if (dns == kCheckYes) {
            // DNS is automatic and still the modem does not serve the PC.
            const int address = CheckDynamicAddress(family, key);
            if (address == kCheckYes) {
                ShowAdviceBox();
                OnOK();
                return;
            }
            if (address == kCheckFailed || SetDynamicAddress(family, key) == kCheckFailed) {
                ShowFailureBox();
                OnOK();
                return;
            }
            PromptRestart();
            return;
        }

        // DNS was fixed by hand and has been switched where it could be.
        if (family == kFamily9x) {
            int address = CheckDynamicAddress(kFamily9x, key);
            if (address == kCheckNo) address = SetDynamicAddress(kFamily9x, key);
            if (address == kCheckFailed) {
                ShowFailureBox();
                return;
            }
            PromptRestart();
            return;
        }
        if (family != kFamilyNt) return;

        const int address = CheckDynamicAddress(kFamilyNt, key);
        if (address == kCheckFailed ||
            (address == kCheckNo && SetDynamicAddress(kFamilyNt, key) == kCheckFailed)) {
            ShowFailureBox();
            return;
        }
        if (pass == kMaxNtPasses) {
            ShowFailureBox();
            return;
        }
        // A fresh pass: the renewed lease should now make the modem the DNS server.
    }
}
