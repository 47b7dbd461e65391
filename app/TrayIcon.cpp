// The dialog's life in the notification area: minimising hides it to the
// icon, a double click on the icon brings it back, closing removes the icon.
#include <cstdint>
#include <cstring>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"

plat::Hwnd g_hMainWnd = 0;
plat::NotifyIconData g_trayRecord;

namespace {

// The record's first layout, which every shell accepts.
constexpr std::uint32_t kTrayRecordSize = 88;
constexpr std::uint32_t kTrayIconId = 0;
constexpr UINT kTrayFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

}  // namespace

void CModemDlg::UpdateTrayIcon(plat::Hwnd hwnd, BOOL add, const char* tip) {
    g_trayRecord = plat::NotifyIconData{};
    g_trayRecord.cbSize = kTrayRecordSize;
    g_trayRecord.hWnd = hwnd;
    g_trayRecord.uID = kTrayIconId;
    g_trayRecord.uFlags = kTrayFlags;
    g_trayRecord.uCallbackMessage = WM_TRAYICON;
    g_trayRecord.hIcon = plat::ui().LoadIcon(IDR_MAINFRAME);
    // Bounded: the field holds 63 characters and its terminator.
    std::strncpy(g_trayRecord.szTip, tip, sizeof g_trayRecord.szTip - 1);
    // A refused add (the icon is already there) or a missing notification
    // area changes nothing the dialog relies on.
    plat::shell().NotifyIcon(add ? NIM_ADD : NIM_DELETE, g_trayRecord);
}

void CModemDlg::OnShowWindow(BOOL show, UINT status) {
    CDialog::OnShowWindow(show, status);
    g_hMainWnd = plat::ui().FindWindowByTitle(contracts::kWindowTitle);
    // Asked at every show and hide: an icon the shell lost (a restarted
    // taskbar) comes back; one that is there stays single.
    UpdateTrayIcon(g_hMainWnd, TRUE, contracts::kWindowTitle);
}

LRESULT CModemDlg::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Exact comparisons: a command that only resembles these (other low bits,
    // high bits set) keeps the platform's default handling.
    if (msg == WM_SYSCOMMAND && wp == SC_MINIMIZE) {
        plat::ui().ShowWindow(g_hMainWnd, SW_HIDE);  // no taskbar button: only the icon stays
        return 0;
    }
    if (msg == WM_SYSCOMMAND && wp == SC_CLOSE) {
        UpdateTrayIcon(g_hMainWnd, FALSE, "");
        CDialog::OnOK();
        return 0;
    }
    if (msg == WM_TRAYICON && lp == WM_LBUTTONDBLCLK) {
        plat::ui().ShowWindow(g_hMainWnd, SW_SHOWNORMAL);
        return 0;
    }
    return CDialog::DefWindowProc(msg, wp, lp);
}
