// The shell of the simulated PC: the notification area and ShellExecute.
#include <algorithm>

#include "platform/sim/SimInternals.h"

namespace sim {
namespace {

constexpr unsigned kNimModify = 1;
constexpr std::intptr_t kDefaultShellResult = 42;

class SimShell : public plat::Shell {
public:
    explicit SimShell(SimulatedPc& pc) : pc_(pc) {}

    bool NotifyIcon(unsigned message, const plat::NotifyIconData& data) override {
        pc_.trayCalls.emplace_back(message, data);
        auto& icons = pc_.impl->trayIcons;
        // The shell knows an icon by its window and id.
        auto found = std::find_if(icons.begin(), icons.end(), [&](const plat::NotifyIconData& icon) {
            return icon.hWnd == data.hWnd && icon.uID == data.uID;
        });
        switch (message) {
        case NIM_ADD:
            if (found != icons.end()) return false;
            icons.push_back(data);
            pc_.log.push_back("tray add");
            return true;
        case kNimModify:
            if (found == icons.end()) return false;
            *found = data;
            return true;
        case NIM_DELETE:
            if (found == icons.end()) return false;
            icons.erase(found);
            pc_.log.push_back("tray delete");
            return true;
        default:
            return false;
        }
    }

    std::intptr_t Execute(plat::Hwnd, const char* verb, const char* file, const char* params,
                          const char*, int show) override {
        const std::string address = file ? file : "";
        pc_.shellCalls.push_back({verb ? verb : "", address, params ? params : "", show});
        pc_.shellRequests.push_back(address);
        std::intptr_t result = kDefaultShellResult;
        if (!pc_.shellResults.empty()) {
            result = pc_.shellResults.front();
            pc_.shellResults.pop_front();
        }
        if (result > 32) {
            pc_.pagesOpened.push_back(address);
            pc_.log.push_back("page " + address);
        } else {
            pc_.log.push_back("shell-fail " + address);
        }
        return result;
    }

private:
    SimulatedPc& pc_;
};

}  // namespace

std::unique_ptr<plat::Shell> MakeShell(SimulatedPc& pc) { return std::make_unique<SimShell>(pc); }

}  // namespace sim
