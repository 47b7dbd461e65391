// "click here": after the user's confirmation, make sure the PC reaches the
// modem and open its bridge-mode page. Every path after the warning ends the
// program, as the warning says.
#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "netdiag/Checks.h"
#include "workflows/Texts.h"

namespace {

void ShowThreePointAdvice() {
    plat::ui().MessageBox(0, kAdviceThreePointText, kErrorCaption, MB_ICONERROR);
}

}  // namespace

void CModemDlg::OnBridgeSwitch() {
    if (m_workflowRunning) return;  // see OnLogin
    m_workflowRunning = true;
    RunBridgeSwitch();
    m_workflowRunning = false;
    plat::kernel().RemoveFile(contracts::WorkFile);
}

void CModemDlg::RunBridgeSwitch() {
    if (plat::ui().MessageBox(0, kBridgeWarningText, kWarningCaption, MB_ICONWARNING | MB_YESNO) !=
        IDYES)
        return;

    LoadStatusImages();
    const int family = GetPlatformFamily();
    SetProxyBypass();

    // A PC the modem already serves goes straight to the page; an unreadable
    // WorkFile counts the same, since the page is what the user asked for.
    if (CheckModemDns(family, " ") != kCheckNo) {
        OpenModemPage(contracts::kBridgePage);
        OnOK();
        return;
    }

    for (int pass = 1;; ++pass) {
        RenewLease(family);
        if (CheckModemDns(family, " ") != kCheckNo) {
            OpenModemPage(contracts::kBridgePage);
            OnOK();
            return;
        }

        const std::string key = FindNetworkCard(family);
        if (key == kNoAdapterKey) {
            MessageBox(kNoAdapterText, kErrorCaption, MB_ICONERROR);
            OnOK();
            return;
        }

        const int dns = CheckAutoDns(family, key);
        const int address = CheckDynamicAddress(family, key);
        if (dns != kCheckNo && address != kCheckNo) {
            ShowThreePointAdvice();
            OnOK();
            return;
        }
        if (address == kCheckNo) SetDynamicAddress(family, key);

        if (family == kFamily9x) {
            PromptRestart();
            OnOK();
            return;
        }
        if (family != kFamilyNt) {
            OnOK();
            return;
        }
        if (pass == kMaxNtPasses) {  // the repairs did not take effect
            ShowThreePointAdvice();
            OnOK();
            return;
        }
    }
}
