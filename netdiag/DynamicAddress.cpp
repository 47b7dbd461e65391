// Does the chosen card obtain its IPv4 address by DHCP, and switching it over
// when not: Windows 95/98/Me through the registry values of the card's TCP/IP
// binding, the NT family through netsh.
#include "app/ModemDlg.h"
#include "contracts/Registry.h"
#include "contracts/Tools.h"
#include "netdiag/RegRead.h"
#include "netdiag/Scans.h"
#include "runner/ToolPath.h"
#include "runner/WorkFileReader.h"

namespace {

// Both "IPAddress" and "IPMask" read exactly "0.0.0.0" under the class key.
int AddressAutomaticIn(const std::string& classKey) {
    using namespace contracts;
    // No binding found: there is no class key to look in (the empty path
    // would be the root of HKEY_LOCAL_MACHINE).
    if (classKey.empty()) return kCheckNo;
    ScopedRegKey key;
    if (!key.Open(HKEY_LOCAL_MACHINE, classKey.c_str())) return kCheckNo;
    for (const char* name : {kValueIPAddress, kValueIPMask}) {
        unsigned char data[kAddressValueSize];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (plat::registry().QueryValueEx(key.get(), name, &type, data, &size) != ERROR_SUCCESS) {
            return kCheckNo;
        }
        if (RegistryText(data, size) != kAutomaticAddress) return kCheckNo;
    }
    return kCheckYes;
}

}  // namespace

int CModemDlg::CheckDynamicAddress(int family, std::string key) {
    using namespace contracts;
    if (family == kFamily9x) return AddressAutomaticIn(LookupTcpClassKey(key));
    if (family != kFamilyNt) return kCheckNo;

    char program[MAX_PATH];
    BuildToolPath(kFamilyNt, kNetshExe, program);
    RunCommand(kShowAddress.label, program, kShowAddress.commandLine, kShowAddress.waitSeconds, SW_HIDE);
    WorkFileReader reader(*this);
    if (!reader.Open()) return kCheckFailed;
    return ScanShowAddress(reader, QuotedKey(key).c_str());
}

int CModemDlg::SetDynamicAddress(int family, std::string key) {
    using namespace contracts;
    if (family == kFamily9x) {
        const std::string classKey = LookupTcpClassKey(key);
        // The values belong to the binding's class key and nowhere else.
        if (classKey.empty()) return kCheckFailed;
        const auto* automatic = reinterpret_cast<const unsigned char*>(kAutomaticAddress);
        const DWORD length = sizeof kAutomaticAddress - 1;  // the NUL is not stored
        WriteRegistryValue(HKEY_LOCAL_MACHINE, classKey.c_str(), kValueIPAddress, automatic, REG_SZ, length);
        WriteRegistryValue(HKEY_LOCAL_MACHINE, classKey.c_str(), kValueIPMask, automatic, REG_SZ, length);
        return kCheckYes;
    }
    if (family != kFamilyNt) return kCheckYes;

    char command[kCommandLineSize];
    if (!BuildDhcpCommand(command, kSetAddressDhcp.commandLine, key)) return kCheckFailed;
    char program[MAX_PATH];
    BuildToolPath(kFamilyNt, kNetshExe, program);
    RunCommand(kSetAddressDhcp.label, program, command, kSetAddressDhcp.waitSeconds, SW_HIDE);
    WorkFileReader reader(*this);
    if (!reader.Open()) return kCheckFailed;
    return ScanSetAddress(reader);
}
