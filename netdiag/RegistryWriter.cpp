#include <cstdint>
#include <string>

#include "app/ModemDlg.h"
#include "contracts/Modem.h"
#include "contracts/Registry.h"
#include "netdiag/Checks.h"

void CModemDlg::WriteRegistryValue(plat::Hkey root, const char* subKey, const char* valueName,
                                   const unsigned char* data, DWORD type, DWORD size) {
    plat::Registry& registry = plat::registry();
    plat::Hkey key = 0;
    std::uint32_t disposition = 0;  // created or opened: either will do
    if (registry.CreateKeyEx(root, subKey, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, &key,
                             &disposition) != ERROR_SUCCESS) {
        MessageBox(kSetRegistryFail);
        return;
    }
    const long set = registry.SetValueEx(key, valueName, type, data, size);
    registry.CloseKey(key);
    if (set != ERROR_SUCCESS) MessageBox(kSetRegistryFail);
}

namespace {

// The value as a 32-bit little-endian number, whatever type it was stored with.
std::uint32_t LittleEndian32(const unsigned char (&bytes)[contracts::kProxyEnableSize]) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Whether the browser has a proxy in use that could capture the modem's address.
bool ProxyInUse(plat::Hkey settings) {
    plat::Registry& registry = plat::registry();
    std::uint32_t type = 0;  // not examined

    // Zeroed first, so a shorter value such as one binary byte reads as its number.
    unsigned char enable[contracts::kProxyEnableSize] = {};
    std::uint32_t size = sizeof enable;
    if (registry.QueryValueEx(settings, contracts::kValueProxyEnable, &type, enable, &size) !=
        ERROR_SUCCESS)
        return false;
    if (LittleEndian32(enable) != 1) return false;

    unsigned char server[contracts::kProxyServerSize] = {};
    size = sizeof server;
    return registry.QueryValueEx(settings, contracts::kValueProxyServer, &type, server, &size) ==
           ERROR_SUCCESS;
}

}  // namespace

void CModemDlg::SetProxyBypass() {
    plat::Hkey settings = 0;
    if (plat::registry().OpenKeyEx(HKEY_CURRENT_USER, contracts::kInternetSettingsKey, 0,
                                   KEY_ALL_ACCESS, &settings) != ERROR_SUCCESS)
        return;
    if (ProxyInUse(settings)) {
        // The whole list is replaced; the count leaves out the terminating NUL.
        const std::string bypass =
            std::string(contracts::ModemAddress) + contracts::kLocalBypassSuffix;
        WriteRegistryValue(HKEY_CURRENT_USER, contracts::kInternetSettingsKey,
                           contracts::kValueProxyOverride,
                           reinterpret_cast<const unsigned char*>(bypass.c_str()), REG_SZ,
                           static_cast<DWORD>(bypass.size()));
    }
    plat::registry().CloseKey(settings);
}
