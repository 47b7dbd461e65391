// The registry tree behind SimRegistryStore, shared by the store's own calls
// and the program's registry calls.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/SimulatedPc.h"

namespace sim {

struct SimRegistryStore::Key {
    struct Value {
        std::string name;  // as first written
        RegData data;
    };
    std::string name;  // as first created
    std::map<std::string, std::shared_ptr<Key>> children;  // by upper-cased name
    std::map<std::string, Value> values;                  // by upper-cased name
};

// "HKLM\\A\\B" -> {"HKLM", "A", "B"}; the long root names become the short ones
// and empty parts (doubled or trailing separators) are dropped.
std::vector<std::string> SplitKeyPath(const std::string& path);
std::string JoinKeyPath(const std::vector<std::string>& parts);

// The key at that path, or null; with create, missing keys are made on the way.
std::shared_ptr<SimRegistryStore::Key> WalkKey(const SimRegistryStore& store,
                                               const std::vector<std::string>& parts,
                                               bool create);

// Whether writes below this path are refused.
bool WriteDenied(const SimRegistryStore& store, const std::string& path);

// A value as the record shows it: text up to its first NUL, or hex bytes.
std::string ValueText(const RegData& data);

}  // namespace sim
