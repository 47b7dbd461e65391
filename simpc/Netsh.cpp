// The modelled netsh: "interface ip show address|dns" and
// "interface ip set address|dns NAME dhcp". Dial-up and PPPoE connections are
// not listed; Windows 10 adds its loopback interface.
#include <cstdio>
#include <cstdlib>

#include "simpc/Lease.h"
#include "simpc/PcModel.h"
#include "simpc/Text.h"
#include "simpc/ToolRun.h"

namespace simpc {
namespace {

constexpr std::size_t kValueColumn = 42;
const char kError[] = "Error obtaining configuration";

std::string Value(const std::string& label, const std::string& value) {
    std::string s = "    " + label;
    if (s.size() < kValueColumn) s.resize(kValueColumn, ' ');
    return s + value;
}

void Values(Lines& out, const std::string& label, const std::vector<std::string>& values) {
    if (values.empty()) {
        out.Add(Value(label, "None"));
        return;
    }
    out.Add(Value(label, values[0]));
    for (std::size_t i = 1; i < values.size(); ++i) out.Add(std::string(kValueColumn, ' ') + values[i]);
}

unsigned ParseAddress(const std::string& text) {
    unsigned a = 0;
    std::size_t pos = 0;
    for (int part = 0; part < 4; ++part) {
        a = (a << 8) | (static_cast<unsigned>(std::strtoul(text.c_str() + pos, nullptr, 10)) & 0xFF);
        pos = text.find('.', pos);
        if (pos == std::string::npos) pos = text.size();
        else ++pos;
    }
    return a;
}

// "192.168.1.0/24 (mask 255.255.255.0)"
std::string SubnetPrefix(const std::string& ip, const std::string& mask) {
    const unsigned m = ParseAddress(mask), net = ParseAddress(ip) & m;
    unsigned bits = 0;
    for (unsigned b = m; b; b <<= 1) bits += (b & 0x80000000u) ? 1 : 0;
    char text[80];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u/%u (mask %s)", net >> 24, (net >> 16) & 0xFF,
                  (net >> 8) & 0xFF, net & 0xFF, bits, mask.c_str());
    return text;
}

void AddressBlock(Lines& out, const PcModel& model, std::size_t i) {
    const Card& card = model.cards[i];
    const bool win10 = model.layout == Layout::Win10;
    out.Add(Value("DHCP enabled:", card.dhcp ? "Yes" : "No"));
    const Addressing a = AddressingOf(model, i);
    const bool gateway = !a.gateway.empty();
    if (win10) {
        if (!a.ip.empty()) {
            out.Add(Value("IP Address:", a.ip));
            out.Add(Value("Subnet Prefix:", SubnetPrefix(a.ip, a.mask)));
        }
        if (gateway) {
            out.Add(Value("Default Gateway:", a.gateway));
            out.Add(Value("Gateway Metric:", card.dhcp ? "0" : "256"));
        }
        out.Add(Value("InterfaceMetric:", "25"));
    } else {
        if (!card.dhcp) {
            out.Add(Value("IP Address:", a.ip));
            out.Add(Value("SubnetMask:", a.mask));
            if (gateway) {
                out.Add(Value("Default Gateway:", a.gateway));
                out.Add(Value("GatewayMetric:", "0"));
            }
        }
        out.Add(Value("InterfaceMetric:", "0"));
    }
}

void DnsBlock(Lines& out, const PcModel& model, std::size_t i) {
    const Addressing a = AddressingOf(model, i);
    if (DnsAuto(model, i))
        Values(out, "DNS servers configured through DHCP:", a.dns);
    else
        Values(out, "Statically Configured DNS Servers:", a.dns);
    out.Add(Value("Register with which suffix:", "Primary only"));
}

std::string Listing(const PcModel& model, bool dns) {
    Lines out;
    out.Add();
    // The address configuration cannot be read: netsh says so before listing
    // the interfaces, and the address blocks carry the message in place of
    // their values. The DNS listing is not affected.
    const bool addressError = model.netshErrorObtaining && !dns;
    if (addressError) {
        out.Add(kError);
        out.Add();
    }
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        if (!IsLan(model.cards[i])) continue;
        out.Add("Configuration for interface \"" + model.cards[i].name + "\"");
        if (addressError)
            out.Add(std::string("    ") + kError);
        else if (dns)
            DnsBlock(out, model, i);
        else
            AddressBlock(out, model, i);
        out.Add();
    }
    if (model.layout == Layout::Win10) {
        out.Add("Configuration for interface \"Loopback Pseudo-Interface 1\"");
        if (dns) {
            out.Add(Value("Statically Configured DNS Servers:", "None"));
            out.Add(Value("Register with which suffix:", "None"));
        } else {
            out.Add(Value("DHCP enabled:", "No"));
            out.Add(Value("IP Address:", "127.0.0.1"));
            out.Add(Value("Subnet Prefix:", "127.0.0.0/8 (mask 255.0.0.0)"));
            out.Add(Value("InterfaceMetric:", "75"));
        }
        out.Add();
    }
    return out.Text();
}

ToolOutput Set(PcModel& model, bool dns, const std::string& name) {
    ToolOutput out;
    const bool win10 = model.layout == Layout::Win10;
    std::size_t i = 0;
    while (i < model.cards.size() && !(IsLan(model.cards[i]) && model.cards[i].name == name)) ++i;
    std::string message;
    if (i == model.cards.size()) {
        message = "Element not found.";
    } else if (model.netshSetRefused) {
        message = win10 ? "The requested operation requires elevation (Run as administrator)."
                        : "Access is denied.";
    } else if (model.netshErrorObtaining && !dns) {
        message = kError;
    } else if (dns ? DnsAuto(model, i) : model.cards[i].dhcp) {
        message = "DHCP is already enabled on this interface.";
    } else {
        if (dns)
            model.cards[i].dnsAuto = true;
        else
            model.cards[i].dhcp = true;
        RenewCard(model, i);
        if (!win10) out.out = "Ok.\r\n\r\n";
        return out;
    }
    out.out = message + "\r\n\r\n";
    out.exitCode = 1;
    return out;
}

ToolOutput NotFound(const std::vector<std::string>& words) {
    std::string rest;
    for (std::size_t i = 1; i < words.size(); ++i) rest += (i > 1 ? " " : "") + words[i];
    ToolOutput out;
    out.out = "The following command was not found: " + rest + ".\r\n";
    out.exitCode = 1;
    return out;
}

std::string NameArgument(const std::string& word) {
    return Lower(word.substr(0, 5)) == "name=" ? word.substr(5) : word;
}

}  // namespace

ToolOutput RunNetsh(PcModel& model, const std::string& commandLine) {
    ToolOutput common;
    if (!BeginRun(model, commandLine, common)) return common;
    const std::vector<std::string> words = Words(commandLine);
    std::vector<std::string> w;
    for (std::size_t i = 1; i < words.size(); ++i) w.push_back(Lower(words[i]));
    ToolOutput out;
    const bool ip = w.size() >= 4 && (w[0] == "interface" || w[0] == "int") &&
                    (w[1] == "ip" || w[1] == "ipv4");
    const bool what = ip && (w[3] == "address" || w[3] == "dns");
    if (what && w[2] == "show" && w.size() == 4) {
        out.out = Listing(model, w[3] == "dns");
    } else if (what && w[2] == "set" && w.size() == 6 &&
               (w[5] == "dhcp" || w[5] == "source=dhcp")) {
        out = Set(model, w[3] == "dns", NameArgument(words[5]));
    } else {
        out = NotFound(words);
    }
    out.err = common.err;
    out.durationMs = common.durationMs;
    return out;
}

}  // namespace simpc
