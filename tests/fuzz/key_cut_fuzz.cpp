// Any adapter key: the cut keeps to its rules, a repair command line is either
// whole and safe or not built at all, and the binding lookup over an empty
// registry finds nothing and leaves no key open.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/ModemDlg.h"
#include "contracts/Tools.h"
#include "netdiag/Scans.h"
#include "platform/sim/SimulatedPc.h"

namespace {

void CheckCut(const std::string& key) {
    const AdapterKeyCut cut = CutAdapterKey(key);
    const std::size_t slash = key.find('\\');
    const std::string rest = slash == std::string::npos ? key : key.substr(slash + 1);
    if (cut.bus != key.substr(0, slash)) std::abort();
    if (cut.match.size() > rest.size() || cut.match != UpperAscii(rest.substr(0, cut.match.size()))) {
        std::abort();
    }
    for (char c : cut.match) {
        if (c >= 'a' && c <= 'z') std::abort();
    }
    // Cut exactly before the second '&', or not at all.
    const std::size_t ampersands = static_cast<std::size_t>(std::count(cut.match.begin(), cut.match.end(), '&'));
    if (ampersands > 1) std::abort();
    if (cut.match.size() < rest.size() && (ampersands != 1 || rest[cut.match.size()] != '&')) std::abort();
}

void CheckCommand(const std::string& key) {
    char line[kCommandLineSize];
    std::memset(line, 'x', sizeof line);
    const bool built = BuildDhcpCommand(line, contracts::kSetAddressDhcp.commandLine, key);
    const std::size_t length = strnlen(line, sizeof line);
    if (length == sizeof line) std::abort();  // never without its NUL
    if (!built) {
        if (length != 0) std::abort();
        return;
    }
    if (key.size() > kMaxAdapterKeyLength || key.find('"') != std::string::npos) std::abort();
    const std::string expected = contracts::kSetAddressDhcp.commandLine + QuotedKey(key) + contracts::kDhcpSuffix;
    if (expected != line) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string key(reinterpret_cast<const char*>(data), size);
    CheckCut(key);
    CheckCommand(key);

    sim::SimulatedPc pc;
    CModemDlg dlg;
    if (!dlg.LookupTcpClassKey(key).empty()) std::abort();
    if (pc.OpenKeyCount() != 0) std::abort();
    return 0;
}
