// The scenario text format: "key = value" lines, "#" comment lines and one
// "[card]" section per card. Both directions go through one table of keys, so
// that everything read is also written.
#include <cstdlib>
#include <functional>

#include "simpc/Lease.h"
#include "simpc/PcModel.h"
#include "simpc/Text.h"

namespace simpc {
namespace {

template <class T>
struct Field {
    const char* key;
    std::function<std::string(const T&)> get;
    std::function<bool(T&, const std::string&)> set;
};

bool ParseBool(const std::string& v, const char* yes, const char* no, bool& out) {
    if (v == yes) return out = true, true;
    if (v == no) return out = false, true;
    return false;
}

template <class T>
Field<T> Text(const char* key, std::string T::*member) {
    return {key, [member](const T& t) { return t.*member; },
            [member](T& t, const std::string& v) { return t.*member = v, true; }};
}

template <class T>
Field<T> Flag(const char* key, bool T::*member, const char* yes = "yes", const char* no = "no") {
    return {key, [member, yes, no](const T& t) { return std::string(t.*member ? yes : no); },
            [member, yes, no](T& t, const std::string& v) {
                return ParseBool(v, yes, no, t.*member);
            }};
}

bool ParseNumber(const std::string& v, unsigned long max, unsigned long& out) {
    if (v.empty() || v.size() > 9 || v.find_first_not_of("0123456789") != std::string::npos)
        return false;
    out = std::strtoul(v.c_str(), nullptr, 10);
    return out <= max;
}

const char* const kKindNames[] = {"ethernet", "wireless", "usb", "dialup", "pppoe"};
const char* const kLayoutNames[] = {"9x", "xp", "10"};

template <class E, std::size_t N>
bool ParseName(const std::string& v, const char* const (&names)[N], E& out) {
    for (std::size_t i = 0; i < N; ++i)
        if (v == names[i]) return out = static_cast<E>(i), true;
    return false;
}

const std::vector<Field<PcModel>>& ModelFields() {
    static const std::vector<Field<PcModel>> fields = {
        {"family", [](const PcModel& m) { return std::to_string(m.family); },
         [](PcModel& m, const std::string& v) {
             unsigned long n = 0;
             return ParseNumber(v, 3, n) && (m.family = static_cast<int>(n), true);
         }},
        {"layout", [](const PcModel& m) { return std::string(kLayoutNames[static_cast<int>(m.layout)]); },
         [](PcModel& m, const std::string& v) { return ParseName(v, kLayoutNames, m.layout); }},
        Text("host", &PcModel::hostName),
        Flag("modem", &PcModel::modemOn, "on", "off"),
        Flag("netsh_error", &PcModel::netshErrorObtaining),
        Flag("netsh_refuse", &PcModel::netshSetRefused),
        Text("stderr", &PcModel::stderrLine),
        {"delay_ms", [](const PcModel& m) { return std::to_string(m.delayMs); },
         [](PcModel& m, const std::string& v) {
             unsigned long n = 0;
             return ParseNumber(v, 600000, n) && (m.delayMs = static_cast<unsigned>(n), true);
         }},
    };
    return fields;
}

const std::vector<Field<Card>>& CardFields() {
    static const std::vector<Field<Card>> fields = {
        Text("name", &Card::name),
        Text("description", &Card::description),
        Text("device", &Card::deviceId),
        Text("mac", &Card::mac),
        {"kind", [](const Card& c) { return std::string(kKindNames[static_cast<int>(c.kind)]); },
         [](Card& c, const std::string& v) { return ParseName(v, kKindNames, c.kind); }},
        Flag("dhcp", &Card::dhcp),
        Flag("dns_auto", &Card::dnsAuto),
        Text("ip", &Card::ip),
        Text("mask", &Card::mask),
        Text("gateway", &Card::gateway),
        {"dns", [](const Card& c) { return JoinList(c.dns); },
         [](Card& c, const std::string& v) { return c.dns = SplitList(v), true; }},
        Flag("to_modem", &Card::toModem),
        Flag("connected", &Card::connected),
        Flag("leased", &Card::leased),
        Text("lease_ip", &Card::leaseIp),
        Text("lease_mask", &Card::leaseMask),
        Text("lease_gateway", &Card::leaseGateway),
        Text("lease_dns", &Card::leaseDns),
        Text("lease_server", &Card::leaseServer),
    };
    return fields;
}

template <class T>
const Field<T>* FindField(const std::vector<Field<T>>& fields, const std::string& key) {
    for (const Field<T>& f : fields)
        if (key == f.key) return &f;
    return nullptr;
}

bool Fail(std::string* error, std::size_t lineNo, const std::string& what) {
    if (error) *error = "line " + std::to_string(lineNo) + ": " + what;
    return false;
}

}  // namespace

bool ParseScenario(const std::string& text, PcModel& model, std::string* error) {
    PcModel m;
    bool layoutGiven = false;
    std::vector<bool> leaseGiven;
    std::size_t lineNo = 0, start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = Trim(text.substr(start, end - start));
        start = end + 1;
        ++lineNo;
        if (line.empty() || line[0] == '#') continue;
        if (line == "[card]") {
            m.cards.emplace_back();
            leaseGiven.push_back(false);
            continue;
        }
        const std::size_t eq = line.find('=');
        if (eq == std::string::npos) return Fail(error, lineNo, "expected key = value");
        const std::string key = Trim(line.substr(0, eq));
        const std::string value = Trim(line.substr(eq + 1));
        bool ok = false;
        if (m.cards.empty()) {
            if (key == "hang") {
                m.hang.push_back(value);
                continue;
            }
            const Field<PcModel>* f = FindField(ModelFields(), key);
            if (!f) return Fail(error, lineNo, "unknown key " + key);
            ok = f->set(m, value);
            layoutGiven = layoutGiven || key == "layout";
        } else {
            const Field<Card>* f = FindField(CardFields(), key);
            if (!f) return Fail(error, lineNo, "unknown card key " + key);
            ok = f->set(m.cards.back(), value);
            if (key == "leased") leaseGiven.back() = true;
        }
        if (!ok) return Fail(error, lineNo, "bad value for " + key + ": " + value);
    }
    if (!layoutGiven) m.layout = m.family == 1 ? Layout::Win9x : Layout::WinXp;
    for (std::size_t i = 0; i < m.cards.size(); ++i)
        if (!leaseGiven[i]) RenewCard(m, i);
    model = m;
    return true;
}

std::string SerializeScenario(const PcModel& model) {
    std::string s;
    for (const Field<PcModel>& f : ModelFields()) s += std::string(f.key) + " = " + f.get(model) + "\n";
    for (const std::string& h : model.hang) s += "hang = " + h + "\n";
    for (const Card& card : model.cards) {
        s += "\n[card]\n";
        for (const Field<Card>& f : CardFields()) s += std::string(f.key) + " = " + f.get(card) + "\n";
    }
    return s;
}

}  // namespace simpc
