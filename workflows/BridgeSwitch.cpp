// STUB: to be written.
#include "app/ModemDlg.h"
void CModemDlg::OnBridgeSwitch() {}
