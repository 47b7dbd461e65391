// Network diagnosis and repair: the table of discovered cards, the selection
// dialog, and the scans of tool output that the checks of CModemDlg use.
#pragma once

#include <string>

#include "app/ModemDlg.h"

// The cards found by the latest discovery and the choice made in the list.
struct AdapterTableData {
    static constexpr int kSlots = 10;
    static constexpr int kTextSize = 64;  // 63 characters and the NUL
    int lastIndex = 0;                    // -1: the latest discovery found none
    int selectedIndex = 0;                // written only by the list's OK
    char keys[kSlots][kTextSize] = {};
    char descriptions[kSlots][kTextSize] = {};
};
extern AdapterTableData AdapterTable;

class CAdapterListDlg : public CDialog {
public:
    CAdapterListDlg();
    enum { IDD = IDD_ADAPTER_LIST };
    BOOL OnInitDialog() override;
    void OnOK() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    CListBox m_list;
};

// Texts the checks show.
constexpr char kSetRegistryFail[] = "Set Registry Fail.";
constexpr char kNoAdapterSelected[] = "No Network Adapter selected.";
constexpr char kErrorCaption[] = "ERROR";
constexpr char kNoAdapterKey[] = "ERROR";  // FindNetworkCard's "no usable card"
