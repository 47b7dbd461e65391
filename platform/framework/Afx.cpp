#include "platform/framework/Afx.h"

namespace {
CWinApp* g_app = nullptr;
}

plat::Platform& plat::Current() {
    static Platform current;
    return current;
}

void plat::SetCurrent(const Platform& platform) { Current() = platform; }

// --- application -----------------------------------------------------------

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }
int CWinApp::ExitInstance() { return 0; }
void CWinApp::OnHelp() {}

bool CWinApp::OnCmdMsg(UINT id) {
    if (id == ID_HELP) {
        OnHelp();
        return true;
    }
    return false;
}

void CWinApp::Enable3dControlsStatic() {}  // controls look three-dimensional by themselves

CWinApp* AfxGetApp() { return g_app; }
CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }
void AfxEnableControlContainer() {}  // no dialog of ours hosts an ActiveX control

std::string AfxGetAppName() {
    if (g_app && g_app->m_pszAppName) return g_app->m_pszAppName;
    std::string title = plat::ui().LoadString(static_cast<int>(AFX_IDS_APP_TITLE));
    if (!title.empty()) return title;
    return plat::kernel().ModuleBaseName();
}

// --- windows ---------------------------------------------------------------

LRESULT CWnd::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    const Message message{msg, wp, lp};
    const Message* outer = m_current;
    m_current = &message;
    LRESULT result = 0;
    switch (msg) {
    case WM_COMMAND:
        if (!OnCommand(wp, lp)) result = DefWindowProc(msg, wp, lp);
        break;
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wp), lp);
        break;
    case WM_PAINT:
        OnPaint();
        break;
    case WM_QUERYDRAGICON:
        result = static_cast<LRESULT>(OnQueryDragIcon());
        break;
    case WM_SHOWWINDOW:
        OnShowWindow(wp != 0, static_cast<UINT>(lp));
        break;
    default:
        result = DefWindowProc(msg, wp, lp);
        break;
    }
    m_current = outer;
    return result;
}

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_hWnd) return 0;
    return plat::ui().CallDefault(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::Default() {
    if (!m_current) return 0;
    return DefWindowProc(m_current->msg, m_current->wp, m_current->lp);
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    const bool ok = plat::ui().DestroyWindow(m_hWnd);
    m_hWnd = 0;
    return ok ? TRUE : FALSE;
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    const std::string name = caption ? std::string(caption) : AfxGetAppName();
    return plat::ui().MessageBox(m_hWnd, text, name.c_str(), type);
}

BOOL CWnd::ShowWindow(int cmd) { return plat::ui().ShowWindow(m_hWnd, cmd) ? TRUE : FALSE; }
BOOL CWnd::IsIconic() { return plat::ui().IsIconic(m_hWnd) ? TRUE : FALSE; }

LRESULT CWnd::SendMessage(UINT msg, WPARAM wp, LPARAM lp) {
    return plat::ui().SendMessage(m_hWnd, msg, wp, lp);
}

plat::Hmenu CWnd::GetSystemMenu(BOOL revert) { return plat::ui().GetSystemMenu(m_hWnd, revert != 0); }

plat::Hicon CWnd::SetIcon(plat::Hicon icon, BOOL big) {
    return static_cast<plat::Hicon>(
        SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, static_cast<LPARAM>(icon)));
}

plat::Rect CWnd::GetClientRect() { return plat::ui().GetClientRect(m_hWnd); }

BOOL CWnd::OnCommand(WPARAM, LPARAM) { return FALSE; }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnPaint() { Default(); }
plat::Hicon CWnd::OnQueryDragIcon() { return static_cast<plat::Hicon>(Default()); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.m_hWnd == 0) control.m_hWnd = plat::ui().GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id);
}

// --- dialogs ---------------------------------------------------------------

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

LRESULT CDialog::DoModal() {
    // Without a parent the application's main window owns the dialog, unless
    // this dialog is that window itself.
    plat::Hwnd owner = 0;
    if (m_pParentWnd) {
        owner = m_pParentWnd->m_hWnd;
    } else if (CWnd* main = AfxGetMainWnd(); main && main != this) {
        owner = main->m_hWnd;
    }
    const LRESULT result = plat::ui().RunModalDialog(static_cast<int>(m_templateId), owner, this);
    DestroyWindow();
    return result;
}

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) return OnInitDialog();
    return CWnd::WindowProc(msg, wp, lp);
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int result) { plat::ui().EndDialog(m_hWnd, result); }

BOOL CDialog::UpdateData(BOOL save) {
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnCommand(WPARAM wp, LPARAM) {
    if (HIWORD(wp) != BN_CLICKED) return FALSE;
    switch (LOWORD(wp)) {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

// --- controls --------------------------------------------------------------

plat::Hicon CStatic::SetIcon(plat::Hicon icon) {
    return static_cast<plat::Hicon>(SendMessage(STM_SETICON, static_cast<WPARAM>(icon), 0));
}

int CListBox::InsertString(int index, const char* text) {
    return static_cast<int>(
        SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text)));
}

int CListBox::SetCurSel(int index) {
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(index), 0));
}

int CListBox::GetCurSel() { return static_cast<int>(SendMessage(LB_GETCURSEL, 0, 0)); }
