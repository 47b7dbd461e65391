// STUB: to be written.
#include "app/ModemDlg.h"
void CModemDlg::OnLogin() {}
void CModemDlg::RenewLease(int) {}
