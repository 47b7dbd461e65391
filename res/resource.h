// Resource ids, shared by Kelvane.rc and the code. Plain #defines: windres reads this too.
#pragma once

#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101
#define IDD_KELVANE_DIALOG      102
#define IDR_MAINFRAME           128
#define IDD_ADAPTER_LIST        131
#define IDI_BUSY_A              134
#define IDI_BUSY_B              135
#define IDI_IDLE                137

#define IDC_LOGIN               1000
#define IDC_LOGOUT              1001
#define IDC_ADAPTER_LIST        1003
#define IDC_BRIDGE_SWITCH       1004
#define IDC_STATUS_PICTURE      1006

// System menu command of the About item.
#define IDM_ABOUTBOX            0x0010
// Callback message of the notification icon (WM_USER + 1).
#define WM_TRAYICON             1025
