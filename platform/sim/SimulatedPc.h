// A simulated Windows PC behind the platform interfaces, for the native tests:
// an in-memory registry and file system, console tools that are scripted or
// modelled (simpc) on a virtual clock, windows and dialogs driven by the test,
// message boxes answered from a script, and a record of everything a user could
// see or the system would keep.
//
// Construct one per test; it installs itself as the current platform and puts
// the previous one back when destroyed.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "simpc/PcModel.h"

namespace sim {

using plat::Hwnd;

// ---------------------------------------------------------------------------
// Records.

struct Box {
    Hwnd owner = 0;  // 0: raised without owner
    std::string text;
    std::string caption;
    unsigned style = 0;
    int answer = 0;
};

struct ToolRun {
    std::string application;  // as passed to the process start
    std::string commandLine;
    unsigned startupFlags = 0;
    unsigned showWindow = 0;
    bool inheritHandles = false;
    bool stdoutToFile = false;      // standard output was a file handle
    std::string stdoutPath;         // ... of this file
    bool stderrToStdoutFile = false;
    std::uint32_t startMs = 0;
    std::uint32_t endMs = 0;        // when it ended (or was terminated)
    bool terminated = false;
    bool threadHandleClosed = false;
    bool processHandleClosed = false;
};

// What a scripted tool does when started with a command line.
struct ToolResult {
    std::string out;                // standard output
    std::string err;                // standard error
    std::uint32_t durationMs = 0;
    bool hang = false;              // never ends by itself
    bool cannotStart = false;       // CreateProcess fails
};
using Tool = std::function<ToolResult(const std::string& commandLine)>;

struct Control {
    Hwnd hwnd = 0;
    int id = 0;
    plat::Hicon icon = 0;
    std::vector<std::string> items;  // list box lines, by position
    int curSel = -1;
    std::vector<plat::Hicon> iconHistory;  // every STM_SETICON image, in order
};

struct MenuItem {
    unsigned flags = 0;
    std::uintptr_t id = 0;
    std::string text;
};

struct Window {
    Hwnd hwnd = 0;
    int templateId = 0;
    std::string title;
    Hwnd owner = 0;
    bool visible = false;
    bool enabled = true;
    bool iconic = false;
    bool destroyed = false;
    bool ended = false;  // EndDialog was called
    long long endResult = 0;
    plat::WindowSink* sink = nullptr;
    std::map<int, Control> controls;
    std::vector<std::pair<unsigned, std::string>> systemMenuAdded;  // flags, text
    plat::Hicon bigIcon = 0, smallIcon = 0;
    std::vector<MenuItem> systemMenuItems;  // the same appends, with their ids
    bool noSystemMenu = false;              // GetSystemMenu gives none
    bool disabledOwner = false;             // creating it disabled its owner
    bool messageBox = false;                // a message box while it is shown
};

// One CreateFile call as the program made it.
struct CreateFileCall {
    std::string path;
    std::uint32_t access = 0;
    std::uint32_t share = 0;
    bool inheritable = false;  // security attributes asked for an inheritable handle
    std::uint32_t creation = 0;
};

struct ShellCall {
    std::string verb, file, params;
    int show = 0;
};

struct IconDraw {
    plat::Hdc dc = 0;
    int x = 0, y = 0;
    plat::Hicon icon = 0;
};

// ---------------------------------------------------------------------------
// The registry: keys and values below the predefined roots; names compare
// without regard to case, as Windows does.

struct RegData {
    std::uint32_t type = 1;  // REG_SZ
    std::vector<unsigned char> bytes;
};

class SimRegistryStore {
public:
    // Paths like "HKLM\\System\\CurrentControlSet\\..." or "HKCU\\Software\\...".
    void SetString(const std::string& path, const std::string& name, const std::string& text,
                   bool withNul = true);
    void SetBytes(const std::string& path, const std::string& name, std::uint32_t type,
                  const std::vector<unsigned char>& bytes);
    void SetDword(const std::string& path, const std::string& name, std::uint32_t value);
    void CreateKey(const std::string& path);
    bool HasKey(const std::string& path) const;
    bool HasValue(const std::string& path, const std::string& name) const;
    // The value's bytes as text (up to the first NUL); empty when absent.
    std::string GetString(const std::string& path, const std::string& name) const;
    const RegData* Get(const std::string& path, const std::string& name) const;
    // Everything, as "PATH\\name" -> data, for before/after comparisons.
    std::map<std::string, RegData> Dump() const;
    // Failures to inject: creating or writing below this path fails.
    std::set<std::string> denyWrite;

    struct Key;
    std::shared_ptr<Key> root;  // internal
    SimRegistryStore();
};

// ---------------------------------------------------------------------------

class SimulatedPc {
public:
    SimulatedPc();
    ~SimulatedPc();
    SimulatedPc(const SimulatedPc&) = delete;
    SimulatedPc& operator=(const SimulatedPc&) = delete;

    // --- the machine ---------------------------------------------------------
    void SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor);
    int versionQueryFailures = 0;  // the next N version queries fail
    std::string windowsDir = "C:\\WINDOWS";
    std::string systemDir = "C:\\WINDOWS\\system32";
    std::string moduleName = "Kelvane";
    std::map<int, std::string> strings;  // the string table; starts with 101

    // Loads a scenario: the model, the version of its family, the Windows
    // 95/98/Me registry tree (family 1) and the modelled ipconfig and netsh in
    // the directory of the family.
    void LoadScenario(const simpc::PcModel& model);
    bool LoadScenarioFile(const std::string& path);  // false when it cannot be read or parsed
    simpc::PcModel model;

    // --- files (paths compare without regard to case) -------------------------
    // Windows' sharing rules hold between open handles and text streams: a file
    // that is open (also through a running tool's inherited handle) cannot be
    // removed, and re-creating it needs read sharing while a stream reads it.
    // A read-only file cannot be written or removed.
    void PutFile(const std::string& path, const std::string& content, bool readOnly = false);
    bool HasFile(const std::string& path) const;
    std::string FileText(const std::string& path) const;
    std::vector<CreateFileCall> createFileCalls;
    // Streams opened with OpenText and not closed; kernel handles not closed.
    int OpenTextCount() const;
    int OpenHandleCount() const;

    // --- registry --------------------------------------------------------------
    SimRegistryStore registry;
    int OpenKeyCount() const;  // keys the program opened and has not closed

    // --- console tools ----------------------------------------------------------
    // A start runs the script at once. Its output reaches a file only through a
    // standard handle the child inherits (STARTF_USESTDHANDLES, inheritance on,
    // an inheritable file handle); the process ends durationMs later on the clock.
    // A scripted tool at a program path (the full path the program passes).
    void SetTool(const std::string& programPath, Tool tool);
    std::vector<ToolRun> runs;
    int waitFailures = 0;  // the next N waits return WAIT_FAILED
    // What GetStartupInfo gives: a program started from the desktop.
    plat::StartupInfo ownStartupInfo{1, 1, 0, 0, 0};

    // --- shell -----------------------------------------------------------------
    std::deque<std::intptr_t> shellResults;  // next ShellExecute results; empty: 42
    std::vector<std::string> shellRequests;  // every address asked for
    std::vector<std::string> pagesOpened;    // those that succeeded
    std::vector<ShellCall> shellCalls;       // every ShellExecute, as called
    std::vector<std::pair<unsigned, plat::NotifyIconData>> trayCalls;
    int TrayIconCount() const;               // icons present now
    const plat::NotifyIconData* TrayIcon() const;  // the one present, or null
    bool grantShutdownPrivilege = true;      // EnableShutdownPrivilege succeeds
    bool privilegeEnabled = false;
    bool refuseReboot = false;               // ExitWindowsEx fails
    int rebootRequests = 0;                  // ExitWindowsEx calls (granted or not)
    int reboots = 0;                         // granted ones
    unsigned rebootFlags = 0;                // of the last ExitWindowsEx

    // --- user interface ----------------------------------------------------------
    // While up, a box is a top-level window titled with its caption (so a
    // title search can find it) and the owner's active popup; its owner is
    // disabled meanwhile.
    std::vector<Box> boxes;
    // The answer to the next box; whileShown runs while it is up (a click on the
    // dialog, say). Without a queued answer a box gets its first button.
    void AnswerNextBox(int answer, std::function<void()> whileShown = {});
    // What the user does when a modal dialog of this template opens: called with
    // its window; a dialog it leaves open is then cancelled (Escape).
    using Responder = std::function<void(SimulatedPc&, Hwnd)>;
    void OnDialog(int templateId, Responder responder);

    // Creates a dialog's window as the modal run would, without a loop: for
    // driving the main dialog from a test. Sends WM_INITDIALOG and shows it.
    Hwnd Create(plat::WindowSink& sink, int templateId, Hwnd owner = 0);
    plat::Lresult Send(Hwnd hwnd, unsigned msg, plat::Wparam wp = 0, plat::Lparam lp = 0);
    void Click(Hwnd dialog, int controlId);             // WM_COMMAND, BN_CLICKED
    void SysCommand(Hwnd hwnd, unsigned command);       // WM_SYSCOMMAND
    void TrayMouse(Hwnd hwnd, unsigned mouseMessage);   // the icon's callback
    void SelectListItem(Hwnd dialog, int controlId, int index);  // user selects a line (-1: none)

    Window* FindWindow(Hwnd hwnd);
    Window* WindowOfTemplate(int templateId);  // the newest one
    // A top-level window of another program (for the single-instance rule).
    Hwnd AddForeignWindow(const std::string& title, bool visible);
    Hwnd foreground = 0;
    std::set<int> iconIds = {128, 134, 135, 137};  // icons in the program's module
    plat::Rect clientRect{0, 0, 257, 168};         // every window's client area
    std::vector<IconDraw> iconDraws;

    // --- time and the record -------------------------------------------------------
    std::uint32_t now = 0;  // virtual milliseconds; Sleep and waits advance it
    // Everything in order, one line each:
    //   "run <application> | <command line>"   "end <command line>"   "kill <command line>"
    //   "box <caption> | <text>"   "page <address>"   "shell-fail <address>"
    //   "show <template id> <SW value>"   "tray add" / "tray delete"
    //   "reg-set <root>\\<path>\\<name> = <text>"   "remove <path>"   "reboot"
    //   "privilege"   "dialog <template id>"   "end-dialog <template id> <result>"
    //   "dialog-stuck <template id>" (a modal dialog that not even Escape ended)
    // reg-set shows string types up to their first NUL, other types as
    // "hex:01,00"; its path is the one the program opened. remove is logged for
    // every attempt, also one that fails.
    std::vector<std::string> log;
    // Only the lines that begin with this word.
    std::vector<std::string> Log(const std::string& kind) const;

    struct Impl;
    std::unique_ptr<Impl> impl;  // internal

private:
    plat::Platform previous_;
};

}  // namespace sim
