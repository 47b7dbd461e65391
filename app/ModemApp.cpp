// The application object: one modal main dialog for the life of the process,
// unless a copy is already running.
#include "app/ModemApp.h"

#include "app/ModemDlg.h"
#include "contracts/Modem.h"

CModemApp theApp;

// No name of our own: boxes raised through the dialog are then captioned with
// the executable's name.
CModemApp::CModemApp() : CWinApp(nullptr) {}

BOOL CModemApp::InitInstance() {
    AfxEnableControlContainer();
    Enable3dControlsStatic();

    // The running copy may sit hidden in the notification area, or show a box
    // owned by its dialog: restore the dialog and bring that box to the front.
    if (const plat::Hwnd running = plat::ui().FindWindowByTitle(contracts::kWindowTitle)) {
        const plat::Hwnd popup = plat::ui().GetLastActivePopup(running);
        plat::ui().ShowWindow(running, SW_RESTORE);
        plat::ui().SetForegroundWindow(popup);
        return FALSE;
    }

    CModemDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop of the application's own; the process ends here.
    return FALSE;
}

bool CModemApp::OnCmdMsg(UINT id) {
    if (id == ID_HELP) {
        CWinApp::OnHelp();
        return true;
    }
    return false;
}
