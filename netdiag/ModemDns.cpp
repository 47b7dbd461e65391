// STUB: to be written.
#include "app/ModemDlg.h"
int CModemDlg::CheckModemDns(int, std::string) { return 0; }
