// NT family: the cards as "ipconfig /all" lists them. Each "Ethernet adapter "
// header opens a block whose Description line, within a few lines below it,
// tells what the card is.
#include <cstring>
#include <string>

#include "contracts/Tools.h"
#include "netdiag/AdapterScan.h"

namespace {

constexpr char kCrLf[] = "\r\n";

void EraseAll(std::string& text, const char* what) {
    const std::size_t length = std::strlen(what);
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at))
        text.erase(at, length);
}

// A text-mode read leaves a bare line feed where the tool wrote CR LF; the
// checks that use the name need it without any line-end character.
void RemoveLineEnd(std::string& text) {
    EraseAll(text, kCrLf);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
}

std::string ConnectionName(const char* header) {
    std::string name(header);
    name.erase(0, std::strlen(contracts::kEthernetAdapterHeader));
    EraseAll(name, ":");
    RemoveLineEnd(name);
    return name;
}

// A name that would not survive as a whole on a netsh command line: too long
// for the command buffers, or holding the quote that delimits it there.
bool IsUsableConnectionName(const std::string& name) {
    return name.size() < static_cast<std::size_t>(AdapterTableData::kTextSize) &&
           name.find('"') == std::string::npos;
}

// The value of a Description line. Windows XP puts it at a fixed column, right
// after the 44-character label; newer Windows indent the label 3 blanks, so
// there it follows the label's separator.
std::string DescriptionValue(const char* line, bool indented3) {
    std::string value(line);
    if (indented3) {
        const std::size_t separator =
            value.find(contracts::kLabelValueSeparator, std::strlen(contracts::kDescriptionIndented3));
        if (separator == std::string::npos) return {};
        value.erase(0, separator + std::strlen(contracts::kLabelValueSeparator));
    } else {
        value.erase(0, std::strlen(contracts::kDescriptionLabel));
    }
    RemoveLineEnd(value);
    return value;
}

// Reads the window of lines below a header. Those lines are not looked at for
// another header, and once the card is recorded not for another Description
// either: that one would belong to the next card, not to this name.
void ReadAdapterBlock(WorkFileReader& reader, AdapterTableData& table, const std::string& name) {
    const bool nameUsable = IsUsableConnectionName(name);
    bool recorded = false;
    for (int line = 0; line < kAdapterBlockWindow; ++line) {
        reader.ReadLine();
        if (recorded || !reader.Contains(contracts::kDescription)) continue;

        char* text = reader.MutableLine();
        const bool indented3 = std::strncmp(text, contracts::kDescriptionIndented3,
                                            std::strlen(contracts::kDescriptionIndented3)) == 0;
        UpperCaseAscii(text);
        if (IsExcludedDescription(text) || !nameUsable) return;
        RecordAdapter(table, name.c_str(), DescriptionValue(text, indented3).c_str());
        recorded = true;
    }
}

}  // namespace

void ScanAdapterBlocks(WorkFileReader& reader, AdapterTableData& table) {
    table.lastIndex = -1;
    for (int pass = 0; pass < kAdapterScanPasses && !reader.AtEnd(); ++pass) {
        if (!reader.ReadLine()) break;
        if (!reader.Contains(contracts::kEthernetAdapterHeader)) continue;
        ReadAdapterBlock(reader, table, ConnectionName(reader.Line()));
    }
}
