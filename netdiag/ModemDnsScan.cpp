#include "netdiag/ModemDnsScan.h"

#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "contracts/Tools.h"

bool ScanForModemDns(WorkFileReader& reader, int family) {
    std::string match;
    if (family == kFamily9x) {
        match = contracts::ModemAddress;
    } else if (family == kFamilyNt) {
        // Only the DNS line counts: the address as gateway or DHCP server, or
        // on a continuation line, says nothing about the PC's DNS server.
        match = std::string(contracts::kDnsServersLabel) + contracts::ModemAddress;
    } else {
        return false;
    }
    while (!reader.AtEnd()) {
        if (!reader.ReadLine()) break;
        if (reader.Contains(match.c_str())) return true;
    }
    return false;
}
