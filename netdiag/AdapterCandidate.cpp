// The rules every discovery applies to a candidate, whichever route found it.
#include <cstring>

#include "contracts/Tools.h"
#include "netdiag/AdapterScan.h"

void UpperCaseAscii(char* text) {
    for (; *text; ++text) {
        if (*text >= 'a' && *text <= 'z') *text = static_cast<char>(*text - 'a' + 'A');
    }
}

bool IsExcludedDescription(const char* upperDescription) {
    for (const char* excluded : contracts::kExcludedDescriptions) {
        if (std::strstr(upperDescription, excluded)) return true;
    }
    return false;
}

bool RecordAdapter(AdapterTableData& table, const char* key, const char* description) {
    constexpr int kMaxText = AdapterTableData::kTextSize - 1;
    if (std::strlen(key) > static_cast<std::size_t>(kMaxText)) return false;
    if (table.lastIndex >= AdapterTableData::kSlots - 1) return false;

    const int slot = ++table.lastIndex;
    std::strncpy(table.keys[slot], key, kMaxText);
    table.keys[slot][kMaxText] = '\0';
    std::strncpy(table.descriptions[slot], description, kMaxText);
    table.descriptions[slot][kMaxText] = '\0';
    return true;
}
