// The modem test: which "ipconfig /all" lines count as the modem serving the
// PC on each platform family, and what happens when there is nothing to read.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "contracts/Tools.h"
#include "dialog_on_sim_pc.h"
#include "runner/Texts.h"
#include "runner/WorkFileReader.h"

namespace {

const std::string kModem = contracts::ModemAddress;
const std::string kIsp1 = "24.177.176.38";
const std::string kIsp2 = "24.178.80.36";

// Lines as the console prints them, CR LF at the end of each.
std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

struct Addresses {
    std::string own = "68.113.108.36";
    std::string gateway = "68.113.108.1";
    std::string dhcpServer = "68.114.39.2";
    std::string dns = kIsp1;
    std::string moreDns = kIsp2;  // on a continuation line
};

// Windows XP: labels indented 8 blanks, further values at column 44.
std::string XpListing(const Addresses& a) {
    return Lines({"",
                  "Windows IP Configuration",
                  "",
                  "        Host Name . . . . . . . . . . . . : OHOME",
                  "        Primary Dns Suffix  . . . . . . . :",
                  "        Node Type . . . . . . . . . . . . : Unknown",
                  "        IP Routing Enabled. . . . . . . . : No",
                  "        WINS Proxy Enabled. . . . . . . . : No",
                  "",
                  "Ethernet adapter Local Area Connection:",
                  "",
                  "        Connection-specific DNS Suffix  . :",
                  "        Description . . . . . . . . . . . : Intel 21143-Based PCI Fast Ethernet "
                  "Adapter (Generic)",
                  "        Physical Address. . . . . . . . . : 00-08-C7-3F-A0-8A",
                  "        Dhcp Enabled. . . . . . . . . . . : Yes",
                  "        Autoconfiguration Enabled . . . . : Yes",
                  "        IP Address. . . . . . . . . . . . : " + a.own,
                  "        Subnet Mask . . . . . . . . . . . : 255.255.255.0",
                  "        Default Gateway . . . . . . . . . : " + a.gateway,
                  "        DHCP Server . . . . . . . . . . . : " + a.dhcpServer,
                  "        DNS Servers . . . . . . . . . . . : " + a.dns,
                  "                                            " + a.moreDns,
                  "                                            24.197.160.18"});
}

// Windows 10: labels indented 3 blanks, further values at column 39.
std::string Win10Listing(const Addresses& a) {
    return Lines({"",
                  "Ethernet adapter Ethernet1:",
                  "",
                  "   Connection-specific DNS Suffix  . :",
                  "   Description . . . . . . . . . . . : vmxnet3 Ethernet Adapter",
                  "   Physical Address. . . . . . . . . : 00-50-56-B9-C5-4B",
                  "   DHCP Enabled. . . . . . . . . . . : Yes",
                  "   Autoconfiguration Enabled . . . . : Yes",
                  "   IPv4 Address. . . . . . . . . . . : " + a.own + "(Preferred)",
                  "   Subnet Mask . . . . . . . . . . . : 255.255.255.0",
                  "   DHCP Server . . . . . . . . . . . : " + a.dhcpServer,
                  "   Default Gateway . . . . . . . . . : fe80::250:56ff:feb9:4ddf%4",
                  "                                       " + a.gateway,
                  "   DNS Servers . . . . . . . . . . . : " + a.dns,
                  "                                       " + a.moreDns,
                  "   NetBIOS over Tcpip. . . . . . . . : Enabled"});
}

Addresses With(std::string Addresses::*field, const std::string& value) {
    Addresses a;
    a.*field = value;
    return a;
}

class ModemDns : public DialogOnSimPc {
protected:
    std::string ProgramPath(int family) const {
        return (family == kFamily9x ? pc.windowsDir : pc.systemDir) + contracts::kIpconfigExe;
    }
    void SetListing(int family, const std::string& listing) {
        pc.SetTool(ProgramPath(family), [listing](const std::string&) {
            sim::ToolResult result;
            result.out = listing;
            return result;
        });
    }
};

// --- the matching rules -------------------------------------------------------------

struct MatchCase {
    const char* name;
    int family;
    std::string listing;
    int result;
};
void PrintTo(const MatchCase& c, std::ostream* os) { *os << c.name; }

class ModemDnsMatch : public ModemDns, public ::testing::WithParamInterface<MatchCase> {};

TEST_P(ModemDnsMatch, FindsTheModemAsTheFamilyShowsIt) {
    const MatchCase& c = GetParam();
    SetListing(c.family, c.listing);

    EXPECT_EQ(dlg.CheckModemDns(c.family, " "), c.result);

    const contracts::ToolStep& step =
        c.family == kFamily9x ? contracts::kIpconfigAll9x : contracts::kIpconfigAllNt;
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_EQ(pc.runs[0].application, ProgramPath(c.family));
    EXPECT_EQ(pc.runs[0].commandLine, step.commandLine);
    EXPECT_EQ(pc.runs[0].showWindow, static_cast<unsigned>(SW_HIDE));
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(pc.OpenTextCount(), 0);
}

using A = Addresses;

INSTANTIATE_TEST_SUITE_P(
    Listings, ModemDnsMatch,
    ::testing::Values(
        // NT family: only the DNS servers line with the modem's address counts.
        MatchCase{"NtXpDnsServer", kFamilyNt, XpListing(With(&A::dns, kModem)), 1},
        MatchCase{"NtWin10DnsServer", kFamilyNt, Win10Listing(With(&A::dns, kModem)), 1},
        MatchCase{"NtXpGateway", kFamilyNt, XpListing(With(&A::gateway, kModem)), 0},
        MatchCase{"NtXpDhcpServer", kFamilyNt, XpListing(With(&A::dhcpServer, kModem)), 0},
        MatchCase{"NtXpOwnAddress", kFamilyNt, XpListing(With(&A::own, kModem)), 0},
        MatchCase{"NtXpContinuation", kFamilyNt, XpListing(With(&A::moreDns, kModem)), 0},
        MatchCase{"NtWin10Gateway", kFamilyNt, Win10Listing(With(&A::gateway, kModem)), 0},
        MatchCase{"NtWin10Continuation", kFamilyNt, Win10Listing(With(&A::moreDns, kModem)), 0},
        MatchCase{"NtMoreDigitsBehind", kFamilyNt, XpListing(With(&A::dns, kModem + "0")), 1},
        MatchCase{"NtMoreDigitsInFront", kFamilyNt, XpListing(With(&A::dns, "1" + kModem)), 0},
        MatchCase{"NtNoModem", kFamilyNt, XpListing(A{}), 0},
        MatchCase{"NtEmpty", kFamilyNt, "", 0},
        // Windows 95/98/Me: the address anywhere counts, even inside a longer one.
        MatchCase{"NineXDnsServer", kFamily9x, XpListing(With(&A::dns, kModem)), 1},
        MatchCase{"NineXGateway", kFamily9x, XpListing(With(&A::gateway, kModem)), 1},
        MatchCase{"NineXDhcpServer", kFamily9x, Win10Listing(With(&A::dhcpServer, kModem)), 1},
        MatchCase{"NineXOwnAddress", kFamily9x, XpListing(With(&A::own, kModem)), 1},
        MatchCase{"NineXContinuation", kFamily9x, Win10Listing(With(&A::moreDns, kModem)), 1},
        MatchCase{"NineXMoreDigitsBehind", kFamily9x, XpListing(With(&A::own, kModem + "0")), 1},
        MatchCase{"NineXMoreDigitsInFront", kFamily9x, XpListing(With(&A::own, "1" + kModem)), 1},
        MatchCase{"NineXNoModem", kFamily9x, Win10Listing(A{}), 0},
        MatchCase{"NineXEmpty", kFamily9x, "", 0}),
    [](const ::testing::TestParamInfo<MatchCase>& info) { return info.param.name; });

// --- no run, or nothing to read ---------------------------------------------------

class ModemDnsNeither : public ModemDns, public ::testing::WithParamInterface<int> {};

TEST_P(ModemDnsNeither, RunsNothingAndFindsNothing) {
    SetListing(kFamilyNt, XpListing(With(&A::dns, kModem)));
    SetListing(kFamily9x, XpListing(With(&A::dns, kModem)));

    EXPECT_EQ(dlg.CheckModemDns(GetParam(), " "), 0);

    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(pc.createFileCalls.empty());
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_FALSE(pc.HasFile(contracts::WorkFile));
}

INSTANTIATE_TEST_SUITE_P(Families, ModemDnsNeither,
                         ::testing::Values(kFamilyUnknown, kFamilyWin32s));

TEST_F(ModemDns, AWorkFileThatCannotBeOpenedGivesTwoAfterTheBox) {
    SetListing(kFamilyNt, XpListing(With(&A::dns, kModem)));
    // Another program holds WorkFile without sharing it.
    const plat::Handle held =
        plat::kernel().CreateFile(contracts::WorkFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    EXPECT_EQ(dlg.CheckModemDns(kFamilyNt, " "), 2);

    ASSERT_EQ(pc.boxes.size(), 2u);
    EXPECT_EQ(pc.boxes[0].text, kInvalidHandleValue);
    EXPECT_EQ(pc.boxes[1].text, kWorkFileNotFound);
    EXPECT_EQ(pc.boxes[1].owner, hwnd);
    EXPECT_EQ(pc.boxes[1].caption, pc.moduleName);
    EXPECT_EQ(pc.OpenTextCount(), 0);
    plat::kernel().CloseHandle(held);
}

TEST_F(ModemDns, AnOlderListingIsReadWhenWorkFileCannotBeRecreated) {
    SetListing(kFamilyNt, XpListing(A{}));
    pc.PutFile(contracts::WorkFile, XpListing(With(&A::dns, kModem)), /*readOnly=*/true);

    EXPECT_EQ(dlg.CheckModemDns(kFamilyNt, " "), 1);

    ExpectOnlyDialogBox(kInvalidHandleValue);
}

// A hanging ipconfig is stopped; the box names the family's step, and the
// empty listing finds nothing.
TEST_F(ModemDns, AHangingListingIsStoppedUnderTheFamilysStepName) {
    for (int family : {kFamily9x, kFamilyNt}) {
        pc.boxes.clear();
        pc.SetTool(ProgramPath(family), [](const std::string&) {
            sim::ToolResult result;
            result.hang = true;
            return result;
        });
        const contracts::ToolStep& step =
            family == kFamily9x ? contracts::kIpconfigAll9x : contracts::kIpconfigAllNt;

        EXPECT_EQ(dlg.CheckModemDns(family, " "), 0) << family;

        ExpectOnlyDialogBox(StepStoppedText(step.label, 6u * step.waitSeconds));
    }
}

}  // namespace
