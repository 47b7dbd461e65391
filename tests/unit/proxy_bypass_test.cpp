// The registry writer and the proxy bypass: when the modem's address is put
// into the browser's bypass list, what is left alone, and how a failed write
// is reported.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "contracts/Registry.h"
#include "dialog_on_sim_pc.h"
#include "netdiag/Checks.h"

namespace {

const std::string kSettings = std::string("HKCU\\") + contracts::kInternetSettingsKey;
const std::string kOverride = kSettings + "\\" + contracts::kValueProxyOverride;
const std::string kEarlierList = "intranet;*.example.org;<local>";

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }
std::string Bypass() {
    return std::string(contracts::ModemAddress) + contracts::kLocalBypassSuffix;
}

// The whole registry, every value's type and bytes.
using Dump = std::map<std::string, std::pair<std::uint32_t, std::vector<unsigned char>>>;
Dump Snapshot(const sim::SimRegistryStore& store) {
    Dump out;
    for (const auto& entry : store.Dump())
        out[entry.first] = {entry.second.type, entry.second.bytes};
    return out;
}

class ProxyBypass : public DialogOnSimPc {
protected:
    ProxyBypass() {
        pc.registry.CreateKey(kSettings);
        pc.registry.SetString(kSettings, contracts::kValueProxyOverride, kEarlierList);
    }
    void Enable(std::uint32_t value) {
        pc.registry.SetDword(kSettings, contracts::kValueProxyEnable, value);
    }
    void Server(const std::string& text) {
        pc.registry.SetString(kSettings, contracts::kValueProxyServer, text);
    }
};

// --- when the bypass is written ----------------------------------------------------

// "ProxyEnable" as stored (absent when empty), and "ProxyServer" (absent when null).
struct BypassCase {
    const char* name;
    std::uint32_t enableType;
    std::vector<unsigned char> enable;
    const char* server;
    bool writes;
};
void PrintTo(const BypassCase& c, std::ostream* os) { *os << c.name; }

class ProxyBypassCases : public ProxyBypass, public ::testing::WithParamInterface<BypassCase> {};

TEST_P(ProxyBypassCases, WritesOnlyTheBypassAndOnlyWhenAProxyIsInUse) {
    const BypassCase& c = GetParam();
    if (!c.enable.empty())
        pc.registry.SetBytes(kSettings, contracts::kValueProxyEnable, c.enableType, c.enable);
    if (c.server) Server(c.server);
    Dump expected = Snapshot(pc.registry);
    if (c.writes) expected[kOverride] = {REG_SZ, Bytes(Bypass())};

    dlg.SetProxyBypass();

    EXPECT_EQ(Snapshot(pc.registry), expected);
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

const std::vector<unsigned char> kDword0{0, 0, 0, 0}, kDword1{1, 0, 0, 0}, kDword2{2, 0, 0, 0};
const std::string kServer63(63, 'p'), kServer64(64, 'p');

INSTANTIATE_TEST_SUITE_P(
    Settings, ProxyBypassCases,
    ::testing::Values(
        BypassCase{"EnableAbsent", REG_DWORD, {}, "proxy:8080", false},
        BypassCase{"EnableZero", REG_DWORD, kDword0, "proxy:8080", false},
        BypassCase{"EnableTwo", REG_DWORD, kDword2, "proxy:8080", false},
        BypassCase{"ServerAbsent", REG_DWORD, kDword1, nullptr, false},
        BypassCase{"ServerEmpty", REG_DWORD, kDword1, "", true},
        BypassCase{"Server63Characters", REG_DWORD, kDword1, kServer63.c_str(), true},
        BypassCase{"Server64Characters", REG_DWORD, kDword1, kServer64.c_str(), false},
        BypassCase{"EnableOneBinaryByte", REG_BINARY, {1}, "proxy:8080", true},
        BypassCase{"EnableTextOne", REG_SZ, {'1', 0}, "proxy:8080", false},
        BypassCase{"EnableOneInTheHighByte", REG_DWORD, {1, 0, 0, 1}, "proxy:8080", false},
        BypassCase{"EnableFiveBytes", REG_BINARY, {1, 0, 0, 0, 0}, "proxy:8080", false}),
    [](const ::testing::TestParamInfo<BypassCase>& info) { return info.param.name; });

TEST_F(ProxyBypass, ReplacesTheEarlierListWithTheModemAlone) {
    Enable(1);
    Server("proxy.example.org:3128");

    dlg.SetProxyBypass();
    dlg.SetProxyBypass();  // a second click writes the same again

    const sim::RegData* value = pc.registry.Get(kSettings, contracts::kValueProxyOverride);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_SZ);
    EXPECT_EQ(value->bytes, Bytes(Bypass()));  // no terminating NUL
    EXPECT_EQ(pc.registry.GetString(kSettings, contracts::kValueProxyServer),
              "proxy.example.org:3128");
}

TEST(ProxyBypassWithoutSettings, NothingIsCreatedOrShown) {
    sim::SimulatedPc pc;
    CModemDlg dlg;
    pc.Create(dlg, IDD_KELVANE_DIALOG);

    dlg.SetProxyBypass();

    EXPECT_FALSE(pc.registry.HasKey(kSettings));
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

// --- the writer ------------------------------------------------------------------------

TEST_F(ProxyBypass, TheWriterCreatesAMissingKeyAndSetsTheBytesAsGiven) {
    const std::string mstcp = std::string("HKLM\\") + contracts::kMstcpKey;
    ASSERT_FALSE(pc.registry.HasKey(mstcp));

    dlg.WriteRegistryValue(HKEY_LOCAL_MACHINE, contracts::kMstcpKey, contracts::kValueEnableDNS,
                           reinterpret_cast<const unsigned char*>(contracts::kAutomaticDns), REG_SZ,
                           1);

    const sim::RegData* value = pc.registry.Get(mstcp, contracts::kValueEnableDNS);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, REG_SZ);
    EXPECT_EQ(value->bytes, Bytes(contracts::kAutomaticDns));
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

TEST_F(ProxyBypass, AKeyThatCannotBeCreatedShowsOneBoxPerWrite) {
    const std::string mstcp = std::string("HKLM\\") + contracts::kMstcpKey;
    pc.registry.denyWrite.insert(mstcp);
    const Dump before = Snapshot(pc.registry);

    dlg.WriteRegistryValue(HKEY_LOCAL_MACHINE, contracts::kMstcpKey, contracts::kValueEnableDNS,
                           reinterpret_cast<const unsigned char*>(contracts::kAutomaticDns), REG_SZ,
                           1);
    ExpectOnlyDialogBox(kSetRegistryFail);

    dlg.WriteRegistryValue(HKEY_LOCAL_MACHINE, contracts::kMstcpKey, contracts::kValueEnableDNS,
                           reinterpret_cast<const unsigned char*>(contracts::kAutomaticDns), REG_SZ,
                           1);
    EXPECT_EQ(pc.boxes.size(), 2u);
    EXPECT_EQ(Snapshot(pc.registry), before);
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

// The simulated registry with every value write refused: the key opens, the set fails.
class SetValueRefused : public plat::Registry {
public:
    explicit SetValueRefused(plat::Registry& inner) : inner_(inner) {}
    long OpenKey(plat::Hkey r, const char* s, plat::Hkey* k) override {
        return inner_.OpenKey(r, s, k);
    }
    long OpenKeyEx(plat::Hkey r, const char* s, std::uint32_t o, std::uint32_t a,
                   plat::Hkey* k) override {
        return inner_.OpenKeyEx(r, s, o, a, k);
    }
    long EnumKey(plat::Hkey k, std::uint32_t i, char* n, std::uint32_t s) override {
        return inner_.EnumKey(k, i, n, s);
    }
    long QueryValueEx(plat::Hkey k, const char* n, std::uint32_t* t, unsigned char* d,
                      std::uint32_t* s) override {
        return inner_.QueryValueEx(k, n, t, d, s);
    }
    long CreateKeyEx(plat::Hkey r, const char* s, std::uint32_t o, std::uint32_t a, plat::Hkey* k,
                     std::uint32_t* d) override {
        return inner_.CreateKeyEx(r, s, o, a, k, d);
    }
    long SetValueEx(plat::Hkey, const char*, std::uint32_t, const unsigned char*,
                    std::uint32_t) override {
        return ERROR_ACCESS_DENIED;
    }
    long CloseKey(plat::Hkey k) override { return inner_.CloseKey(k); }

private:
    plat::Registry& inner_;
};

TEST_F(ProxyBypass, AValueThatCannotBeSetShowsOneBoxAndClosesBothKeys) {
    Enable(1);
    Server("proxy:8080");
    SetValueRefused refusing(plat::registry());
    plat::Platform platform = plat::Current();
    plat::Registry& simRegistry = *platform.registry;
    platform.registry = &refusing;
    plat::SetCurrent(platform);

    dlg.SetProxyBypass();

    platform.registry = &simRegistry;
    plat::SetCurrent(platform);
    ExpectOnlyDialogBox(kSetRegistryFail);
    EXPECT_EQ(pc.registry.GetString(kSettings, contracts::kValueProxyOverride), kEarlierList);
    EXPECT_EQ(pc.OpenKeyCount(), 0);
}

}  // namespace
