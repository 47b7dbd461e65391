// STUB: to be written.
#include "app/ModemDlg.h"
plat::Hwnd g_hMainWnd = 0;
plat::NotifyIconData g_trayRecord;
CModemDlg::CModemDlg(CWnd* parent) : CDialog(IDD, parent) {}
BOOL CModemDlg::DestroyWindow() { return CDialog::DestroyWindow(); }
LRESULT CModemDlg::DefWindowProc(UINT m, WPARAM w, LPARAM l) { return CDialog::DefWindowProc(m, w, l); }
BOOL CModemDlg::OnInitDialog() { return CDialog::OnInitDialog(); }
void CModemDlg::UpdateTrayIcon(plat::Hwnd, BOOL, const char*) {}
void CModemDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }
BOOL CModemDlg::OnCommand(WPARAM w, LPARAM l) { return CDialog::OnCommand(w, l); }
void CModemDlg::OnSysCommand(UINT id, LPARAM l) { CDialog::OnSysCommand(id, l); }
void CModemDlg::OnPaint() { CDialog::OnPaint(); }
plat::Hicon CModemDlg::OnQueryDragIcon() { return m_hIcon; }
void CModemDlg::OnShowWindow(BOOL s, UINT st) { CDialog::OnShowWindow(s, st); }
void CModemDlg::LoadStatusImages() {}
