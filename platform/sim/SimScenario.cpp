// Loading a modelled PC. Kept apart so that tests without scenarios do not
// pull in the model's code.
#include <fstream>
#include <sstream>

#include "platform/sim/SimInternals.h"

namespace sim {
namespace {

constexpr std::uint32_t kToolMs = 40;
constexpr std::uint32_t kLeaseMs = 1500;  // release and renew wait for the DHCP server

std::uint32_t DurationOf(const std::string& commandLine) {
    const bool lease = commandLine.find("/release") != std::string::npos ||
                       commandLine.find("/renew") != std::string::npos;
    return lease ? kLeaseMs : kToolMs;
}

Tool Modelled(SimulatedPc& pc, simpc::ToolOutput (*run)(simpc::PcModel&, const std::string&)) {
    return [&pc, run](const std::string& commandLine) {
        const simpc::ToolOutput output = run(pc.model, commandLine);
        ToolResult result;
        result.out = output.out;
        result.err = output.err;
        result.hang = output.hang;
        // A model that sets its own pace overrides the usual timings.
        result.durationMs = output.durationMs ? output.durationMs : DurationOf(commandLine);
        return result;
    };
}

}  // namespace

void SimulatedPc::LoadScenario(const simpc::PcModel& scenario) {
    model = scenario;
    impl->onReboot = nullptr;
    if (model.family == 1) {
        SetVersion(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
        for (const simpc::RegValue& value : simpc::Build9xRegistry(model)) {
            const std::string path = "HKLM\\" + value.key;
            if (value.isKey) registry.CreateKey(path);
            else registry.SetString(path, value.name, value.data);
        }
        SetTool(windowsDir + "\\ipconfig.exe", Modelled(*this, simpc::RunIpconfig));
        // Windows 95/98/Me takes up the TCP/IP settings of the registry at its
        // next start.
        impl->onReboot = [this] {
            simpc::Apply9xRegistry(model, [this](const std::string& key, const std::string& name,
                                                 std::string& data) {
                const std::string path = "HKLM\\" + key;
                if (!registry.HasValue(path, name)) return false;
                data = registry.GetString(path, name);
                return true;
            });
        };
    } else {
        if (model.layout == simpc::Layout::Win10) SetVersion(VER_PLATFORM_WIN32_NT, 10, 0);
        else SetVersion(VER_PLATFORM_WIN32_NT, 5, 1);
        SetTool(systemDir + "\\ipconfig.exe", Modelled(*this, simpc::RunIpconfig));
        SetTool(systemDir + "\\netsh.exe", Modelled(*this, simpc::RunNetsh));
    }
}

bool SimulatedPc::LoadScenarioFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream text;
    text << in.rdbuf();
    simpc::PcModel parsed;
    if (!simpc::ParseScenario(text.str(), parsed)) return false;
    LoadScenario(parsed);
    return true;
}

}  // namespace sim
