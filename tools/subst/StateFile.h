// The substitute ipconfig.exe and netsh.exe keep the simulated PC in one file
// of the Wine prefix, in the scenario format, from one run to the next.
#pragma once

#include <string>

#include "simpc/PcModel.h"

namespace subst {

constexpr char kStatePath[] = "C:\\kelvane-sim\\pc.txt";
// Every run appends one line here as it starts: the time in milliseconds since
// 1970 (UTC), a blank, and the command line as CommandLine gives it. A test or
// the demo reads it to tell which tools ran, in which order and when.
constexpr char kRunsPath[] = "C:\\kelvane-sim\\runs.txt";

using Tool = simpc::ToolOutput (*)(simpc::PcModel& model, const std::string& commandLine);

// The tool's command line as Windows would see it: its bare name and the
// arguments exactly as given (quotes kept).
std::string CommandLine(const char* toolName, const char* processCommandLine);

// One run: read the state, run the tool, print, write the state back if it
// changed. Returns the exit code.
int RunSubstitute(const char* toolName, Tool tool);

}  // namespace subst
