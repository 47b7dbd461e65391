// Starts console programs one after the other the plainest way: hidden, with
// standard output in a file, and a wait without a time-out. Prints how long
// each run took from the start of the process to its end, and the sum. The
// benchmark sets these figures against the program's own tool runs.
//
// usage: launcher OUTPUT_FILE PROGRAM "COMMAND LINE"...
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <vector>

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// One run; false when the output file or the process could not be made.
bool RunOnce(const char* output, const char* program, const char* commandLine, double& ms) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    LARGE_INTEGER start;
    QueryPerformanceCounter(&start);
    HANDLE file = CreateFileA(output, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              &inheritable, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "launcher: cannot create %s (%lu)\n", output, GetLastError());
        return false;
    }
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = file;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    std::vector<char> writable(commandLine, commandLine + lstrlenA(commandLine) + 1);
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program, writable.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::fprintf(stderr, "launcher: cannot start %s (%lu)\n", program, GetLastError());
        CloseHandle(file);
        return false;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(file);
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    ms = Milliseconds(start, end);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 4) {
        std::fputs("usage: launcher OUTPUT_FILE PROGRAM \"COMMAND LINE\"...\n", stderr);
        return 2;
    }
    double total = 0;
    for (int i = 3; i < argc; ++i) {
        double ms = 0;
        if (!RunOnce(argv[1], argv[2], argv[i], ms)) return 1;
        std::printf("%.0f\t%s\n", ms, argv[i]);
        total += ms;
    }
    std::printf("%.0f\ttotal\n", total);
    return 0;
}
