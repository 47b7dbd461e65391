#include "tools/subst/StateFile.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace subst {
namespace {

bool ReadFile(const char* path, std::string& text) {
    std::FILE* f = std::fopen(path, "rb");
    if (!f) return false;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
    return true;
}

bool WriteFile(const char* path, const std::string& text) {
    std::FILE* f = std::fopen(path, "wb");
    if (!f) return false;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    return std::fclose(f) == 0 && ok;
}

void Print(std::FILE* stream, const std::string& text) {
    _setmode(_fileno(stream), _O_BINARY);
    std::fwrite(text.data(), 1, text.size(), stream);
    std::fflush(stream);
}

// Milliseconds since 1970, UTC: the host's clock, so that a script outside
// the prefix can set these times against its own.
unsigned long long UnixMilliseconds() {
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    const unsigned long long ticks =
        (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long kTicksTo1970 = 116444736000000000ULL;  // 100 ns ticks
    return (ticks - kTicksTo1970) / 10000;
}

// Recorded before the run does anything, so that a run which never ends is
// listed too. A missing log is no reason to fail the run.
void RecordRun(const std::string& commandLine) {
    std::FILE* f = std::fopen(kRunsPath, "ab");
    if (!f) return;
    std::fprintf(f, "%llu %s\r\n", UnixMilliseconds(), commandLine.c_str());
    std::fclose(f);
}

}  // namespace

std::string CommandLine(const char* toolName, const char* processCommandLine) {
    std::string line = processCommandLine ? processCommandLine : "";
    std::size_t pos = 0;
    if (!line.empty() && line[0] == '"') {
        pos = line.find('"', 1);
        pos = pos == std::string::npos ? line.size() : pos + 1;
    }
    while (pos < line.size() && line[pos] != ' ' && line[pos] != '\t') ++pos;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    std::string args = line.substr(pos);
    while (!args.empty() && (args.back() == ' ' || args.back() == '\t')) args.pop_back();
    return args.empty() ? std::string(toolName) : std::string(toolName) + " " + args;
}

int RunSubstitute(const char* toolName, Tool tool) {
    const std::string commandLine = CommandLine(toolName, GetCommandLineA());
    RecordRun(commandLine);
    std::string text;
    if (!ReadFile(kStatePath, text)) {
        Print(stderr, std::string(toolName) + ": no simulated PC in " + kStatePath + "\r\n");
        return 1;
    }
    simpc::PcModel model;
    std::string error;
    if (!simpc::ParseScenario(text, model, &error)) {
        Print(stderr, std::string(toolName) + ": " + kStatePath + ": " + error + "\r\n");
        return 1;
    }
    const simpc::PcModel before = model;
    const simpc::ToolOutput out = tool(model, commandLine);
    if (out.durationMs > 0) Sleep(out.durationMs);
    if (out.hang)
        for (;;) Sleep(60000);
    if (!(model == before) && !WriteFile(kStatePath, simpc::SerializeScenario(model))) {
        Print(stderr, std::string(toolName) + ": cannot write " + kStatePath + "\r\n");
        return 1;
    }
    Print(stderr, out.err);
    Print(stdout, out.out);
    return out.exitCode;
}

}  // namespace subst
