// STUB: to be written.
#include "app/ModemDlg.h"
void CModemDlg::WriteRegistryValue(plat::Hkey, const char*, const char*, const unsigned char*, DWORD, DWORD) {}
void CModemDlg::SetProxyBypass() {}
