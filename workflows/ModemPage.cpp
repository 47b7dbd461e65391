// STUB: to be written.
#include "app/ModemDlg.h"
void CModemDlg::OnLogout() {}
void CModemDlg::OpenModemPage(const char*) {}
void CModemDlg::PromptRestart() {}
