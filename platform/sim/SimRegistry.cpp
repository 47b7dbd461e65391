// The program's registry calls on the simulated PC: handles over the store.
#include <cstring>

#include "platform/Defs.h"
#include "platform/sim/SimInternals.h"
#include "platform/sim/SimRegistryStore.h"

namespace sim {
namespace {

constexpr long kInvalidParameter = 87;
constexpr std::uint32_t kWriteAccess = 0x2 /* KEY_SET_VALUE */ | 0x4 /* KEY_CREATE_SUB_KEY */;
constexpr std::uint32_t kCreatedNewKey = 1, kOpenedExistingKey = 2;

class SimRegistry : public plat::Registry {
public:
    explicit SimRegistry(SimulatedPc& pc) : pc_(pc) {}

    long OpenKey(plat::Hkey root, const char* subKey, plat::Hkey* result) override {
        return Open(root, subKey, 0, result);
    }

    long OpenKeyEx(plat::Hkey root, const char* subKey, std::uint32_t, std::uint32_t access,
                   plat::Hkey* result) override {
        return Open(root, subKey, access, result);
    }

    long EnumKey(plat::Hkey hkey, std::uint32_t index, char* name, std::uint32_t size) override {
        std::string path;
        if (!Resolve(hkey, path)) return ERROR_INVALID_HANDLE;
        auto key = WalkKey(pc_.registry, SplitKeyPath(path), false);
        if (!key) return ERROR_INVALID_HANDLE;  // cannot happen: keys are never deleted
        if (index >= key->children.size()) return ERROR_NO_MORE_ITEMS;
        auto it = key->children.begin();
        std::advance(it, index);
        const std::string& child = it->second->name;
        if (!name || child.size() + 1 > size) return ERROR_MORE_DATA;
        std::memcpy(name, child.c_str(), child.size() + 1);
        return ERROR_SUCCESS;
    }

    long QueryValueEx(plat::Hkey hkey, const char* name, std::uint32_t* type, unsigned char* data,
                      std::uint32_t* size) override {
        std::string path;
        if (!Resolve(hkey, path)) return ERROR_INVALID_HANDLE;
        if (data && !size) return kInvalidParameter;
        const RegData* value = pc_.registry.Get(path, name ? name : "");
        if (!value) return ERROR_FILE_NOT_FOUND;
        if (type) *type = value->type;
        const auto stored = static_cast<std::uint32_t>(value->bytes.size());
        if (data && stored > *size) {
            *size = stored;
            return ERROR_MORE_DATA;
        }
        if (data && stored) std::memcpy(data, value->bytes.data(), stored);
        if (size) *size = stored;
        return ERROR_SUCCESS;
    }

    long CreateKeyEx(plat::Hkey root, const char* subKey, std::uint32_t, std::uint32_t,
                     plat::Hkey* result, std::uint32_t* disposition) override {
        std::string path;
        if (!Resolve(root, path)) return ERROR_INVALID_HANDLE;
        if (!subKey || !result) return kInvalidParameter;
        path = JoinKeyPath(SplitKeyPath(path + "\\" + subKey));
        if (WriteDenied(pc_.registry, path)) return ERROR_ACCESS_DENIED;
        const bool existed = pc_.registry.HasKey(path);
        pc_.registry.CreateKey(path);
        if (disposition) *disposition = existed ? kOpenedExistingKey : kCreatedNewKey;
        *result = NewHandle(path);
        return ERROR_SUCCESS;
    }

    long SetValueEx(plat::Hkey hkey, const char* name, std::uint32_t type,
                    const unsigned char* data, std::uint32_t size) override {
        std::string path;
        if (!Resolve(hkey, path)) return ERROR_INVALID_HANDLE;
        if (WriteDenied(pc_.registry, path)) return ERROR_ACCESS_DENIED;
        const std::string valueName = name ? name : "";
        std::vector<unsigned char> bytes;
        if (data) bytes.assign(data, data + size);
        pc_.registry.SetBytes(path, valueName, type, bytes);
        pc_.log.push_back("reg-set " + path + "\\" + valueName + " = " +
                          ValueText(RegData{type, bytes}));
        return ERROR_SUCCESS;
    }

    long CloseKey(plat::Hkey hkey) override {
        if (hkey == HKEY_CURRENT_USER || hkey == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
        auto found = pc_.impl->regHandles.find(hkey);
        if (found == pc_.impl->regHandles.end() || !found->second.open) return ERROR_INVALID_HANDLE;
        found->second.open = false;
        return ERROR_SUCCESS;
    }

private:
    bool Resolve(plat::Hkey hkey, std::string& path) const {
        if (hkey == HKEY_CURRENT_USER) {
            path = "HKCU";
            return true;
        }
        if (hkey == HKEY_LOCAL_MACHINE) {
            path = "HKLM";
            return true;
        }
        auto found = pc_.impl->regHandles.find(hkey);
        if (found == pc_.impl->regHandles.end() || !found->second.open) return false;
        path = found->second.path;
        return true;
    }

    plat::Hkey NewHandle(const std::string& path) {
        const plat::Hkey handle = pc_.impl->NewHandle();
        pc_.impl->regHandles[handle] = RegHandle{path, true};
        return handle;
    }

    long Open(plat::Hkey root, const char* subKey, std::uint32_t access, plat::Hkey* result) {
        std::string path;
        if (!Resolve(root, path)) return ERROR_INVALID_HANDLE;
        if (!result) return kInvalidParameter;
        if (subKey) path += std::string("\\") + subKey;
        path = JoinKeyPath(SplitKeyPath(path));
        if (!pc_.registry.HasKey(path)) return ERROR_FILE_NOT_FOUND;
        // Asking for write access to a protected key fails at the open.
        if ((access & kWriteAccess) && WriteDenied(pc_.registry, path)) return ERROR_ACCESS_DENIED;
        *result = NewHandle(path);
        return ERROR_SUCCESS;
    }

    SimulatedPc& pc_;
};

}  // namespace

std::unique_ptr<plat::Registry> MakeRegistry(SimulatedPc& pc) {
    return std::make_unique<SimRegistry>(pc);
}

}  // namespace sim
