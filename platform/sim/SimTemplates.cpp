// The program's dialog templates as far as the simulation needs them: title and
// control ids.
#include "platform/Defs.h"
#include "platform/sim/SimInternals.h"
#include "res/resource.h"

namespace sim {

const Template* FindTemplate(int id) {
    static const Template kTemplates[] = {
        {IDD_KELVANE_DIALOG, "Kelvane", {IDC_LOGIN, IDC_LOGOUT, IDC_BRIDGE_SWITCH, IDC_STATUS_PICTURE}},
        {IDD_ABOUTBOX, "About Kelvane", {IDOK}},
        {IDD_ADAPTER_LIST, "Network Adapters on Local Computer", {IDOK, IDC_ADAPTER_LIST}},
    };
    for (const Template& t : kTemplates) {
        if (t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace sim
