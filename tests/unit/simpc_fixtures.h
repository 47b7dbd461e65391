// Small builders and readers shared by the tests of the PC model.
#pragma once

#include <string>
#include <vector>

#include "simpc/PcModel.h"

namespace simpc_test {

inline simpc::Card EthernetCard(const std::string& name, bool dhcp, bool dnsAuto, bool toModem) {
    simpc::Card c;
    c.name = name;
    c.description = "Realtek RTL8139 Family PCI Fast Ethernet NIC";
    c.deviceId = "PCI\\VEN_10EC&DEV_8139&SUBSYS_813910EC&REV_10";
    c.dhcp = dhcp;
    c.dnsAuto = dnsAuto;
    c.toModem = toModem;
    if (!dhcp) {
        c.ip = "192.168.0.20";
        c.gateway = "192.168.0.254";
    }
    if (!dnsAuto) c.dns = {"198.51.100.1", "198.51.100.2"};
    return c;
}

inline simpc::PcModel OneCardPc(simpc::Layout layout, const simpc::Card& card) {
    simpc::PcModel m;
    m.layout = layout;
    m.family = layout == simpc::Layout::Win9x ? 1 : 2;
    m.cards = {card};
    return m;
}

// The output's lines without their CR LF; a line that lacks it keeps a marker.
inline std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t lf = text.find('\n', start);
        if (lf == std::string::npos) {
            lines.push_back(text.substr(start) + "<no line end>");
            break;
        }
        const bool cr = lf > start && text[lf - 1] == '\r';
        lines.push_back(cr ? text.substr(start, lf - 1 - start) : text.substr(start, lf - start) + "<LF only>");
        start = lf + 1;
    }
    return lines;
}

// The line right after the first line that contains `text`; "<none>" if absent.
inline std::string LineAfter(const std::string& output, const std::string& text) {
    const std::vector<std::string> lines = SplitLines(output);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i].find(text) != std::string::npos) return i + 1 < lines.size() ? lines[i + 1] : "";
    return "<none>";
}

inline bool HasLine(const std::string& output, const std::string& line) {
    for (const std::string& l : SplitLines(output))
        if (l == line) return true;
    return false;
}

}  // namespace simpc_test
