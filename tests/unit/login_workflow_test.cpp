// "Login" from click to outcome on simulated PCs: which tools run in which
// order, which boxes come up, what is written and which page opens.
#include <gtest/gtest.h>

#include "contracts/Registry.h"
#include "simpc/PcModel.h"
#include "tests/unit/workflow_fixture.h"
#include "workflows/Texts.h"

namespace {

using Strings = std::vector<std::string>;

const std::string kLan = "Local Area Connection";

class Login : public WorkflowOnSimPc {};

TEST_F(Login, ModemAnsweringOpensTheStartPageAfterOnePass) {
    Start("nt-happy");
    pc.PutFile(contracts::WorkFile, "left over");
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll}));
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kStartPage)});
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_FALSE(Visible());  // hidden in the notification area, not ended
    EXPECT_FALSE(Ended());
    EXPECT_EQ(pc.TrayIconCount(), 1);
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, DnsFixedOnNtIsRepairedAndTheSecondPassOpensThePage) {
    Start("nt-dns-fixed");
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll, cmd::kShowDns,
                               cmd::SetDns(kLan), cmd::kShowAddress,  // first pass: repair
                               cmd::kRelease, cmd::kRenew, cmd::kAll}));  // second: served
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kStartPage)});
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_TRUE(pc.model.cards[0].dnsAuto);
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, AddressFixedOnNtIsRepairedThenRestartIsOfferedWithoutASecondPass) {
    Start("nt-address-fixed");
    pc.AnswerNextBox(IDCANCEL);
    Click(IDC_LOGIN);

    const std::string name = pc.model.cards[0].name;
    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll, cmd::kShowDns,
                               cmd::kShowAddress, cmd::SetAddress(name)}));
    ASSERT_EQ(pc.boxes.size(), 1u);
    EXPECT_EQ(pc.boxes[0].caption, kRestartCaption);
    EXPECT_EQ(pc.boxes[0].owner, 0u);
    EXPECT_EQ(pc.rebootRequests, 0);
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, EverythingAutomaticButModemOffGivesTheFourPointAdviceAndEnds) {
    Start("nt-modem-off");
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll, cmd::kShowDns,
                               cmd::kShowAddress}));
    ASSERT_EQ(pc.boxes.size(), 1u);
    EXPECT_EQ(pc.boxes[0].text, kAdviceText);
    EXPECT_EQ(pc.boxes[0].caption, "ERROR");
    EXPECT_EQ(pc.boxes[0].style, MB_ICONERROR);
    EXPECT_EQ(pc.boxes[0].owner, 0u);
    EXPECT_TRUE(Ended());
    EXPECT_TRUE(pc.pagesOpened.empty());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, NoUsableCardShowsTheNoAdapterBoxAndTheDialogStays) {
    Start("nt-no-adapter");
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll}));
    ASSERT_EQ(pc.boxes.size(), 1u);
    EXPECT_EQ(pc.boxes[0].text, "No Network Adapter found!");
    EXPECT_EQ(pc.boxes[0].caption, "ERROR");
    EXPECT_EQ(pc.boxes[0].style, MB_ICONERROR);
    EXPECT_EQ(pc.boxes[0].owner, hwnd);
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, Windows9xWithDnsAndAddressFixedRepairsBothInTheRegistryAndOffersARestart) {
    Start("9x-dns-fixed");
    const std::string before = pc.registry.GetString(
        std::string("HKLM\\") + contracts::kMstcpKey, contracts::kValueEnableDNS);
    ASSERT_EQ(before, "1");
    pc.AnswerNextBox(IDOK);
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease9x, cmd::kRenew9x, cmd::kAll}));
    for (const sim::ToolRun& run : pc.runs)
        EXPECT_EQ(run.application, pc.windowsDir + "\\ipconfig.exe");
    EXPECT_EQ(pc.registry.GetString(std::string("HKLM\\") + contracts::kMstcpKey,
                                    contracts::kValueEnableDNS),
              "0");
    const Strings writes = pc.Log("reg-set");
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_NE(writes[1].find("\\IPAddress = 0.0.0.0"), std::string::npos) << writes[1];
    EXPECT_NE(writes[2].find("\\IPMask = 0.0.0.0"), std::string::npos) << writes[2];
    ASSERT_EQ(pc.boxes.size(), 1u);
    EXPECT_EQ(pc.boxes[0].caption, kRestartCaption);
    EXPECT_EQ(pc.reboots, 1);
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, Windows9xWithModemAnsweringOpensThePage) {
    Start("9x-happy");
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease9x, cmd::kRenew9x, cmd::kAll}));
    EXPECT_EQ(pc.pagesOpened, Strings{Page(contracts::kStartPage)});
    EXPECT_FALSE(Visible());
}

TEST_F(Login, Windows9xWithoutABindingFailsWithoutWritingTheAddressAnywhere) {
    Start("9x-dns-fixed");
    // A device id the hardware enumeration does not know: no binding is found.
    pc.registry.SetString(std::string("HKLM\\") + contracts::kNetClassKey + "\\0000",
                          contracts::kValueMatchingDeviceId, "PCI\\VEN_FFFF&DEV_0001");
    Click(IDC_LOGIN);

    EXPECT_EQ(BoxTexts(), Strings{kFailureText});
    for (const std::string& write : pc.Log("reg-set"))
        EXPECT_EQ(write.find("IPAddress"), std::string::npos) << write;
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
}

// WorkFile unreadable in the modem test or in the DNS check: that check's own
// box, then the failure box, and the program ends.
TEST_F(Login, UnreadableWorkFileInTheModemTestEndsWithTheFailureBox) {
    Start("nt-happy");
    LoseWorkFileAtRun(3);  // ipconfig /all
    Click(IDC_LOGIN);

    EXPECT_EQ(BoxTexts(), (Strings{"INVALID_HANDLE_VALUE", "ADSLLog.tmp file wasn't found",
                                   kFailureText}));
    EXPECT_TRUE(pc.pagesOpened.empty());
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, UnreadableWorkFileInTheDnsCheckEndsWithTheFailureBox) {
    Start("nt-dns-fixed");
    LoseWorkFileAtRun(5);  // netsh interface ip show dns
    Click(IDC_LOGIN);

    EXPECT_EQ(Runs(), (Strings{cmd::kRelease, cmd::kRenew, cmd::kAll, cmd::kAll}));
    EXPECT_EQ(BoxTexts(), (Strings{"INVALID_HANDLE_VALUE", "ADSLLog.tmp file wasn't found",
                                   kFailureText}));
    EXPECT_TRUE(Ended());
}

TEST_F(Login, NetshErrorInTheAddressCheckShowsTheFailureBoxAndEnds) {
    Start("nt-netsh-error");
    Click(IDC_LOGIN);

    EXPECT_EQ(BoxTexts(), Strings{kFailureText});
    EXPECT_EQ(pc.boxes[0].caption, "ERROR");
    EXPECT_EQ(pc.boxes[0].owner, 0u);
    EXPECT_TRUE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

// The address check fails after DNS was repaired: the dialog stays open.
TEST_F(Login, FailureAfterTheDnsRepairKeepsTheDialogOpen) {
    Start("nt-dns-fixed");
    const std::string netsh = pc.systemDir + "\\netsh.exe";
    pc.SetTool(netsh, [this](const std::string& line) {
        sim::ToolResult result;
        if (line == cmd::kShowAddress) {
            result.out = "Error obtaining configuration\r\n";
        } else {
            result.out = simpc::RunNetsh(pc.model, line).out;
        }
        return result;
    });
    Click(IDC_LOGIN);

    EXPECT_EQ(BoxTexts(), Strings{kFailureText});
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
}

// DNS automatic, address fixed, and netsh cannot carry out the address repair.
TEST_F(Login, FailedAddressRepairShowsTheFailureBoxAndEnds) {
    Start("nt-address-fixed");
    pc.SetTool(pc.systemDir + "\\netsh.exe", [this](const std::string& line) {
        sim::ToolResult result;
        result.out = line.rfind("netsh interface ip set address", 0) == 0
                         ? "Error obtaining configuration\r\n"
                         : simpc::RunNetsh(pc.model, line).out;
        return result;
    });
    Click(IDC_LOGIN);

    EXPECT_EQ(BoxTexts(), Strings{kFailureText});
    EXPECT_EQ(pc.rebootRequests, 0);
    EXPECT_TRUE(Ended());
}

TEST_F(Login, RepairsThatNeverTakeEffectStopAfterThreePasses) {
    Start("nt-netsh-refused");
    Click(IDC_LOGIN);

    int renews = 0;
    for (const std::string& run : Runs()) renews += run == cmd::kRenew;
    EXPECT_EQ(renews, kMaxNtPasses);
    EXPECT_EQ(BoxTexts(), Strings{kFailureText});
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
    EXPECT_FALSE(WorkFileExists());
}

TEST_F(Login, FamilyOtherThanNineXOrNtRunsNothingAndShowsNothing) {
    Start("nt-happy");
    pc.SetVersion(VER_PLATFORM_WIN32s, 1, 30);
    Click(IDC_LOGIN);

    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_TRUE(Visible());
    EXPECT_FALSE(Ended());
}

// While the advice box (no owner) is up the dialog can still be clicked; that
// click must not start a second diagnosis inside the first.
TEST_F(Login, AClickWhileABoxWithoutOwnerIsShownIsIgnored) {
    Start("nt-modem-off");
    pc.AnswerNextBox(IDOK, [this] {
        Click(IDC_LOGIN);
        Click(IDC_BRIDGE_SWITCH);
        Click(IDC_LOGOUT);
    });
    Click(IDC_LOGIN);

    EXPECT_EQ(pc.runs.size(), 6u);
    EXPECT_EQ(BoxTexts(), Strings{kAdviceText});
    EXPECT_TRUE(pc.shellRequests.empty());
    EXPECT_TRUE(Ended());
}

TEST_F(Login, ProxyBypassIsWrittenOncePerClickNotPerPass) {
    Start("nt-dns-fixed");
    const std::string settings = std::string("HKCU\\") + contracts::kInternetSettingsKey;
    pc.registry.SetDword(settings, contracts::kValueProxyEnable, 1);
    pc.registry.SetString(settings, contracts::kValueProxyServer, "proxy.example:8080");
    Click(IDC_LOGIN);

    EXPECT_EQ(pc.Log("reg-set").size(), 1u);
    EXPECT_EQ(pc.registry.GetString(settings, contracts::kValueProxyOverride),
              std::string(contracts::ModemAddress) + contracts::kLocalBypassSuffix);
}

}  // namespace
