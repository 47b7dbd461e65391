// STUB: to be written.
#include "app/ModemDlg.h"
int CModemDlg::GetPlatformFamily() { return 0; }
