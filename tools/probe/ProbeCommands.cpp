#include "tools/probe/ProbeCommands.h"

#include <cstdint>
#include <cstdlib>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "contracts/Registry.h"

namespace probe {
namespace {

using Args = std::vector<std::string>;

void PrintLine(const std::string& text) { std::printf("%s\n", text.c_str()); }
void PrintNumber(long long value) { std::printf("%lld\n", value); }

// WorkFile as a check would read it (text mode), or nothing when it is missing.
void PrintWorkFile() {
    plat::Kernel& kernel = plat::kernel();
    plat::TextStream* stream = kernel.OpenText(contracts::WorkFile);
    if (!stream) return;
    char piece[4096];
    bool lineOpen = false;
    while (stream->Gets(piece, sizeof piece)) {
        const std::string text = piece;
        std::fputs(text.c_str(), stdout);
        lineOpen = !text.empty() && text.back() != '\n';
    }
    kernel.CloseText(stream);
    if (lineOpen) std::fputc('\n', stdout);
}

// The proxy bypass list as it stands, or "(absent)".
std::string ProxyOverride() {
    plat::Registry& registry = plat::registry();
    plat::Hkey key = 0;
    if (registry.OpenKeyEx(HKEY_CURRENT_USER, contracts::kInternetSettingsKey, 0, KEY_ALL_ACCESS,
                           &key) != ERROR_SUCCESS)
        return "(absent)";
    unsigned char data[512] = {};
    std::uint32_t size = sizeof data - 1;
    std::uint32_t type = 0;
    const long read =
        registry.QueryValueEx(key, contracts::kValueProxyOverride, &type, data, &size);
    registry.CloseKey(key);
    if (read != ERROR_SUCCESS) return "(absent)";
    return std::string(reinterpret_cast<const char*>(data));
}

int Family(CModemDlg& dlg, const Args&) {
    PrintNumber(dlg.GetPlatformFamily());
    return 0;
}

// run LABEL PROGRAM COMMAND-LINE WAIT [SHOW]: the runner's result, then WorkFile.
int Run(CModemDlg& dlg, const Args& a) {
    const int show = a.size() > 5 ? std::atoi(a[5].c_str()) : SW_HIDE;
    const bool ok = dlg.RunCommand(a[1], a[2].c_str(), a[3].c_str(), std::atoi(a[4].c_str()), show);
    PrintNumber(ok ? 1 : 0);
    PrintWorkFile();
    return 0;
}

int ModemDns(CModemDlg& dlg, const Args&) {
    PrintNumber(dlg.CheckModemDns(dlg.GetPlatformFamily(), " "));
    return 0;
}

int FindCard(CModemDlg& dlg, const Args&) {
    PrintLine(dlg.FindNetworkCard(dlg.GetPlatformFamily()));
    return 0;
}

int AutoDns(CModemDlg& dlg, const Args& a) {
    PrintNumber(dlg.CheckAutoDns(dlg.GetPlatformFamily(), a[1]));
    return 0;
}

int DynamicAddress(CModemDlg& dlg, const Args& a) {
    PrintNumber(dlg.CheckDynamicAddress(dlg.GetPlatformFamily(), a[1]));
    return 0;
}

int SetDynamic(CModemDlg& dlg, const Args& a) {
    PrintNumber(dlg.SetDynamicAddress(dlg.GetPlatformFamily(), a[1]));
    return 0;
}

int TcpClassKey(CModemDlg& dlg, const Args& a) {
    PrintLine(dlg.LookupTcpClassKey(a[1]));
    return 0;
}

// proxy: the bypass list after SetProxyBypass.
int Proxy(CModemDlg& dlg, const Args&) {
    dlg.SetProxyBypass();
    PrintLine(ProxyOverride());
    return 0;
}

// startinfo: the probe run as a tool by the runner reports how it was started,
// and writes one line to standard error.
int StartInfo(CModemDlg&, const Args&) {
    plat::StartupInfo info;
    plat::kernel().GetStartupInfo(info);
    std::printf("flags=0x%x show=%u\n", static_cast<unsigned>(info.dwFlags),
                static_cast<unsigned>(info.wShowWindow));
    std::fprintf(stderr, "%s\n", kStartInfoErrorLine);
    return 0;
}

struct Command {
    const char* name;
    int (*run)(CModemDlg&, const Args&);
    std::size_t minArgs, maxArgs;  // after the name
    const char* usage;
};

const Command kCommands[] = {
    {"family", Family, 0, 0, "family                  GetPlatformFamily"},
    {"run", Run, 4, 5,
     "run LABEL PROGRAM CMDLINE WAIT [SHOW]  RunCommand (show state SW_HIDE unless given):\n"
     "                          1 or 0, then the content of WorkFile"},
    {"modem-dns", ModemDns, 0, 0, "modem-dns               CheckModemDns(family, \" \")"},
    {"find-card", FindCard, 0, 0, "find-card               FindNetworkCard(family)"},
    {"auto-dns", AutoDns, 1, 1, "auto-dns KEY            CheckAutoDns(family, KEY)"},
    {"dynamic-address", DynamicAddress, 1, 1,
     "dynamic-address KEY     CheckDynamicAddress(family, KEY)"},
    {"set-dynamic", SetDynamic, 1, 1, "set-dynamic KEY         SetDynamicAddress(family, KEY)"},
    {"tcp-class-key", TcpClassKey, 1, 1, "tcp-class-key KEY       LookupTcpClassKey(KEY)"},
    {"proxy", Proxy, 0, 0, "proxy                   SetProxyBypass, then the ProxyOverride value"},
    {"startinfo", StartInfo, 0, 0,
     "startinfo               this process's start-up flags and show state"},
};

}  // namespace

void PrintUsage(std::FILE* out) {
    for (const Command& c : kCommands) std::fprintf(out, "  %s\n", c.usage);
}

int Run(const std::vector<std::string>& args) {
    if (args.empty()) return 2;
    for (const Command& c : kCommands) {
        if (args[0] != c.name) continue;
        const std::size_t n = args.size() - 1;
        if (n < c.minArgs || n > c.maxArgs) return 2;
        // A dialog object without a window, as the checks need it: its boxes
        // come up without an owner, captioned with the program's name.
        CModemDlg dlg;
        const int code = c.run(dlg, args);
        std::fflush(stdout);
        return code;
    }
    return 2;
}

}  // namespace probe
