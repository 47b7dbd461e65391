// STUB: to be written.
#include "app/ModemDlg.h"
int CModemDlg::CheckDynamicAddress(int, std::string) { return 0; }
int CModemDlg::SetDynamicAddress(int, std::string) { return 1; }
