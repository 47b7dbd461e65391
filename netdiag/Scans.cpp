#include "netdiag/Scans.h"

#include <cstring>

#include "app/ModemDlg.h"
#include "contracts/Tools.h"
#include "runner/WorkFileReader.h"

std::string UpperAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

AdapterKeyCut CutAdapterKey(const std::string& key) {
    AdapterKeyCut cut;
    const std::size_t slash = key.find('\\');
    cut.bus = slash == std::string::npos ? key : key.substr(0, slash);
    const std::string rest = UpperAscii(slash == std::string::npos ? key : key.substr(slash + 1));
    // The device key names vendor and device; subsystem and revision differ
    // between the device id and the enumeration's key names.
    const std::size_t first = rest.find('&');
    const std::size_t second = first == std::string::npos ? std::string::npos : rest.find('&', first + 1);
    cut.match = second == std::string::npos ? rest : rest.substr(0, second);
    return cut;
}

std::string QuotedKey(const std::string& key) { return '"' + key + '"'; }

bool BuildDhcpCommand(char (&line)[kCommandLineSize], const char* prefix, const std::string& key) {
    line[0] = '\0';
    if (key.size() > kMaxAdapterKeyLength || key.find_first_of(std::string("\"\0", 2)) != std::string::npos) {
        return false;
    }
    const std::string command = prefix + QuotedKey(key) + contracts::kDhcpSuffix;
    if (command.size() >= kCommandLineSize) return false;
    std::memcpy(line, command.c_str(), command.size() + 1);
    return true;
}

int ScanShowAddress(WorkFileReader& reader, const char* pattern) {
    while (!reader.AtEnd()) {
        if (!reader.ReadLine()) break;
        if (reader.Contains(contracts::kErrorObtainingConfiguration)) return kCheckFailed;
        if (reader.Contains(pattern)) {
            reader.ReadLine();  // at the end it reads as empty
            if (reader.Contains(contracts::kAddressAutomatic)) return kCheckYes;
        }
    }
    return kCheckNo;
}

int ScanSetAddress(WorkFileReader& reader) {
    while (!reader.AtEnd()) {
        if (!reader.ReadLine()) break;
        if (reader.Contains(contracts::kErrorObtainingConfiguration)) return kCheckFailed;
        if (reader.Contains(contracts::kOk)) return kCheckYes;
    }
    // Newer netsh prints nothing on success.
    return kCheckYes;
}

int ScanShowDns(WorkFileReader& reader, const char* pattern, const std::function<void()>& repair) {
    while (!reader.AtEnd()) {
        if (!reader.ReadLine()) break;
        if (!reader.Contains(pattern)) continue;
        reader.ReadLine();  // at the end it reads as empty
        if (reader.Contains(contracts::kDnsFromDhcp)) return kCheckYes;
        repair();
    }
    return kCheckNo;
}
