// STUB: to be written.
#include "app/ModemDlg.h"
#include "netdiag/Checks.h"
CAdapterListDlg::CAdapterListDlg() : CDialog(IDD) {}
BOOL CAdapterListDlg::OnInitDialog() { return CDialog::OnInitDialog(); }
void CAdapterListDlg::OnOK() { CDialog::OnOK(); }
void CAdapterListDlg::DoDataExchange(CDataExchange* pDX) { DDX_Control(pDX, IDC_ADAPTER_LIST, m_list); }
