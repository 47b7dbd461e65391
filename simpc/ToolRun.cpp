#include "simpc/ToolRun.h"

#include "simpc/Text.h"

namespace simpc {

bool BeginRun(const PcModel& model, const std::string& commandLine, ToolOutput& out) {
    out.durationMs = model.delayMs;
    for (const std::string& h : model.hang) {
        if (Trim(h) == Trim(commandLine)) {
            out.hang = true;
            return false;
        }
    }
    if (!model.stderrLine.empty()) out.err = model.stderrLine + "\r\n";
    return true;
}

}  // namespace simpc
