// Shared by the tests of the netsh checks: a scripted tool run and the
// connection and program they concern.
#pragma once

#include <string>

#include "platform/sim/SimulatedPc.h"

namespace netsh_fixtures {

// A tool run that prints out and ends.
inline sim::ToolResult Prints(const std::string& out) {
    sim::ToolResult result;
    result.out = out;
    return result;
}

constexpr char kLan[] = "Local Area Connection";
constexpr char kNetsh[] = "C:\\WINDOWS\\system32\\netsh.exe";

}  // namespace netsh_fixtures
