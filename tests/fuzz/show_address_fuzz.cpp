// Any "netsh interface ip show address" listing is scanned without a fault,
// the answer is one of the three, and it only ever rests on text the listing
// really holds; a snapshot of the listing scans exactly as the stream.
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

constexpr char kPattern[] = "\"Local Area Connection\"";

int Scan(CWnd& owner, bool snapshot) {
    WorkFileReader reader(owner);
    if (!reader.Open()) std::abort();  // the file was just put there
    if (snapshot) reader.Snapshot();
    return ScanShowAddress(reader, kPattern);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string listing(reinterpret_cast<const char*>(data), size);
    sim::SimulatedPc pc;
    pc.PutFile(contracts::WorkFile, listing);
    CWnd owner;

    const int result = Scan(owner, false);
    if (result != Scan(owner, true)) std::abort();
    switch (result) {
        case kCheckNo:
            break;
        case kCheckYes:
            if (listing.find(kPattern) == std::string::npos ||
                listing.find(contracts::kAddressAutomatic) == std::string::npos) {
                std::abort();
            }
            break;
        case kCheckFailed:
            if (listing.find(contracts::kErrorObtainingConfiguration) == std::string::npos) std::abort();
            break;
        default:
            std::abort();
    }
    if (pc.OpenTextCount() != 0) std::abort();
    return 0;
}
