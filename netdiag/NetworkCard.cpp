// STUB: to be written.
#include "app/ModemDlg.h"
#include "netdiag/Checks.h"
AdapterTableData AdapterTable;
std::string CModemDlg::FindNetworkCard(int) { return "ERROR"; }
