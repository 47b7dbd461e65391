// The simulated PC's inner state and the four platform implementations over it.
// Only platform/sim/*.cpp include this.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/Defs.h"
#include "platform/sim/SimulatedPc.h"

namespace sim {

// Upper-cases a to z only, as the Windows name comparisons here need.
std::string Upper(const std::string& text);
// The file system's key for a path: separators made '\\', letters upper-cased.
std::string FileKey(const std::string& path);

struct FileData {
    std::string path;  // as first created
    std::string content;
    bool readOnly = false;
};

enum class HandleKind { File, Process, Thread };

struct KernelHandle {
    HandleKind kind = HandleKind::File;
    bool open = true;
    // File handles.
    std::shared_ptr<FileData> file;
    std::uint32_t access = 0;
    std::uint32_t share = 0;
    bool inheritable = false;
    std::size_t position = 0;
    // Process and thread handles: index into SimulatedPc::runs.
    std::size_t run = 0;
};

struct Process {
    bool hang = false;
    bool endLogged = false;
    // The child's copies of the file handles it inherited: they stay open
    // until it ends.
    std::vector<KernelHandle> inherited;
};

struct RegHandle {
    std::string path;  // "HKLM\\..." as the program named it
    bool open = true;
};

struct Template {
    int id = 0;
    const char* title = "";
    std::vector<int> controls;
};
const Template* FindTemplate(int id);

class SimTextStream;

struct SimulatedPc::Impl {
    explicit Impl(SimulatedPc& pc);
    ~Impl();

    SimulatedPc& pc;
    std::unique_ptr<plat::Ui> ui;
    std::unique_ptr<plat::Shell> shell;
    std::unique_ptr<plat::Kernel> kernel;
    std::unique_ptr<plat::Registry> registry;

    // Every handle the PC gives out comes from one counter, so that a handle of
    // one kind passed where another is expected finds nothing.
    std::uintptr_t nextHandle = 0x100;
    std::uintptr_t NewHandle() {
        nextHandle += 4;
        return nextHandle;
    }

    std::uint32_t platformId = 2, major = 5, minor = 1;

    std::map<std::string, std::shared_ptr<FileData>> files;  // by FileKey
    std::map<plat::Handle, KernelHandle> handles;
    std::map<std::size_t, Process> processes;                // by run index
    std::set<SimTextStream*> streams;
    std::map<std::string, Tool> tools;                       // by FileKey

    std::map<plat::Hkey, RegHandle> regHandles;

    std::map<Hwnd, Window> windows;
    std::map<Hwnd, std::pair<Hwnd, int>> controls;  // control -> dialog, id
    std::map<plat::Hmenu, Hwnd> menus;
    std::map<int, plat::Hicon> iconHandles;
    std::map<int, Responder> responders;
    std::vector<plat::NotifyIconData> trayIcons;
    std::function<void()> onReboot;  // what a granted reboot changes in the model

    struct QueuedAnswer {
        int answer;
        std::function<void()> whileShown;
    };
    std::deque<QueuedAnswer> answers;

    // Helpers shared between the parts.
    // Creates a dialog's window, sends WM_INITDIALOG and shows it: the start of
    // a modal run. 0 for an unknown template.
    Hwnd OpenDialog(int templateId, Hwnd owner, plat::WindowSink* sink);
    // Gives the owner back its input if this window took it.
    void ReleaseOwner(Window& window);
    // ShowWindow; sends WM_SHOWWINDOW only when the visibility changes.
    bool ShowWindow(Hwnd hwnd, int cmd);
    void Log(const std::string& line) { pc.log.push_back(line); }
    KernelHandle* FindHandle(plat::Handle handle);
    bool Running(std::size_t run) const;
    // Every open file handle: the program's own and those of running children.
    std::vector<const KernelHandle*> OpenFileHandles() const;
    // False when an open handle or stream on the file forbids this access.
    bool SharingAllows(const std::shared_ptr<FileData>& file, std::uint32_t access,
                       std::uint32_t share) const;
    bool FileInUse(const std::shared_ptr<FileData>& file) const;
    void WriteToHandle(plat::Handle handle, const std::string& bytes);
};

std::unique_ptr<plat::Ui> MakeUi(SimulatedPc& pc);
std::unique_ptr<plat::Shell> MakeShell(SimulatedPc& pc);
std::unique_ptr<plat::Kernel> MakeKernel(SimulatedPc& pc);
std::unique_ptr<plat::Registry> MakeRegistry(SimulatedPc& pc);

}  // namespace sim
