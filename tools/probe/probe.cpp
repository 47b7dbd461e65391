// Runs single operations of the program's Win32 layer, one sub-command per run,
// so that the Wine tests can check them apart from the dialog.
#include <cstdio>
#include <cstring>

#include "app/ModemDlg.h"
#include "platform/win32/Win32Platform.h"

void* ProbeModule();

namespace {

int Family() {
    CModemDlg dlg;
    std::printf("%d\n", dlg.GetPlatformFamily());
    return 0;
}

struct Command {
    const char* name;
    int (*run)();
    const char* help;
};

const Command kCommands[] = {
    {"family", Family, "the platform family as GetPlatformFamily gives it"},
};

int Usage() {
    std::fputs("usage: probe <command>\n", stderr);
    for (const Command& c : kCommands) std::fprintf(stderr, "  %-10s %s\n", c.name, c.help);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    InstallWin32Platform(ProbeModule());
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run();
    }
    return Usage();
}
