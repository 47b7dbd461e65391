// ADVAPI32 registry calls. The seam carries the predefined roots as their
// 32-bit values; on 64-bit Windows the real HKEY constants are those values
// sign-extended, so the two roots the program uses are mapped here.
#include "platform/win32/Win32Layer.h"

namespace win32 {
namespace {

constexpr plat::Hkey kSeamCurrentUser = 0x80000001u;
constexpr plat::Hkey kSeamLocalMachine = 0x80000002u;

HKEY ToHkey(plat::Hkey key) {
    if (key == kSeamCurrentUser) return HKEY_CURRENT_USER;
    if (key == kSeamLocalMachine) return HKEY_LOCAL_MACHINE;
    return reinterpret_cast<HKEY>(key);
}

plat::Hkey FromHkey(HKEY key) { return reinterpret_cast<plat::Hkey>(key); }

}  // namespace

long Registry::OpenKey(plat::Hkey root, const char* subKey, plat::Hkey* result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyA(ToHkey(root), subKey, &key);
    if (result) *result = FromHkey(key);
    return status;
}

long Registry::OpenKeyEx(plat::Hkey root, const char* subKey, std::uint32_t options,
                         std::uint32_t access, plat::Hkey* result) {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExA(ToHkey(root), subKey, options, access, &key);
    if (result) *result = FromHkey(key);
    return status;
}

long Registry::EnumKey(plat::Hkey key, std::uint32_t index, char* name, std::uint32_t size) {
    return RegEnumKeyA(ToHkey(key), index, name, size);
}

long Registry::QueryValueEx(plat::Hkey key, const char* name, std::uint32_t* type,
                            unsigned char* data, std::uint32_t* size) {
    DWORD valueType = 0;
    DWORD dataSize = size ? *size : 0;
    const LONG status = RegQueryValueExA(ToHkey(key), name, nullptr, type ? &valueType : nullptr,
                                         data, size ? &dataSize : nullptr);
    if (type) *type = valueType;
    if (size) *size = dataSize;
    return status;
}

long Registry::CreateKeyEx(plat::Hkey root, const char* subKey, std::uint32_t options,
                           std::uint32_t access, plat::Hkey* result, std::uint32_t* disposition) {
    HKEY key = nullptr;
    DWORD created = 0;
    const LONG status = RegCreateKeyExA(ToHkey(root), subKey, 0, nullptr, options, access, nullptr,
                                        &key, disposition ? &created : nullptr);
    if (result) *result = FromHkey(key);
    if (disposition) *disposition = created;
    return status;
}

long Registry::SetValueEx(plat::Hkey key, const char* name, std::uint32_t type,
                          const unsigned char* data, std::uint32_t size) {
    return RegSetValueExA(ToHkey(key), name, 0, type, data, size);
}

long Registry::CloseKey(plat::Hkey key) { return RegCloseKey(ToHkey(key)); }

}  // namespace win32
