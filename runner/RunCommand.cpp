// STUB: to be written.
#include "app/ModemDlg.h"
bool CModemDlg::RunCommand(std::string, const char*, const char*, int, int) { return false; }
