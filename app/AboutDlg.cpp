// The About box: its template says everything.
#include "app/ModemDlg.h"

CAboutDlg::CAboutDlg() : CDialog(IDD) {}
