// Registry access as the checks do it: keys that close themselves on every
// path, and value text read the way the stored data may come (with or without
// its terminating NUL).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

#include "platform/Platform.h"

// One key opened by a check; closed when it goes out of scope, so keys opened
// one inside the other close in the reverse order.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() {
        if (m_open) plat::registry().CloseKey(m_key);
    }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;

    // RegOpenKeyA.
    bool Open(plat::Hkey root, const char* subKey) {
        m_open = plat::registry().OpenKey(root, subKey, &m_key) == 0;
        return m_open;
    }
    // RegOpenKeyExA.
    bool OpenEx(plat::Hkey root, const char* subKey, std::uint32_t access) {
        m_open = plat::registry().OpenKeyEx(root, subKey, 0, access, &m_key) == 0;
        return m_open;
    }
    plat::Hkey get() const { return m_key; }

private:
    plat::Hkey m_key = 0;
    bool m_open = false;
};

// The text of a value as read: up to its first NUL or the end of the data,
// whichever comes first. Data stored without a NUL has none to stop at.
inline std::string RegistryText(const unsigned char* data, std::uint32_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    const void* nul = std::memchr(text, '\0', size);
    return std::string(text, nul ? static_cast<const char*>(nul) - text : size);
}
