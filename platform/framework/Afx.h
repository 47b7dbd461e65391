// A small application framework in place of the one the program was designed
// for: an application object, windows, modal dialogs, two controls and data
// exchange. Portable: it reaches the system only through plat::Ui and friends.
#pragma once

#include <string>

#include "platform/Defs.h"
#include "platform/Platform.h"

class CWnd;
class CDialog;

// The application object. Exactly one exists; it registers itself on
// construction and is found again with AfxGetApp().
class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The framework's standard command handler for ID_HELP; there is no help file.
    virtual void OnHelp();
    // Routes a command sent to the application; true when it was handled.
    virtual bool OnCmdMsg(UINT id);

    void Enable3dControlsStatic();

    CWnd* m_pMainWnd = nullptr;
    const char* m_pszAppName = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();
// The application's name: the constructor's name, else string AFX_IDS_APP_TITLE,
// else the executable's file name without its extension.
std::string AfxGetAppName();
void AfxEnableControlContainer();

constexpr UINT ID_HELP = 57670;
constexpr UINT AFX_IDS_APP_TITLE = 0xE000;

class CWnd : public plat::WindowSink {
public:
    CWnd() = default;
    ~CWnd() override = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    plat::Hwnd m_hWnd = 0;
    plat::Hwnd GetSafeHwnd() const { return m_hWnd; }

    void AttachHandle(plat::Hwnd hwnd) override { m_hWnd = hwnd; }
    // Routes a message to the handler below that takes it, else to DefWindowProc.
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    virtual BOOL DestroyWindow();

    // A box owned by this window; without a caption it shows the application name.
    int MessageBox(const char* text, const char* caption = nullptr, UINT type = MB_OK);
    BOOL ShowWindow(int cmd);
    BOOL IsIconic();
    LRESULT SendMessage(UINT msg, WPARAM wp = 0, LPARAM lp = 0);
    plat::Hmenu GetSystemMenu(BOOL revert);
    plat::Hicon SetIcon(plat::Hicon icon, BOOL big);
    plat::Rect GetClientRect();

protected:
    // Default processing of the message in hand (DefWindowProc with its arguments).
    LRESULT Default();

    // Handlers. Each default passes the message on with Default().
    virtual BOOL OnCommand(WPARAM wp, LPARAM lp);  // FALSE when not handled
    virtual void OnSysCommand(UINT id, LPARAM lp);
    virtual void OnPaint();
    virtual plat::Hicon OnQueryDragIcon();
    virtual void OnShowWindow(BOOL show, UINT status);

private:
    struct Message {
        UINT msg;
        WPARAM wp;
        LPARAM lp;
    };
    const Message* m_current = nullptr;
};

// Data exchange between a dialog and its members.
class CDataExchange {
public:
    CDataExchange(CWnd* dlg, BOOL save) : m_pDlgWnd(dlg), m_bSaveAndValidate(save) {}
    CWnd* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
};

// Binds a control of the dialog to a member object, once.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);

    // Runs the dialog modally; afterwards calls DestroyWindow() (virtual).
    virtual LRESULT DoModal();
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    void EndDialog(int result);
    BOOL UpdateData(BOOL save = TRUE);
    UINT TemplateId() const { return m_templateId; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    BOOL OnCommand(WPARAM wp, LPARAM lp) override;

    UINT m_templateId;
    CWnd* m_pParentWnd;
};

class CStatic : public CWnd {
public:
    plat::Hicon SetIcon(plat::Hicon icon);  // STM_SETICON
};

class CListBox : public CWnd {
public:
    int InsertString(int index, const char* text);  // LB_INSERTSTRING
    int SetCurSel(int index);                        // LB_SETCURSEL
    int GetCurSel();                                 // LB_GETCURSEL; LB_ERR when none
};
