// Arbitrary "ipconfig /all" output through the adapter block scan: the table
// must stay within its slots and every text within its 64 bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "contracts/Modem.h"
#include "netdiag/AdapterScan.h"
#include "platform/sim/SimulatedPc.h"
#include "runner/WorkFileReader.h"

namespace {

bool Terminated(const char (&text)[AdapterTableData::kTextSize]) {
    return std::memchr(text, '\0', sizeof text) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    sim::SimulatedPc sim;
    sim.PutFile(contracts::WorkFile, std::string(reinterpret_cast<const char*>(data), size));

    CWnd owner;
    WorkFileReader reader(owner);
    if (!reader.Open()) std::abort();

    // Leftovers of an earlier discovery must not matter either.
    AdapterTableData table;
    table.lastIndex = AdapterTableData::kSlots - 1;
    std::memset(table.keys, 'k', sizeof table.keys);
    std::memset(table.descriptions, 'd', sizeof table.descriptions);
    for (int slot = 0; slot < AdapterTableData::kSlots; ++slot) {
        table.keys[slot][AdapterTableData::kTextSize - 1] = '\0';
        table.descriptions[slot][AdapterTableData::kTextSize - 1] = '\0';
    }

    ScanAdapterBlocks(reader, table);

    if (table.lastIndex < -1 || table.lastIndex >= AdapterTableData::kSlots) std::abort();
    for (int slot = 0; slot < AdapterTableData::kSlots; ++slot) {
        if (!Terminated(table.keys[slot]) || !Terminated(table.descriptions[slot])) std::abort();
    }
    for (int slot = 0; slot <= table.lastIndex; ++slot) {
        const char* key = table.keys[slot];
        if (std::strchr(key, '"') || std::strchr(key, ':') || std::strchr(key, '\n')) std::abort();
    }
    return 0;
}
