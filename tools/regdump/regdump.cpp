// Prints the Windows 95/98/Me registry of a simulated PC as a REGEDIT4 file,
// for loading into a Wine prefix before the program runs on the registry route.
//
// usage: regdump < scenario.txt > scenario.reg
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <string>

#include "simpc/PcModel.h"

int main() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    std::string text;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0) text.append(buffer, n);

    simpc::PcModel model;
    std::string error;
    if (!simpc::ParseScenario(text, model, &error)) {
        std::fprintf(stderr, "regdump: %s\n", error.c_str());
        return 1;
    }
    const std::string reg = simpc::ToRegFile(simpc::Build9xRegistry(model));
    std::fwrite(reg.data(), 1, reg.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
