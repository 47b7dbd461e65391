#include "platform/sim/SimRegistryStore.h"

#include <cstdio>

#include "platform/Defs.h"
#include "platform/sim/SimInternals.h"

namespace sim {

std::vector<std::string> SplitKeyPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "\\") {
        if (c != '\\') {
            part += c;
            continue;
        }
        if (!part.empty()) parts.push_back(part);
        part.clear();
    }
    if (!parts.empty()) {
        const std::string root = Upper(parts.front());
        if (root == "HKEY_LOCAL_MACHINE") parts.front() = "HKLM";
        if (root == "HKEY_CURRENT_USER") parts.front() = "HKCU";
    }
    return parts;
}

std::string JoinKeyPath(const std::vector<std::string>& parts) {
    std::string path;
    for (const std::string& part : parts) {
        if (!path.empty()) path += '\\';
        path += part;
    }
    return path;
}

std::shared_ptr<SimRegistryStore::Key> WalkKey(const SimRegistryStore& store,
                                               const std::vector<std::string>& parts,
                                               bool create) {
    std::shared_ptr<SimRegistryStore::Key> key = store.root;
    for (const std::string& part : parts) {
        auto found = key->children.find(Upper(part));
        if (found == key->children.end()) {
            if (!create) return nullptr;
            auto child = std::make_shared<SimRegistryStore::Key>();
            child->name = part;
            found = key->children.emplace(Upper(part), child).first;
        }
        key = found->second;
    }
    return key;
}

bool WriteDenied(const SimRegistryStore& store, const std::string& path) {
    const std::string full = Upper(JoinKeyPath(SplitKeyPath(path))) + "\\";
    for (const std::string& denied : store.denyWrite) {
        const std::string prefix = Upper(JoinKeyPath(SplitKeyPath(denied))) + "\\";
        if (full.compare(0, prefix.size(), prefix) == 0) return true;
    }
    return false;
}

std::string ValueText(const RegData& data) {
    if (data.type == REG_SZ || data.type == 2 /* REG_EXPAND_SZ */ || data.type == 7 /* REG_MULTI_SZ */) {
        std::string text;
        for (unsigned char b : data.bytes) {
            if (b == 0) break;
            text += static_cast<char>(b);
        }
        return text;
    }
    std::string hex = "hex:";
    for (std::size_t i = 0; i < data.bytes.size(); ++i) {
        char two[4];
        std::snprintf(two, sizeof two, "%02x", data.bytes[i]);
        if (i) hex += ',';
        hex += two;
    }
    return hex;
}

// --- the store's own calls ----------------------------------------------------

SimRegistryStore::SimRegistryStore() : root(std::make_shared<Key>()) {
    CreateKey("HKLM");
    CreateKey("HKCU");
}

void SimRegistryStore::SetString(const std::string& path, const std::string& name,
                                 const std::string& text, bool withNul) {
    std::vector<unsigned char> bytes(text.begin(), text.end());
    if (withNul) bytes.push_back(0);
    SetBytes(path, name, REG_SZ, bytes);
}

void SimRegistryStore::SetBytes(const std::string& path, const std::string& name,
                                std::uint32_t type, const std::vector<unsigned char>& bytes) {
    auto key = WalkKey(*this, SplitKeyPath(path), true);
    auto& value = key->values[Upper(name)];
    if (value.name.empty()) value.name = name;
    value.data.type = type;
    value.data.bytes = bytes;
}

void SimRegistryStore::SetDword(const std::string& path, const std::string& name,
                                std::uint32_t value) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(value >> (8 * i)));
    SetBytes(path, name, REG_DWORD, bytes);
}

void SimRegistryStore::CreateKey(const std::string& path) { WalkKey(*this, SplitKeyPath(path), true); }

bool SimRegistryStore::HasKey(const std::string& path) const {
    return WalkKey(*this, SplitKeyPath(path), false) != nullptr;
}

bool SimRegistryStore::HasValue(const std::string& path, const std::string& name) const {
    return Get(path, name) != nullptr;
}

std::string SimRegistryStore::GetString(const std::string& path, const std::string& name) const {
    const RegData* data = Get(path, name);
    if (!data) return {};
    std::string text;
    for (unsigned char b : data->bytes) {
        if (b == 0) break;
        text += static_cast<char>(b);
    }
    return text;
}

const RegData* SimRegistryStore::Get(const std::string& path, const std::string& name) const {
    auto key = WalkKey(*this, SplitKeyPath(path), false);
    if (!key) return nullptr;
    auto found = key->values.find(Upper(name));
    return found == key->values.end() ? nullptr : &found->second.data;
}

namespace {
void DumpKey(const SimRegistryStore::Key& key, const std::string& path,
             std::map<std::string, RegData>& out) {
    // A key shows as its path with a trailing separator, so that a key created
    // without values still differs between two dumps.
    if (!path.empty()) out[path + "\\"] = RegData{REG_NONE, {}};
    for (const auto& value : key.values) out[path + "\\" + value.second.name] = value.second.data;
    for (const auto& child : key.children) {
        DumpKey(*child.second, path.empty() ? child.second->name : path + "\\" + child.second->name,
                out);
    }
}
}  // namespace

std::map<std::string, RegData> SimRegistryStore::Dump() const {
    std::map<std::string, RegData> out;
    DumpKey(*root, "", out);
    return out;
}

}  // namespace sim
