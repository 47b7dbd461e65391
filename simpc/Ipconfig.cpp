// The modelled ipconfig: listings, and release and renewal of the DHCP leases.
#include <functional>

#include "simpc/Lease.h"
#include "simpc/Listings.h"
#include "simpc/PcModel.h"
#include "simpc/Text.h"
#include "simpc/ToolRun.h"

namespace simpc {
namespace {

const char kNtUsage[] =
    "\r\n"
    "USAGE:\r\n"
    "    ipconfig [/? | /all | /renew [adapter] | /release [adapter] |\r\n"
    "              /flushdns | /displaydns | /registerdns |\r\n"
    "              /showclassid adapter |\r\n"
    "              /setclassid adapter [classid] ]\r\n";

const char k9xUsage[] =
    "\r\n"
    "Windows 98 IP Configuration\r\n"
    "\r\n"
    "Command line options:\r\n"
    "\t/All - Display detailed information.\r\n"
    "\t/Batch [file] - Write to file or ./WINIPCFG.OUT\r\n"
    "\t/renew_all - Renew all adapters.\r\n"
    "\t/release_all - Release all adapters.\r\n"
    "\t/renew N - Renew adapter N.\r\n"
    "\t/release N - Release adapter N.\r\n";

const char kNoAdapter[] =
    "The operation failed as no adapter is in the state permissible for\r\nthis operation.";

bool IsDhcpLan(const Card& card) { return IsLan(card) && card.dhcp; }

// Release (renew false) or renew the DHCP cards that `chosen` accepts; the
// messages say what could not be done.
std::vector<std::string> ChangeLeases(PcModel& model, bool renew, bool nt,
                                      const std::function<bool(std::size_t)>& chosen) {
    std::vector<std::string> messages;
    bool any = false;
    for (std::size_t i = 0; i < model.cards.size(); ++i) {
        const Card& card = model.cards[i];
        if (!IsDhcpLan(card) || !chosen(i)) continue;
        any = true;
        const bool up = LinkUp(model, i);
        if (renew)
            RenewCard(model, i);
        else
            ReleaseCard(model, i);
        if (!up && nt)
            messages.push_back("No operation can be performed on " + card.name +
                               " while it has its media disconnected.");
        else if (renew && !card.leased)
            messages.push_back(nt ? "An error occurred while renewing interface " + card.name +
                                        " : unable to contact your DHCP server. Request has "
                                        "timed out."
                                  : "DHCP Server unavailable, renewing adapter " +
                                        std::to_string(i) + ".");
    }
    if (!any && nt) messages.push_back(kNoAdapter);
    return messages;
}

ToolOutput Usage(const char* text, bool unrecognised) {
    ToolOutput out;
    if (unrecognised && text == kNtUsage)
        out.out = "\r\nError: unrecognized or incomplete command line.\r\n";
    out.out += text;
    out.exitCode = unrecognised ? 1 : 0;
    return out;
}

ToolOutput RunNt(PcModel& model, const std::vector<std::string>& args) {
    ToolOutput out;
    const std::string option = args.empty() ? "" : Lower(args[0]);
    if (option.empty()) {
        out.out = NtBriefListing(model, {});
    } else if (option == "/all" && args.size() == 1) {
        out.out = NtFullListing(model);
    } else if ((option == "/release" || option == "/renew") && args.size() <= 2) {
        const std::string name = args.size() == 2 ? args[1] : "";
        const std::vector<std::string> messages =
            ChangeLeases(model, option == "/renew", true, [&](std::size_t i) {
                return name.empty() || EqualsNoCase(model.cards[i].name, name);
            });
        if (messages.size() == 1 && messages[0] == kNoAdapter)
            out.out = "\r\nWindows IP Configuration\r\n\r\n\r\n" + messages[0] + "\r\n";
        else
            out.out = NtBriefListing(model, messages);
    } else {
        return Usage(kNtUsage, option != "/?");
    }
    return out;
}

ToolOutput Run9x(PcModel& model, const std::vector<std::string>& args) {
    ToolOutput out;
    const std::string option = args.empty() ? "" : Lower(args[0]);
    const bool one = args.size() == 2 && (option == "/release" || option == "/renew") &&
                     !args[1].empty() && args[1].find_first_not_of("0123456789") == std::string::npos &&
                     args[1].size() < 4;
    if (option.empty()) {
        out.out = Win9xBriefListing(model, {});
    } else if (option == "/all" && args.size() == 1) {
        out.out = Win9xFullListing(model);
    } else if (((option == "/release_all" || option == "/renew_all") && args.size() == 1) || one) {
        const std::size_t n = one ? std::stoul(args[1]) : 0;
        const bool renew = option.compare(0, 6, "/renew") == 0;
        out.out = Win9xBriefListing(
            model, ChangeLeases(model, renew, false, [&](std::size_t i) { return !one || i == n; }));
    } else {
        return Usage(k9xUsage, option != "/?");
    }
    return out;
}

}  // namespace

ToolOutput RunIpconfig(PcModel& model, const std::string& commandLine) {
    ToolOutput common;
    if (!BeginRun(model, commandLine, common)) return common;
    std::vector<std::string> args = Words(commandLine);
    if (!args.empty()) args.erase(args.begin());
    for (std::string& a : args)
        if (!a.empty() && a[0] == '-') a[0] = '/';
    ToolOutput out = model.layout == Layout::Win9x ? Run9x(model, args) : RunNt(model, args);
    out.err = common.err;
    out.durationMs = common.durationMs;
    return out;
}

}  // namespace simpc
