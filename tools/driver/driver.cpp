// Works the windows of another process as a user would, through window
// messages: finds a window by its title, clicks its buttons, sends system
// commands and notification-icon events, reads and answers message boxes and
// lists a dialog's controls. Run once per step from the test scripts.
//
// Messages are posted rather than synthesised as input: posting works across
// processes and does not depend on focus or on where a window is on screen.
// Output is one fact per line, plain text, easy to compare in a shell.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A message box keeps its text in the static control with this id.
constexpr int kBoxTextId = 0xFFFF;
constexpr DWORD kPollMs = 50;
constexpr UINT kTrayCallback = WM_USER + 1;
constexpr UINT kSendTimeoutMs = 2000;

std::string WindowText(HWND hwnd) {
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// Text for a single output line: line breaks become the two characters "\n".
std::string OneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string ClassOf(HWND hwnd) {
    char buffer[256] = {};
    GetClassNameA(hwnd, buffer, sizeof buffer);
    return buffer;
}

bool IsDialogClass(HWND hwnd) { return ClassOf(hwnd) == "#32770"; }

bool IsOtherProcess(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid != GetCurrentProcessId();
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> others;
    for (HWND hwnd : all) {
        if (IsOtherProcess(hwnd)) others.push_back(hwnd);
    }
    return others;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool IsMessageBox(HWND hwnd) {
    if (!IsDialogClass(hwnd) || !IsWindowVisible(hwnd)) return false;
    HWND text = GetDlgItem(hwnd, kBoxTextId);
    return text && ClassOf(text) == "Static";
}

std::vector<HWND> WindowsTitled(const std::string& title) {
    std::vector<HWND> found;
    for (HWND hwnd : TopLevelWindows()) {
        if (WindowText(hwnd) == title) found.push_back(hwnd);
    }
    return found;
}

// The window a title stands for. A message box may carry the same caption as
// the main dialog, so among equal titles an unowned dialog that is not a
// message box comes first, then any dialog, then anything.
HWND FindTitled(const std::string& title) {
    std::vector<HWND> found = WindowsTitled(title);
    for (HWND hwnd : found) {
        if (IsDialogClass(hwnd) && !GetWindow(hwnd, GW_OWNER) && !IsMessageBox(hwnd)) return hwnd;
    }
    for (HWND hwnd : found) {
        if (IsDialogClass(hwnd) && !IsMessageBox(hwnd)) return hwnd;
    }
    return found.empty() ? nullptr : found.front();
}

HWND FindBox(const char* caption) {
    for (HWND hwnd : TopLevelWindows()) {
        if (IsMessageBox(hwnd) && (!caption || WindowText(hwnd) == caption)) return hwnd;
    }
    return nullptr;
}

// Polls until done() holds or the time is up.
template <class F>
bool WaitFor(double seconds, F done) {
    const DWORD start = GetTickCount();
    const DWORD limit = static_cast<DWORD>(seconds * 1000);
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= limit) return false;
        Sleep(kPollMs);
    }
}

long Number(const char* text) { return std::strtol(text, nullptr, 0); }
double Seconds(const char* text) { return std::strtod(text, nullptr); }

HWND NeedWindow(const char* title) {
    HWND hwnd = FindTitled(title);
    if (!hwnd) std::fprintf(stderr, "driver: no window titled \"%s\"\n", title);
    return hwnd;
}

HWND NeedControl(HWND parent, int id) {
    HWND control = GetDlgItem(parent, id);
    if (!control) std::fprintf(stderr, "driver: no control %d\n", id);
    return control;
}

void PrintOwner(HWND hwnd) {
    HWND owner = GetWindow(hwnd, GW_OWNER);
    std::printf("owner=%s\n", owner ? OneLine(WindowText(owner)).c_str() : "(none)");
}

void PrintBox(HWND box) {
    std::printf("caption=%s\n", OneLine(WindowText(box)).c_str());
    std::printf("text=%s\n", OneLine(WindowText(GetDlgItem(box, kBoxTextId))).c_str());
    PrintOwner(box);
    for (HWND child : Children(box)) {
        if (ClassOf(child) == "Button" && IsWindowVisible(child)) {
            std::printf("button=%d %s\n", GetDlgCtrlID(child), OneLine(WindowText(child)).c_str());
        }
    }
}

HWND FindList(HWND parent, int id) {
    if (id >= 0) return NeedControl(parent, id);
    for (HWND child : Children(parent)) {
        if (ClassOf(child) == "ListBox") return child;
    }
    std::fprintf(stderr, "driver: no list box\n");
    return nullptr;
}

bool Post(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (PostMessageA(hwnd, msg, wp, lp)) return true;
    std::fprintf(stderr, "driver: PostMessage failed (%lu)\n", GetLastError());
    return false;
}

LRESULT SendWithTimeout(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, kSendTimeoutMs, &result);
    return static_cast<LRESULT>(result);
}

// A list box line of another process. Read through the wide call: under Wine
// the ANSI call hands another process's list text back unconverted.
std::string ListLine(HWND list, LRESULT index) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0, SMTO_ABORTIFHUNG,
                        kSendTimeoutMs, &length);
    if (length >= 1024) return "(too long)";
    wchar_t wide[1024] = {};
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(wide),
                        SMTO_ABORTIFHUNG, kSendTimeoutMs, &ignored);
    char text[4096] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

int Usage() {
    std::fputs(
        "usage: driver <command> ...\n"
        "  windows                          all top-level windows of other processes\n"
        "  find <title>                     the window's handle\n"
        "  count <title>                    how many top-level windows have this title\n"
        "  wait-window <title> <seconds>    until it exists (exit 1 on time-out)\n"
        "  wait-gone <title> <seconds>      until none exists\n"
        "  visible <title>                  1 or 0\n"
        "  wait-visible <title> <1|0> <s>   until it is shown (1) or hidden (0)\n"
        "  rect <title>                     left top width height on the screen\n"
        "  click <title> <control id>       a button's BN_CLICKED\n"
        "  syscommand <title> <command>     WM_SYSCOMMAND (0xF020 minimise, 0xF060 close)\n"
        "  tray <title> <mouse message>     a notification-icon event (e.g. 0x201)\n"
        "  tray-dblclk <title>              a left double-click on the notification icon\n"
        "  post <title> <msg> <wp> <lp>     any message\n"
        "  controls <title>                 class, id, visible, text of each control\n"
        "  text <title> <control id>        a control's text\n"
        "  icon <title> <control id>        a static control's icon handle\n"
        "  owner <title>                    owner=<title> or owner=(none)\n"
        "  wait-box <seconds>               a message box: caption, text, owner, buttons\n"
        "  boxes                            every message box shown: caption|text\n"
        "  answer-box <button id> [caption] presses a message box's button\n"
        "  list-items <title> [list id]     index and text of each list item\n"
        "  selection <title> <list id>      the selected index, -1 when none\n"
        "  select <title> <list id> <index> selects an item (and notifies the dialog)\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) return Usage();
    const std::string cmd = argv[1];
    const int n = argc - 2;  // arguments after the command
    char** a = argv + 2;

    if (cmd == "windows" && n == 0) {
        for (HWND hwnd : TopLevelWindows()) {
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            std::printf("%p\t%lu\t%s\t%d\t%s\n", static_cast<void*>(hwnd), pid, ClassOf(hwnd).c_str(),
                        IsWindowVisible(hwnd) ? 1 : 0, OneLine(WindowText(hwnd)).c_str());
        }
        return 0;
    }
    if (cmd == "find" && n == 1) {
        HWND hwnd = FindTitled(a[0]);
        if (!hwnd) return 1;
        std::printf("%p\n", static_cast<void*>(hwnd));
        return 0;
    }
    if (cmd == "count" && n == 1) {
        std::printf("%u\n", static_cast<unsigned>(WindowsTitled(a[0]).size()));
        return 0;
    }
    if (cmd == "wait-window" && n == 2) {
        return WaitFor(Seconds(a[1]), [&] { return FindTitled(a[0]) != nullptr; }) ? 0 : 1;
    }
    if (cmd == "wait-gone" && n == 2) {
        return WaitFor(Seconds(a[1]), [&] { return FindTitled(a[0]) == nullptr; }) ? 0 : 1;
    }
    if (cmd == "visible" && n == 1) {
        HWND hwnd = NeedWindow(a[0]);
        if (!hwnd) return 1;
        std::printf("%d\n", IsWindowVisible(hwnd) ? 1 : 0);
        return 0;
    }
    if (cmd == "wait-visible" && n == 3) {
        const bool want = Number(a[1]) != 0;
        return WaitFor(Seconds(a[2]),
                       [&] {
                           HWND hwnd = FindTitled(a[0]);
                           return hwnd && (IsWindowVisible(hwnd) != 0) == want;
                       })
                   ? 0
                   : 1;
    }
    if (cmd == "rect" && n == 1) {
        HWND hwnd = NeedWindow(a[0]);
        RECT r{};
        if (!hwnd || !GetWindowRect(hwnd, &r)) return 1;
        std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
        return 0;
    }
    if (cmd == "click" && n == 2) {
        HWND hwnd = NeedWindow(a[0]);
        if (!hwnd) return 1;
        const int id = static_cast<int>(Number(a[1]));
        HWND button = NeedControl(hwnd, id);
        if (!button) return 1;
        return Post(hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) ? 0 : 1;
    }
    if (cmd == "syscommand" && n == 2) {
        HWND hwnd = NeedWindow(a[0]);
        return hwnd && Post(hwnd, WM_SYSCOMMAND, static_cast<WPARAM>(Number(a[1])), 0) ? 0 : 1;
    }
    if ((cmd == "tray" && n == 2) || (cmd == "tray-dblclk" && n == 1)) {
        HWND hwnd = NeedWindow(a[0]);
        const LPARAM event = n == 2 ? Number(a[1]) : WM_LBUTTONDBLCLK;
        return hwnd && Post(hwnd, kTrayCallback, 0, event) ? 0 : 1;
    }
    if (cmd == "post" && n == 4) {
        HWND hwnd = NeedWindow(a[0]);
        return hwnd && Post(hwnd, static_cast<UINT>(Number(a[1])), static_cast<WPARAM>(Number(a[2])),
                            static_cast<LPARAM>(Number(a[3])))
                   ? 0
                   : 1;
    }
    if (cmd == "controls" && n == 1) {
        HWND hwnd = NeedWindow(a[0]);
        if (!hwnd) return 1;
        for (HWND child : Children(hwnd)) {
            // An icon control's text is a resource reference, not text.
            const bool icon = ClassOf(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
            std::printf("%s\t%d\t%d\t%s\n", ClassOf(child).c_str(), GetDlgCtrlID(child),
                        IsWindowVisible(child) ? 1 : 0, icon ? "(icon)" : OneLine(WindowText(child)).c_str());
        }
        return 0;
    }
    if ((cmd == "text" || cmd == "icon") && n == 2) {
        HWND hwnd = NeedWindow(a[0]);
        HWND control = hwnd ? NeedControl(hwnd, static_cast<int>(Number(a[1]))) : nullptr;
        if (!control) return 1;
        if (cmd == "text") {
            std::printf("%s\n", OneLine(WindowText(control)).c_str());
        } else {
            std::printf("%p\n", reinterpret_cast<void*>(SendWithTimeout(control, STM_GETICON, 0, 0)));
        }
        return 0;
    }
    if (cmd == "owner" && n == 1) {
        HWND hwnd = NeedWindow(a[0]);
        if (!hwnd) return 1;
        PrintOwner(hwnd);
        return 0;
    }
    if (cmd == "wait-box" && n == 1) {
        HWND box = nullptr;
        if (!WaitFor(Seconds(a[0]), [&] { return (box = FindBox(nullptr)) != nullptr; })) return 1;
        PrintBox(box);
        return 0;
    }
    if (cmd == "boxes" && n == 0) {
        for (HWND hwnd : TopLevelWindows()) {
            if (!IsMessageBox(hwnd)) continue;
            std::printf("%s|%s\n", OneLine(WindowText(hwnd)).c_str(),
                        OneLine(WindowText(GetDlgItem(hwnd, kBoxTextId))).c_str());
        }
        return 0;
    }
    if (cmd == "answer-box" && (n == 1 || n == 2)) {
        HWND box = FindBox(n == 2 ? a[1] : nullptr);
        if (!box) {
            std::fprintf(stderr, "driver: no message box\n");
            return 1;
        }
        const int id = static_cast<int>(Number(a[0]));
        HWND button = NeedControl(box, id);
        if (!button) return 1;
        return Post(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) ? 0 : 1;
    }
    if (cmd == "list-items" && (n == 1 || n == 2)) {
        HWND hwnd = NeedWindow(a[0]);
        HWND list = hwnd ? FindList(hwnd, n == 2 ? static_cast<int>(Number(a[1])) : -1) : nullptr;
        if (!list) return 1;
        const LRESULT count = SendWithTimeout(list, LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i)
            std::printf("%ld\t%s\n", static_cast<long>(i), OneLine(ListLine(list, i)).c_str());
        return 0;
    }
    if (cmd == "selection" && n == 2) {
        HWND hwnd = NeedWindow(a[0]);
        HWND list = hwnd ? FindList(hwnd, static_cast<int>(Number(a[1]))) : nullptr;
        if (!list) return 1;
        std::printf("%ld\n", static_cast<long>(SendWithTimeout(list, LB_GETCURSEL, 0, 0)));
        return 0;
    }
    if (cmd == "select" && n == 3) {
        HWND hwnd = NeedWindow(a[0]);
        const int id = static_cast<int>(Number(a[1]));
        HWND list = hwnd ? FindList(hwnd, id) : nullptr;
        if (!list) return 1;
        const WPARAM index = static_cast<WPARAM>(Number(a[2]));
        if (SendWithTimeout(list, LB_SETCURSEL, index, 0) == LB_ERR) {
            std::fprintf(stderr, "driver: no item %s\n", a[2]);
            return 1;
        }
        return Post(hwnd, WM_COMMAND, MAKEWPARAM(id, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list)) ? 0 : 1;
    }
    return Usage();
}
