// Any "netsh interface ip show dns" listing and any connection name: the scan
// ends without a fault, repairs only after a line naming the connection, and
// gives the same answer and the same repairs whether it reads the stream or a
// snapshot that the repairs rewrite WorkFile underneath.
//
// Input: the first byte is the name's length, the name follows, then the listing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "contracts/Tools.h"
#include "netdiag/Scans.h"
#include "platform/sim/SimulatedPc.h"
#include "runner/WorkFileReader.h"

namespace {

struct Outcome {
    int result;
    int repairs;
};

Outcome Scan(sim::SimulatedPc& pc, CWnd& owner, const std::string& pattern, bool snapshot) {
    WorkFileReader reader(owner);
    if (!reader.Open()) std::abort();  // the file is there
    if (snapshot) reader.Snapshot();
    Outcome outcome{0, 0};
    outcome.result = ScanShowDns(reader, pattern.c_str(), [&] {
        ++outcome.repairs;
        // What a repair run does to the file; only a snapshot may take it.
        if (snapshot) pc.PutFile(contracts::WorkFile, "Ok.\r\n\r\n");
    });
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::size_t nameLength = data[0] < size - 1 ? data[0] : size - 1;
    std::string name(reinterpret_cast<const char*>(data + 1), nameLength);
    name = name.substr(0, name.find('\0'));  // a name is C text
    const std::string pattern = QuotedKey(name);
    const std::string listing(reinterpret_cast<const char*>(data + 1 + nameLength), size - 1 - nameLength);

    sim::SimulatedPc pc;
    CWnd owner;
    pc.PutFile(contracts::WorkFile, listing);
    const Outcome streamed = Scan(pc, owner, pattern, false);
    pc.PutFile(contracts::WorkFile, listing);
    const Outcome snapped = Scan(pc, owner, pattern, true);

    if (streamed.result != snapped.result || streamed.repairs != snapped.repairs) std::abort();
    if (streamed.result != kCheckNo && streamed.result != kCheckYes) std::abort();
    if ((streamed.result == kCheckYes || streamed.repairs > 0) && listing.find(pattern) == std::string::npos) {
        std::abort();
    }
    if (streamed.result == kCheckYes && listing.find(contracts::kDnsFromDhcp) == std::string::npos) std::abort();
    if (pc.OpenTextCount() != 0) std::abort();
    return 0;
}
