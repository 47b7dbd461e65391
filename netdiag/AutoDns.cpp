// Does the PC obtain its DNS servers automatically, switching it over at once
// when not: Windows 95/98/Me through the one global TCP/IP value, the NT
// family per connection through netsh.
#include "app/ModemDlg.h"
#include "contracts/Registry.h"
#include "contracts/Tools.h"
#include "netdiag/RegRead.h"
#include "netdiag/Scans.h"
#include "runner/ToolPath.h"
#include "runner/WorkFileReader.h"

int CModemDlg::CheckAutoDns(int family, std::string key) {
    using namespace contracts;
    if (family == kFamily9x) {
        ScopedRegKey mstcp;
        if (!mstcp.OpenEx(HKEY_LOCAL_MACHINE, kMstcpKey, KEY_ALL_ACCESS)) return kCheckNo;
        unsigned char data[kEnableDnsSize];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (plat::registry().QueryValueEx(mstcp.get(), kValueEnableDNS, &type, data, &size) != ERROR_SUCCESS) {
            return kCheckNo;
        }
        if (RegistryText(data, size) == kAutomaticDns) return kCheckYes;
        WriteRegistryValue(HKEY_LOCAL_MACHINE, kMstcpKey, kValueEnableDNS,
                           reinterpret_cast<const unsigned char*>(kAutomaticDns), REG_SZ,
                           sizeof kAutomaticDns - 1);  // the NUL is not stored
        return kCheckNo;
    }
    if (family != kFamilyNt) return kCheckNo;

    char program[MAX_PATH];
    BuildToolPath(kFamilyNt, kNetshExe, program);
    RunCommand(kShowDns.label, program, kShowDns.commandLine, kShowDns.waitSeconds, SW_HIDE);
    WorkFileReader reader(*this);
    if (!reader.Open()) return kCheckFailed;
    // The repair run recreates WorkFile; the scan goes on over the listing as
    // it was.
    reader.Snapshot();

    char command[kCommandLineSize];
    const bool repairable = BuildDhcpCommand(command, kSetDnsDhcp.commandLine, key);
    return ScanShowDns(reader, QuotedKey(key).c_str(), [&] {
        if (repairable) RunCommand(kSetDnsDhcp.label, program, command, kSetDnsDhcp.waitSeconds, SW_HIDE);
    });
}
