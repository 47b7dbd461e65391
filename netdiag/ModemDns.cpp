#include "app/ModemDlg.h"
#include "contracts/Tools.h"
#include "netdiag/ModemDnsScan.h"
#include "runner/ToolPath.h"
#include "runner/WorkFileReader.h"

int CModemDlg::CheckModemDns(int family, std::string /*text: no effect*/) {
    const contracts::ToolStep* step = nullptr;
    if (family == kFamily9x) {
        step = &contracts::kIpconfigAll9x;
    } else if (family == kFamilyNt) {
        step = &contracts::kIpconfigAllNt;
    } else {
        return kCheckNo;
    }

    char programPath[MAX_PATH];
    BuildToolPath(family, contracts::kIpconfigExe, programPath);
    // Whatever the run reported, WorkFile holds what there is to read.
    RunCommand(step->label, programPath, step->commandLine, step->waitSeconds, SW_HIDE);

    WorkFileReader reader(*this);
    if (!reader.Open()) return kCheckFailed;
    const bool found = ScanForModemDns(reader, family);
    reader.Close();
    return found ? kCheckYes : kCheckNo;
}
