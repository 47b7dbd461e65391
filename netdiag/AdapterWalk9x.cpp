// Windows 95/98/Me: the cards as the network class key describes them, one
// sub-key per installed network component.
#include <cstdio>
#include <cstring>

#include "contracts/Registry.h"
#include "contracts/Tools.h"
#include "netdiag/AdapterScan.h"
#include "netdiag/RegRead.h"

namespace {

constexpr std::size_t kKeyPathSize = 128;

// Reads a text value into buffer, which holds size + 1 bytes: the value may
// take all size bytes without a terminating NUL, and the extra byte keeps it
// a string. A value that does not fit counts as unreadable.
bool ReadText(const ScopedRegKey& key, const char* name, char* buffer, DWORD size) {
    std::memset(buffer, 0, size + 1);
    DWORD type = 0;
    DWORD bytes = size;
    return plat::registry().QueryValueEx(key.get(), name, &type,
                                         reinterpret_cast<unsigned char*>(buffer),
                                         &bytes) == ERROR_SUCCESS;
}

// Only a card whose lower interface is ethernet leads to the modem. A card
// that does not say is given the benefit of the doubt.
bool LowerInterfaceAllows(const char* subKey) {
    char path[kKeyPathSize];
    std::snprintf(path, sizeof path, "%s\\%s%s", contracts::kNetClassKey, subKey,
                  contracts::kNdiInterfaces);
    ScopedRegKey interfaces;
    if (!interfaces.Open(HKEY_LOCAL_MACHINE, path)) return true;
    char lower[contracts::kLowerSize + 1];
    if (!ReadText(interfaces, contracts::kValueLower, lower, contracts::kLowerSize)) return true;
    return std::strstr(lower, contracts::kLowerEthernet) != nullptr;
}

bool IsExcludedDeviceId(const char* deviceId) {
    for (const char* excluded : contracts::kExcludedDeviceIds) {
        if (std::strstr(deviceId, excluded)) return true;
    }
    return false;
}

void ExamineCard(AdapterTableData& table, const char* subKey) {
    if (!LowerInterfaceAllows(subKey)) return;

    char path[kKeyPathSize];
    std::snprintf(path, sizeof path, "%s\\%s", contracts::kNetClassKey, subKey);
    ScopedRegKey card;
    if (!card.Open(HKEY_LOCAL_MACHINE, path)) return;

    char description[contracts::kDriverDescSize + 1];
    if (!ReadText(card, contracts::kValueDriverDesc, description, contracts::kDriverDescSize))
        return;
    UpperCaseAscii(description);
    if (IsExcludedDescription(description)) return;

    char deviceId[contracts::kMatchingDeviceIdSize + 1];
    if (!ReadText(card, contracts::kValueMatchingDeviceId, deviceId,
                  contracts::kMatchingDeviceIdSize))
        return;
    if (IsExcludedDeviceId(deviceId)) return;

    RecordAdapter(table, deviceId, description);
}

}  // namespace

bool WalkNetClassKey(AdapterTableData& table) {
    ScopedRegKey classKey;
    if (!classKey.Open(HKEY_LOCAL_MACHINE, contracts::kNetClassKey)) return false;

    table.lastIndex = -1;
    // The walk ends at the first failing enumeration: the end of the list, or
    // a sub-key name too long for the buffer.
    char subKey[contracts::kClassSubKeyNameSize] = {};
    for (DWORD index = 0; plat::registry().EnumKey(classKey.get(), index, subKey,
                                                    contracts::kClassSubKeyNameSize) == ERROR_SUCCESS;
         ++index) {
        ExamineCard(table, subKey);
    }
    return true;
}
