// The main dialog: the program's only main window. Its window side lives in
// app/; its checks and repairs in netdiag/, the tool runner in runner/ and the
// button workflows in workflows/ (all member operations of this class).
#pragma once

#include <string>

#include "platform/framework/Afx.h"
#include "res/resource.h"

// Windows platform families as the checks choose by them.
enum PlatformFamily : int {
    kFamilyUnknown = 0,  // the version query failed
    kFamily9x = 1,       // Windows 95/98/Me: registry route
    kFamilyNt = 2,       // NT family: console tool route
    kFamilyWin32s = 3,
};

// Check results.
constexpr int kCheckNo = 0;
constexpr int kCheckYes = 1;
constexpr int kCheckFailed = 2;

// The main window handle: recorded at every show or hide of the dialog.
extern plat::Hwnd g_hMainWnd;
// The notification record, refilled by every UpdateTrayIcon.
extern plat::NotifyIconData g_trayRecord;

class CModemDlg : public CDialog {
public:
    explicit CModemDlg(CWnd* parent = nullptr);
    enum { IDD = IDD_KELVANE_DIALOG };

    // Status images, loaded by the workflows; the toggle says which busy image
    // the runner shows next and carries over between runs.
    plat::Hicon m_hBusyA = 0;
    plat::Hicon m_hBusyB = 0;
    plat::Hicon m_hIdle = 0;
    int m_imageToggle = 1;
    CStatic m_statusPicture;
    plat::Hicon m_hIcon = 0;

    // Window side (app/).
    BOOL DestroyWindow() override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnInitDialog() override;
    void UpdateTrayIcon(plat::Hwnd hwnd, BOOL add, const char* tip);

    // Tool runner (runner/).
    int GetPlatformFamily();
    bool RunCommand(std::string label, const char* programPath, const char* commandLine,
                    int waitValue, int showState);

    // Checks and repairs (netdiag/).
    void WriteRegistryValue(plat::Hkey root, const char* subKey, const char* valueName,
                            const unsigned char* data, DWORD type, DWORD size);
    void SetProxyBypass();
    int CheckModemDns(int family, std::string text);
    std::string FindNetworkCard(int family);
    std::string LookupTcpClassKey(std::string key);
    int CheckDynamicAddress(int family, std::string key);
    int SetDynamicAddress(int family, std::string key);
    int CheckAutoDns(int family, std::string key);

    // Workflows (workflows/).
    void OnLogin();
    void OnLogout();
    void OnBridgeSwitch();
    void RenewLease(int family);
    void OpenModemPage(const char* path);
    void PromptRestart();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wp, LPARAM lp) override;
    void OnSysCommand(UINT id, LPARAM lp) override;
    void OnPaint() override;
    plat::Hicon OnQueryDragIcon() override;
    void OnShowWindow(BOOL show, UINT status) override;

private:
    void LoadStatusImages();
    // The button workflows proper; OnLogin and OnBridgeSwitch guard them.
    void RunLogin();
    void RunBridgeSwitch();
    // Set while a Login or "click here" workflow runs: a click that arrives
    // meanwhile (possible while a box without owner is shown) is ignored.
    bool m_workflowRunning = false;
};

class CAboutDlg : public CDialog {
public:
    CAboutDlg();
    enum { IDD = IDD_ABOUTBOX };
};
