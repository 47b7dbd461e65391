// Runs single operations of the program's main dialog on the Win32 layer, one
// sub-command per run, so that the Wine tests can check them apart from the
// dialog. State between runs lives where the program keeps it: the registry,
// WorkFile and the simulated PC of the substitute tools.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "tools/probe/ProbeCommands.h"

void* ProbeModule();

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    InstallWin32Platform(ProbeModule());
    const int code = probe::Run(args);
    if (code == 2) {
        std::fputs("usage: probe <command> [arguments]\n", stderr);
        probe::PrintUsage(stderr);
    }
    return code;
}
