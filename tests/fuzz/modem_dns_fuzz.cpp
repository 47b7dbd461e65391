// Any "ipconfig /all" listing, however malformed, is scanned for the modem
// without a crash, and a snapshot of the listing scans exactly as the stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "netdiag/ModemDnsScan.h"
#include "platform/sim/SimulatedPc.h"
#include "runner/WorkFileReader.h"

namespace {

bool Scan(CWnd& owner, int family, bool snapshot) {
    WorkFileReader reader(owner);
    if (!reader.Open()) std::abort();  // the file was just put there
    if (snapshot) reader.Snapshot();
    return ScanForModemDns(reader, family);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // One PC for every input: each input replaces WorkFile, and every stream
    // is closed again before the next.
    static sim::SimulatedPc pc;
    pc.PutFile(contracts::WorkFile, std::string(reinterpret_cast<const char*>(data), size));
    CWnd owner;
    for (int family : {kFamily9x, kFamilyNt}) {
        if (Scan(owner, family, false) != Scan(owner, family, true)) std::abort();
    }
    if (pc.OpenTextCount() != 0) std::abort();
    return 0;
}
