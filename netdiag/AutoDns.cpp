// STUB: to be written.
#include "app/ModemDlg.h"
int CModemDlg::CheckAutoDns(int, std::string) { return 0; }
