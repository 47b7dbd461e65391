// STUB: to be written.
#include "app/ModemDlg.h"
std::string CModemDlg::LookupTcpClassKey(std::string) { return ""; }
