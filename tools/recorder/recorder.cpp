// Stands in for the web browser in the Wine tests: appends the address it is
// given as one line to C:\kelvane-sim\pages.txt and ends. Nothing is fetched.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {
const char kDir[] = "C:\\kelvane-sim";
const char kPages[] = "C:\\kelvane-sim\\pages.txt";
}  // namespace

int main(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    CreateDirectoryA(kDir, nullptr);
    FILE* f = std::fopen(kPages, "ab");
    if (!f) return 1;
    std::fprintf(f, "%s\n", line.c_str());
    std::fclose(f);
    return 0;
}
