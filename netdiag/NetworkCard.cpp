// Finds the card that leads to the modem: a discovery by the platform's own
// route, then the user's choice when more than one card qualifies.
#include "app/ModemDlg.h"
#include "contracts/Tools.h"
#include "netdiag/AdapterScan.h"
#include "netdiag/Checks.h"
#include "runner/ToolPath.h"
#include "runner/WorkFileReader.h"

AdapterTableData AdapterTable;

namespace {

// The slot's text; the table keeps every slot terminated.
std::string KeyAt(int slot) { return AdapterTable.keys[slot]; }

}  // namespace

std::string CModemDlg::FindNetworkCard(int family) {
    if (family == kFamily9x) {
        WalkNetClassKey(AdapterTable);
    } else if (family == kFamilyNt) {
        char program[MAX_PATH];
        BuildToolPath(kFamilyNt, contracts::kIpconfigExe, program);
        const contracts::ToolStep& step = contracts::kIpconfigAllNt;
        RunCommand(step.label, program, step.commandLine, step.waitSeconds, SW_HIDE);

        WorkFileReader reader(*this);
        if (reader.Open()) {
            ScanAdapterBlocks(reader, AdapterTable);
            reader.Close();
        } else {
            AdapterTable.lastIndex = -1;
        }
    }
    // Any other family discovers nothing: the table answers as it stands.

    if (AdapterTable.lastIndex >= 1) {
        CAdapterListDlg list;
        list.DoModal();
        return KeyAt(AdapterTable.selectedIndex);
    }
    if (AdapterTable.lastIndex == 0) return KeyAt(0);
    return kNoAdapterKey;
}
