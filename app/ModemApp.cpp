// STUB: to be written.
#include "app/ModemDlg.h"
#include "app/ModemApp.h"
CModemApp theApp;
CModemApp::CModemApp() {}
BOOL CModemApp::InitInstance() { return FALSE; }
bool CModemApp::OnCmdMsg(UINT id) { return CWinApp::OnCmdMsg(id); }
