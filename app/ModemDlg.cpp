// The main dialog's window: icons, system menu, painting while minimised, the
// button routing and the clean-up when its window goes.
#include "app/ModemDlg.h"

#include "contracts/Modem.h"

// Commands of the system menu keep their low four bits for the system's use.
static_assert((IDM_ABOUTBOX & 0xFFF0) == IDM_ABOUTBOX, "About command id must have clear low bits");
static_assert(IDM_ABOUTBOX < 0xF000, "About command id must stay below the system commands");

namespace {

constexpr UINT kSysCommandMask = 0xFFF0;

// A paint context for the one OnPaint that draws by itself.
class PaintContext {
public:
    explicit PaintContext(plat::Hwnd hwnd) : m_hwnd(hwnd), m_dc(plat::ui().BeginPaint(hwnd)) {}
    ~PaintContext() { plat::ui().EndPaint(m_hwnd, m_dc); }
    PaintContext(const PaintContext&) = delete;
    PaintContext& operator=(const PaintContext&) = delete;
    plat::Hdc dc() const { return m_dc; }

private:
    plat::Hwnd m_hwnd;
    plat::Hdc m_dc;
};

}  // namespace

CModemDlg::CModemDlg(CWnd* parent) : CDialog(IDD, parent) {
    // The status images are left to the workflows, which load them on first use.
    m_hIcon = plat::ui().LoadIcon(IDR_MAINFRAME);
}

void CModemDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STATUS_PICTURE, m_statusPicture);
}

BOOL CModemDlg::OnInitDialog() {
    CDialog::OnInitDialog();  // binds the status picture

    if (const plat::Hmenu sysMenu = GetSystemMenu(FALSE)) {
        const std::string aboutText = plat::ui().LoadString(IDS_ABOUTBOX);
        if (!aboutText.empty()) {
            plat::ui().AppendMenu(sysMenu, MF_SEPARATOR, 0, nullptr);
            plat::ui().AppendMenu(sysMenu, MF_STRING, IDM_ABOUTBOX, aboutText.c_str());
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    return TRUE;  // the platform focuses the first tab stop, "Login"
}

void CModemDlg::OnSysCommand(UINT id, LPARAM lp) {
    if ((id & kSysCommandMask) == IDM_ABOUTBOX) {
        CAboutDlg about;
        about.DoModal();
        return;
    }
    // Minimise and close are taken in DefWindowProc, where this ends up.
    CDialog::OnSysCommand(id, lp);
}

void CModemDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    // Only reached when the dialog was minimised by a route that bypasses the
    // minimise command: draw the application icon centred.
    PaintContext paint(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, static_cast<WPARAM>(paint.dc()), 0);
    const int iconWidth = plat::ui().GetSystemMetrics(SM_CXICON);
    const int iconHeight = plat::ui().GetSystemMetrics(SM_CYICON);
    const plat::Rect client = GetClientRect();
    const int x = (client.right - client.left - iconWidth + 1) / 2;
    const int y = (client.bottom - client.top - iconHeight + 1) / 2;
    plat::ui().DrawIcon(paint.dc(), x, y, m_hIcon);
}

plat::Hicon CModemDlg::OnQueryDragIcon() { return m_hIcon; }

BOOL CModemDlg::OnCommand(WPARAM wp, LPARAM lp) {
    if (HIWORD(wp) == BN_CLICKED) {
        switch (LOWORD(wp)) {
        case IDC_LOGIN:
            OnLogin();
            return TRUE;
        case IDC_LOGOUT:
            OnLogout();
            return TRUE;
        case IDC_BRIDGE_SWITCH:
            OnBridgeSwitch();
            return TRUE;
        default:
            break;
        }
    }
    return CDialog::OnCommand(wp, lp);
}

void CModemDlg::LoadStatusImages() {
    m_hBusyA = plat::ui().LoadIcon(IDI_BUSY_A);
    m_hBusyB = plat::ui().LoadIcon(IDI_BUSY_B);
    m_hIdle = plat::ui().LoadIcon(IDI_IDLE);
}

BOOL CModemDlg::DestroyWindow() {
    // However the dialog ended (close command, Escape, a workflow's OnOK),
    // leave neither tool output nor a dead icon behind.
    plat::kernel().RemoveFile(contracts::WorkFile);
    UpdateTrayIcon(g_hMainWnd, FALSE, "");
    return CDialog::DestroyWindow();
}
