// STUB: to be written.
#include "app/ModemDlg.h"
CAboutDlg::CAboutDlg() : CDialog(IDD) {}
