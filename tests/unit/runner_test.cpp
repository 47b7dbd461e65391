// The command runner and the platform family: how a console tool is started,
// what the status picture shows meanwhile, and how a run can fail.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "contracts/Tools.h"
#include "dialog_on_sim_pc.h"
#include "runner/Texts.h"

namespace {

class Runner : public DialogOnSimPc {
protected:
    void SetTool(const sim::ToolResult& result) {
        pc.SetTool(programPath, [result](const std::string&) { return result; });
    }
    bool Run(const contracts::ToolStep& step = contracts::kIpconfigAllNt) {
        return dlg.RunCommand(step.label, programPath.c_str(), step.commandLine, step.waitSeconds,
                              SW_HIDE);
    }
    // Every image the status picture was given, in order.
    const std::vector<plat::Hicon>& images() {
        return pc.FindWindow(hwnd)->controls[IDC_STATUS_PICTURE].iconHistory;
    }

    const std::string programPath = pc.systemDir + contracts::kIpconfigExe;
};

sim::ToolResult Printing(const std::string& out, std::uint32_t durationMs = 0) {
    sim::ToolResult result;
    result.out = out;
    result.durationMs = durationMs;
    return result;
}

// --- the status picture -------------------------------------------------------

TEST_F(Runner, AToolThatEndsAtOnceShowsOneBusyImageAndTheNextRunTheOther) {
    SetTool(Printing("Windows IP Configuration\n"));
    dlg.m_imageToggle = 1;

    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Run());

    const std::vector<plat::Hicon> expected{dlg.m_hBusyA, dlg.m_hIdle, dlg.m_hBusyB,
                                            dlg.m_hIdle,  dlg.m_hBusyA, dlg.m_hIdle};
    EXPECT_EQ(images(), expected);
    EXPECT_EQ(dlg.m_imageToggle, 0);
}

TEST_F(Runner, ToggleAtZeroStartsWithTheOtherBusyImage) {
    SetTool(Printing(""));
    dlg.m_imageToggle = 0;

    Run();

    const std::vector<plat::Hicon> expected{dlg.m_hBusyB, dlg.m_hIdle};
    EXPECT_EQ(images(), expected);
    EXPECT_EQ(dlg.m_imageToggle, 1);
}

TEST_F(Runner, BusyImagesAlternateUntilTheToolEndsThenIdle) {
    SetTool(Printing("", 1000));
    dlg.m_imageToggle = 1;

    EXPECT_TRUE(Run());

    ASSERT_GE(images().size(), 3u);
    EXPECT_EQ(images().back(), dlg.m_hIdle);
    for (std::size_t i = 0; i + 1 < images().size(); ++i)
        EXPECT_EQ(images()[i], i % 2 == 0 ? dlg.m_hBusyA : dlg.m_hBusyB) << "image " << i;
    // The runner notices the end within one cycle.
    EXPECT_GE(pc.now, 1000u);
    EXPECT_LE(pc.now, 1300u);
}

// --- how the tool is started -------------------------------------------------

TEST_F(Runner, OnlyStandardOutputReachesWorkFile) {
    sim::ToolResult result = Printing("Windows IP Configuration\n");
    result.err = "The operation failed.\n";
    SetTool(result);

    EXPECT_TRUE(Run());

    EXPECT_EQ(WorkFileText(), "Windows IP Configuration\n");
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_TRUE(pc.runs[0].stdoutToFile);
    EXPECT_FALSE(pc.runs[0].stderrToStdoutFile);
}

TEST_F(Runner, StartsTheToolHiddenWithWorkFileInherited) {
    SetTool(Printing(""));

    Run(contracts::kShowDns);

    ASSERT_EQ(pc.runs.size(), 1u);
    const sim::ToolRun& run = pc.runs[0];
    EXPECT_EQ(run.application, programPath);
    EXPECT_EQ(run.commandLine, contracts::kShowDns.commandLine);
    EXPECT_EQ(run.startupFlags, STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES);
    EXPECT_EQ(run.showWindow, static_cast<unsigned>(SW_HIDE));
    EXPECT_TRUE(run.inheritHandles);
    EXPECT_EQ(run.stdoutPath, contracts::WorkFile);

    // WorkFile is created afresh, inheritable, and shared so that a reader of
    // the previous listing does not stand in the way.
    ASSERT_EQ(pc.createFileCalls.size(), 1u);
    const sim::CreateFileCall& create = pc.createFileCalls[0];
    EXPECT_EQ(create.path, contracts::WorkFile);
    EXPECT_EQ(create.access, GENERIC_READ | GENERIC_WRITE);
    EXPECT_EQ(create.share, FILE_SHARE_READ | FILE_SHARE_WRITE);
    EXPECT_TRUE(create.inheritable);
    EXPECT_EQ(create.creation, CREATE_ALWAYS);
}

TEST_F(Runner, AFinishedRunClosesBothHandlesAndShowsNothing) {
    SetTool(Printing("Ok.\n"));

    EXPECT_TRUE(Run());

    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_TRUE(pc.runs[0].threadHandleClosed);
    EXPECT_TRUE(pc.runs[0].processHandleClosed);
    EXPECT_EQ(pc.OpenHandleCount(), 0);
    EXPECT_TRUE(pc.boxes.empty());
}

TEST_F(Runner, EachRunReplacesWorkFile) {
    SetTool(Printing("first listing, rather long\n"));
    Run();
    SetTool(Printing("second\n"));
    Run();

    EXPECT_EQ(WorkFileText(), "second\n");
}

// --- failures ---------------------------------------------------------------

TEST_F(Runner, AWorkFileThatCannotBeCreatedIsReportedAndNothingRuns) {
    pc.PutFile(contracts::WorkFile, "older output\n", /*readOnly=*/true);
    SetTool(Printing("new output\n"));

    EXPECT_FALSE(Run());

    ExpectOnlyDialogBox(kInvalidHandleValue);
    EXPECT_TRUE(pc.runs.empty());
    EXPECT_TRUE(images().empty());
    EXPECT_EQ(WorkFileText(), "older output\n");
}

TEST_F(Runner, AFailedWaitIsReportedAfterTheIdleImageAndClosedHandles) {
    SetTool(Printing("", 5000));
    pc.waitFailures = 1;

    EXPECT_FALSE(Run());

    ExpectOnlyDialogBox(kWaitFailed);
    ASSERT_FALSE(images().empty());
    EXPECT_EQ(images().back(), dlg.m_hIdle);
    EXPECT_EQ(pc.OpenHandleCount(), 0);
}

TEST_F(Runner, AToolThatCannotStartLeavesWorkFileEmptyWithoutABox) {
    pc.PutFile(contracts::WorkFile, "older output\n");
    sim::ToolResult result;
    result.cannotStart = true;
    SetTool(result);

    EXPECT_FALSE(Run());

    EXPECT_TRUE(pc.boxes.empty());
    EXPECT_EQ(images(), std::vector<plat::Hicon>{dlg.m_hIdle});
    EXPECT_TRUE(pc.HasFile(contracts::WorkFile));
    EXPECT_EQ(WorkFileText(), "");
    EXPECT_EQ(pc.OpenHandleCount(), 0);
}

// --- the bound on a run ---------------------------------------------------------

struct DeadlineCase {
    const char* name;
    const contracts::ToolStep* step;
    std::uint32_t deadlineSeconds;
};
void PrintTo(const DeadlineCase& c, std::ostream* os) { *os << c.name; }

class RunnerDeadline : public Runner, public ::testing::WithParamInterface<DeadlineCase> {};

TEST_P(RunnerDeadline, AHangingToolIsStoppedAndTheStepNamed) {
    const DeadlineCase& c = GetParam();
    sim::ToolResult result;
    result.hang = true;
    SetTool(result);

    EXPECT_FALSE(Run(*c.step));

    ExpectOnlyDialogBox(StepStoppedText(c.step->label, c.deadlineSeconds));
    const std::string text = pc.boxes.empty() ? "" : pc.boxes[0].text;
    EXPECT_NE(text.find(std::string("\"") + c.step->label + "\""), std::string::npos);
    EXPECT_NE(text.find(" " + std::to_string(c.deadlineSeconds) + " seconds"), std::string::npos);

    ASSERT_EQ(pc.runs.size(), 1u);
    const sim::ToolRun& run = pc.runs[0];
    EXPECT_TRUE(run.terminated);
    EXPECT_GE(run.endMs - run.startMs, c.deadlineSeconds * 1000);
    EXPECT_LE(run.endMs - run.startMs, c.deadlineSeconds * 1000 + 300);
    EXPECT_EQ(pc.OpenHandleCount(), 0);
    ASSERT_FALSE(images().empty());
    EXPECT_EQ(images().back(), dlg.m_hIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RunnerDeadline,
    ::testing::Values(DeadlineCase{"Renewal", &contracts::kRenewNt, 360},
                      DeadlineCase{"Listing", &contracts::kIpconfigAllNt, 30},
                      DeadlineCase{"DnsListing", &contracts::kShowDns, 60}),
    [](const ::testing::TestParamInfo<DeadlineCase>& info) { return info.param.name; });

TEST_F(Runner, ASlowToolThatEndsBeforeTheDeadlineIsNotStopped) {
    SetTool(Printing("Ok.\n", 359000));

    EXPECT_TRUE(Run(contracts::kRenewNt));

    EXPECT_TRUE(pc.boxes.empty());
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_FALSE(pc.runs[0].terminated);
    EXPECT_EQ(WorkFileText(), "Ok.\n");
}

// --- the platform family ---------------------------------------------------------

struct FamilyCase {
    const char* name;
    std::uint32_t platformId;
    std::uint32_t major, minor;
    int failures;  // version queries that fail first
    int family;
};
void PrintTo(const FamilyCase& c, std::ostream* os) { *os << c.name; }

class PlatformFamilyTest : public DialogOnSimPc,
                           public ::testing::WithParamInterface<FamilyCase> {};

TEST_P(PlatformFamilyTest, MapsThePlatformId) {
    const FamilyCase& c = GetParam();
    pc.SetVersion(c.platformId, c.major, c.minor);
    pc.versionQueryFailures = c.failures;

    EXPECT_EQ(dlg.GetPlatformFamily(), c.family);
}

INSTANTIATE_TEST_SUITE_P(
    Versions, PlatformFamilyTest,
    ::testing::Values(FamilyCase{"Windows95", 1, 4, 0, 0, kFamily9x},
                      FamilyCase{"Windows98", 1, 4, 10, 0, kFamily9x},
                      FamilyCase{"WindowsMe", 1, 4, 90, 0, kFamily9x},
                      FamilyCase{"Windows2000", 2, 5, 0, 0, kFamilyNt},
                      FamilyCase{"WindowsXp", 2, 5, 1, 0, kFamilyNt},
                      FamilyCase{"Windows10", 2, 10, 0, 0, kFamilyNt},
                      FamilyCase{"Win32s", 0, 3, 11, 0, kFamilyWin32s},
                      FamilyCase{"UnknownPlatform", 3, 4, 0, 0, kFamilyUnknown},
                      FamilyCase{"SecondTryAnswers", 2, 5, 1, 1, kFamilyNt},
                      FamilyCase{"BothTriesFail", 1, 4, 10, 2, kFamilyUnknown}),
    [](const ::testing::TestParamInfo<FamilyCase>& info) { return info.param.name; });

}  // namespace
