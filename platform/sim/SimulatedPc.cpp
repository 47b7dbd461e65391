#include "platform/sim/SimulatedPc.h"

#include <algorithm>

#include "platform/sim/SimInternals.h"
#include "platform/sim/SimTextStream.h"

namespace sim {

std::string Upper(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

std::string FileKey(const std::string& path) {
    std::string key = Upper(path);
    std::replace(key.begin(), key.end(), '/', '\\');
    return key;
}

SimulatedPc::Impl::Impl(SimulatedPc& owner)
    : pc(owner),
      ui(MakeUi(owner)),
      shell(MakeShell(owner)),
      kernel(MakeKernel(owner)),
      registry(MakeRegistry(owner)) {}

SimulatedPc::Impl::~Impl() {
    for (SimTextStream* stream : streams) delete stream;
}

SimulatedPc::SimulatedPc() : impl(std::make_unique<Impl>(*this)), previous_(plat::Current()) {
    strings[101] = "&About Kelvane...";
    plat::Platform mine;
    mine.ui = impl->ui.get();
    mine.shell = impl->shell.get();
    mine.kernel = impl->kernel.get();
    mine.registry = impl->registry.get();
    plat::SetCurrent(mine);
}

SimulatedPc::~SimulatedPc() { plat::SetCurrent(previous_); }

void SimulatedPc::SetVersion(std::uint32_t platformId, std::uint32_t major, std::uint32_t minor) {
    impl->platformId = platformId;
    impl->major = major;
    impl->minor = minor;
}

void SimulatedPc::SetTool(const std::string& programPath, Tool tool) {
    impl->tools[FileKey(programPath)] = std::move(tool);
}

void SimulatedPc::AnswerNextBox(int answer, std::function<void()> whileShown) {
    impl->answers.push_back({answer, std::move(whileShown)});
}

void SimulatedPc::OnDialog(int templateId, Responder responder) {
    impl->responders[templateId] = std::move(responder);
}

std::vector<std::string> SimulatedPc::Log(const std::string& kind) const {
    std::vector<std::string> lines;
    for (const std::string& line : log) {
        if (line.compare(0, kind.size(), kind) == 0 &&
            (line.size() == kind.size() || line[kind.size()] == ' ')) {
            lines.push_back(line);
        }
    }
    return lines;
}

int SimulatedPc::TrayIconCount() const { return static_cast<int>(impl->trayIcons.size()); }

const plat::NotifyIconData* SimulatedPc::TrayIcon() const {
    return impl->trayIcons.size() == 1 ? &impl->trayIcons.front() : nullptr;
}

int SimulatedPc::OpenKeyCount() const {
    return static_cast<int>(std::count_if(impl->regHandles.begin(), impl->regHandles.end(),
                                          [](const auto& entry) { return entry.second.open; }));
}

int SimulatedPc::OpenTextCount() const { return static_cast<int>(impl->streams.size()); }

int SimulatedPc::OpenHandleCount() const {
    return static_cast<int>(std::count_if(impl->handles.begin(), impl->handles.end(),
                                          [](const auto& entry) { return entry.second.open; }));
}

}  // namespace sim
