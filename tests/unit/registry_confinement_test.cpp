// On every scenario PC and either platform family, the adapter checks and
// repairs write nothing into the registry but the values they own: the
// address values in the binding's class key, "EnableDNS" in the MSTCP key and
// the proxy bypass list. Nothing is removed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/ModemDlg.h"
#include "contracts/Registry.h"
#include "platform/sim/SimulatedPc.h"
#include "simpc/PcModel.h"

namespace {

std::vector<std::string> ScenarioFiles() {
    std::vector<std::string> files;
    const std::filesystem::path dir = KELVANE_SOURCE_DIR "/tests/scenarios";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

// The registry entries a run may leave changed: each named value, and the
// keys on the way to it (the writer creates a missing key).
class Allowed {
public:
    void Value(const std::string& key, const char* name) {
        values_.insert(Upper(key + "\\" + name));
        std::string path;
        for (std::size_t at = 0; at != std::string::npos;) {
            const std::size_t next = key.find('\\', at + 1);
            path = key.substr(0, next);
            keys_.insert(Upper(path + "\\"));
            at = next;
        }
    }
    bool Covers(const std::string& entry) const {
        return values_.count(Upper(entry)) > 0 || keys_.count(Upper(entry)) > 0;
    }

private:
    std::set<std::string> values_, keys_;
};

bool Same(const sim::RegData& a, const sim::RegData& b) { return a.type == b.type && a.bytes == b.bytes; }

using Case = std::tuple<std::string, int>;

class RegistryConfinementTest : public ::testing::TestWithParam<Case> {};

TEST_P(RegistryConfinementTest, ChecksWriteOnlyTheirOwnValues) {
    const std::string& file = std::get<0>(GetParam());
    const int family = std::get<1>(GetParam());

    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    simpc::PcModel model;
    std::string error;
    ASSERT_TRUE(simpc::ParseScenario(text.str(), model, &error)) << file << ": " << error;
    model.family = family;
    if (family == kFamily9x) model.layout = simpc::Layout::Win9x;
    else if (model.layout == simpc::Layout::Win9x) model.layout = simpc::Layout::WinXp;

    sim::SimulatedPc pc;
    pc.LoadScenario(model);
    const std::string internet = std::string("HKCU\\") + contracts::kInternetSettingsKey;
    pc.registry.SetDword(internet, contracts::kValueProxyEnable, 1);
    pc.registry.SetString(internet, contracts::kValueProxyServer, "proxy.example:8080");
    CModemDlg dlg;

    const auto before = pc.registry.Dump();
    dlg.SetProxyBypass();
    const std::string key = dlg.FindNetworkCard(family);
    Allowed allowed;
    allowed.Value(internet, contracts::kValueProxyOverride);
    if (family == kFamily9x) {
        const std::string classKey = dlg.LookupTcpClassKey(key);
        if (!classKey.empty()) {
            allowed.Value("HKLM\\" + classKey, contracts::kValueIPAddress);
            allowed.Value("HKLM\\" + classKey, contracts::kValueIPMask);
        }
        allowed.Value(std::string("HKLM\\") + contracts::kMstcpKey, contracts::kValueEnableDNS);
    }
    dlg.CheckAutoDns(family, key);
    dlg.CheckDynamicAddress(family, key);
    dlg.SetDynamicAddress(family, key);
    const auto after = pc.registry.Dump();

    for (const auto& entry : after) {
        const auto old = before.find(entry.first);
        if (old != before.end() && Same(old->second, entry.second)) continue;
        EXPECT_TRUE(allowed.Covers(entry.first)) << "written: " << entry.first << " (key " << key << ")";
    }
    for (const auto& entry : before) EXPECT_EQ(after.count(entry.first), 1u) << "removed: " << entry.first;
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string name = std::filesystem::path(std::get<0>(info.param)).stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name + "_family" + std::to_string(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, RegistryConfinementTest,
                         ::testing::Combine(::testing::ValuesIn(ScenarioFiles()),
                                            ::testing::Values(int{kFamily9x}, int{kFamilyNt})),
                         CaseName);

TEST(RegistryConfinementScenarios, ArePresent) { EXPECT_FALSE(ScenarioFiles().empty()); }

}  // namespace
