// Windows 95/98/Me: from a card's device id to the class key of its TCP/IP
// binding, through the hardware enumeration, the bindings of the card's
// hardware instances and the driver entry of the bound protocol instance.
#include <cstring>
#include <initializer_list>

#include "app/ModemDlg.h"
#include "contracts/Registry.h"
#include "netdiag/RegRead.h"
#include "netdiag/Scans.h"

namespace {

constexpr std::size_t kKeyPathSize = 512;
constexpr std::size_t kClassKeySize = 128;

// Joins the parts into buffer. A path that does not fit is never used cut
// short (it would name another key): the buffer is then empty and the result
// false.
template <std::size_t N>
bool JoinPath(char (&buffer)[N], std::initializer_list<const char*> parts) {
    std::size_t used = 0;
    for (const char* part : parts) {
        const std::size_t length = std::strlen(part);
        if (length >= N - used) {
            buffer[0] = '\0';
            return false;
        }
        std::memcpy(buffer + used, part, length);
        used += length;
    }
    buffer[used] = '\0';
    return true;
}

// Sub-key at index of key into name; false when the enumeration is over.
template <std::size_t N>
bool SubKeyAt(const ScopedRegKey& key, DWORD index, char (&name)[N]) {
    if (plat::registry().EnumKey(key.get(), index, name, N) != ERROR_SUCCESS) return false;
    name[N - 1] = '\0';
    return true;
}

// The class key that the protocol instance's "Driver" names, or the empty
// text. An empty "Driver" would name the class root, and one too long for
// the result would name another key if cut: neither gives a class key.
std::string ClassKeyOfInstance(const char* instancePath) {
    using namespace contracts;
    ScopedRegKey instance;
    if (!instance.Open(HKEY_LOCAL_MACHINE, instancePath)) return {};
    unsigned char driver[kDriverSize] = {};
    DWORD size = sizeof driver;
    DWORD type = 0;
    if (plat::registry().QueryValueEx(instance.get(), kValueDriver, &type, driver, &size) != ERROR_SUCCESS) {
        return {};
    }
    const std::string text = RegistryText(driver, size);
    char classKey[kClassKeySize];
    if (text.empty() || !JoinPath(classKey, {kServicesClassKey, "\\", text.c_str()})) return {};
    return classKey;
}

}  // namespace

std::string CModemDlg::LookupTcpClassKey(std::string key) {
    using namespace contracts;
    plat::Registry& registry = plat::registry();
    const AdapterKeyCut cut = CutAdapterKey(key);
    std::string result;

    // An empty match text is in every device name: it would pick some other
    // card's binding.
    if (cut.match.empty()) return result;

    char busPath[kKeyPathSize];
    if (!JoinPath(busPath, {kEnumKey, "\\", cut.bus.c_str()})) return result;
    ScopedRegKey bus;
    if (!bus.Open(HKEY_LOCAL_MACHINE, busPath)) return result;

    // Only the first device that matches is examined.
    char device[kDeviceNameSize];
    bool found = false;
    for (DWORD index = 0; !found && SubKeyAt(bus, index, device); ++index) {
        found = std::strstr(device, cut.match.c_str()) != nullptr;
    }
    if (!found) return result;

    ScopedRegKey protocols;
    if (!protocols.Open(HKEY_LOCAL_MACHINE, kMstcpEnumKey)) return result;
    char devicePath[kKeyPathSize];
    if (!JoinPath(devicePath, {busPath, "\\", device})) return result;

    // Every bound pair is visited; the last one with a driver entry wins.
    char instance[kProtocolInstanceNameSize];
    for (DWORD p = 0; SubKeyAt(protocols, p, instance); ++p) {
        char bindingName[kBindingValueSize];
        char instancePath[kKeyPathSize];
        if (!JoinPath(bindingName, {kMstcpBindingPrefix, instance}) ||
            !JoinPath(instancePath, {kMstcpEnumKey, "\\", instance})) {
            continue;
        }
        ScopedRegKey deviceKey;
        if (!deviceKey.Open(HKEY_LOCAL_MACHINE, devicePath)) continue;

        char hardware[kHardwareInstanceNameSize];
        for (DWORD h = 0; SubKeyAt(deviceKey, h, hardware); ++h) {
            char bindingsPath[kKeyPathSize];
            if (!JoinPath(bindingsPath, {devicePath, "\\", hardware, "\\", kBindings})) continue;
            ScopedRegKey bindings;
            if (!bindings.Open(HKEY_LOCAL_MACHINE, bindingsPath)) continue;

            // Only the binding's presence counts, not its data.
            unsigned char data[kBindingValueSize];
            DWORD size = sizeof data;
            DWORD type = 0;
            if (registry.QueryValueEx(bindings.get(), bindingName, &type, data, &size) != ERROR_SUCCESS) {
                continue;
            }
            const std::string classKey = ClassKeyOfInstance(instancePath);
            if (!classKey.empty()) result = classKey;
        }
    }
    return result;
}
