// The probe's sub-commands: single operations of the main dialog, run on the
// platform that is installed (the Win32 layer in probe.exe, a simulated PC in
// the native twin), each printing its results on stdout, one per line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace probe {

// Runs one sub-command: args[0] is its name, the rest its arguments. Returns
// the exit code; 2 for an unknown command or a wrong number of arguments.
int Run(const std::vector<std::string>& args);

// The sub-commands and their arguments.
void PrintUsage(std::FILE* out);

// What the probe writes to standard error when it runs as a tool itself
// ("startinfo"): the runner must not let it reach WorkFile.
constexpr char kStartInfoErrorLine[] = "probe: this line goes to standard error";

}  // namespace probe
