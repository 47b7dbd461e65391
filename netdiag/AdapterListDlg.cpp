// The list from which the user picks the card connected to the modem when a
// discovery found several. A list position is a slot of AdapterTable.
#include "app/ModemDlg.h"
#include "netdiag/Checks.h"

CAdapterListDlg::CAdapterListDlg() : CDialog(IDD) {}

void CAdapterListDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_ADAPTER_LIST, m_list);
}

BOOL CAdapterListDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // Inserting at explicit positions keeps the table's order although the
    // list box sorts what is added to it.
    for (int slot = 0; slot <= AdapterTable.lastIndex && slot < AdapterTableData::kSlots; ++slot)
        m_list.InsertString(slot, AdapterTable.descriptions[slot]);
    m_list.SetCurSel(0);
    return TRUE;
}

void CAdapterListDlg::OnOK() {
    const int position = m_list.GetCurSel();
    if (position == LB_ERR) {
        MessageBox(kNoAdapterSelected, kErrorCaption, MB_ICONERROR);
    } else if (position >= 0 && position < AdapterTableData::kSlots) {
        AdapterTable.selectedIndex = position;
    }
    CDialog::OnOK();
}
