// The simulated PC's behaviours that other tests lean on and that could be
// wrong without anyone noticing: text-mode reading, the registry's edge
// answers, the clock, boxes and window notifications.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Defs.h"
#include "platform/sim/SimulatedPc.h"

namespace {

constexpr char kFile[] = "c:\\ADSLLog.tmp";

// Reads as the program's reading loop does: pieces of at most 254 characters
// until the end-of-file indicator is set or a read fails.
std::vector<std::string> ReadPieces(plat::TextStream& stream) {
    std::vector<std::string> pieces;
    char line[255];
    while (!stream.Eof()) {
        if (!stream.Gets(line, sizeof line)) break;
        pieces.emplace_back(line);
    }
    return pieces;
}

struct TextCase {
    const char* name;
    std::string content;
    std::vector<std::string> pieces;
};

TEST(SimPcTextStream, ReadsPiecesAsTextModeFgets) {
    const std::string a254(254, 'a'), a255(255, 'a'), a600(600, 'a');
    const std::vector<TextCase> cases = {
        {"254 and CR LF", a254 + "\r\n", {a254, "\n"}},
        {"255 and CR LF", a255 + "\r\n", {a254, "a\n"}},
        {"600 without LF", a600, {a254, a254, std::string(92, 'a')}},
        {"empty", "", {}},
        {"CR LF lines", "one\r\ntwo\r\n", {"one\n", "two\n"}},
        {"lone CR kept", "a\rb", {"a\rb"}},
        {"Ctrl-Z ends the file", "one\r\n\x1Atwo\r\n", {"one\n"}},
    };
    for (const TextCase& c : cases) {
        sim::SimulatedPc pc;
        pc.PutFile(kFile, c.content);
        plat::TextStream* stream = plat::kernel().OpenText(kFile);
        ASSERT_NE(stream, nullptr) << c.name;
        EXPECT_EQ(ReadPieces(*stream), c.pieces) << c.name;
        EXPECT_TRUE(stream->Eof()) << c.name;
        plat::kernel().CloseText(stream);
    }
}

TEST(SimPcTextStream, EndIsSeenOnlyByTheReadAfterTheLastLine) {
    sim::SimulatedPc pc;
    pc.PutFile(kFile, "last\r\n");
    plat::TextStream* stream = plat::kernel().OpenText(kFile);
    char line[255] = "untouched";
    ASSERT_NE(stream->Gets(line, 255), nullptr);
    EXPECT_FALSE(stream->Eof());
    EXPECT_EQ(stream->Gets(line, 255), nullptr);
    EXPECT_TRUE(stream->Eof());
    EXPECT_STREQ(line, "last\n");  // a failed read leaves the buffer alone
    EXPECT_EQ(stream->Seek(0, 0), 0);
    EXPECT_FALSE(stream->Eof());
    plat::kernel().CloseText(stream);
    EXPECT_EQ(plat::kernel().OpenText("c:\\missing.tmp"), nullptr);
}

TEST(SimPcTextStream, AnOpenStreamReadsTheFileAsRewrittenUnderIt) {
    sim::SimulatedPc pc;
    pc.PutFile(kFile, "first\r\nsecond\r\n");
    plat::TextStream* stream = plat::kernel().OpenText(kFile);
    char line[255];
    ASSERT_NE(stream->Gets(line, 255), nullptr);

    // Re-creating the file needs read sharing; then the stream goes on at its
    // old position in the new content.
    EXPECT_EQ(plat::kernel().CreateFile(kFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL),
              INVALID_HANDLE_VALUE);
    const plat::Handle file =
        plat::kernel().CreateFile(kFile, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    pc.PutFile(kFile, "AAAAAAAnew line\r\n");
    ASSERT_NE(stream->Gets(line, 255), nullptr);
    EXPECT_STREQ(line, "new line\n");

    EXPECT_EQ(plat::kernel().RemoveFile(kFile), -1);  // open files cannot be deleted
    plat::kernel().CloseText(stream);
    plat::kernel().CloseHandle(file);
    EXPECT_EQ(plat::kernel().RemoveFile(kFile), 0);
    EXPECT_FALSE(pc.HasFile(kFile));
}

TEST(SimPcRegistry, QueryGivesStoredBytesAndSaysWhenTheyDoNotFit) {
    sim::SimulatedPc pc;
    pc.registry.SetString("HKLM\\Software\\Test", "Text", "1234567", false);
    plat::Hkey key = 0;
    ASSERT_EQ(plat::registry().OpenKeyEx(HKEY_LOCAL_MACHINE, "software\\TEST", 0, KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);

    unsigned char small[4] = {};
    std::uint32_t size = sizeof small, type = 0;
    EXPECT_EQ(plat::registry().QueryValueEx(key, "text", &type, small, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 7u);

    unsigned char data[16];
    std::fill(std::begin(data), std::end(data), 'x');
    size = sizeof data;
    EXPECT_EQ(plat::registry().QueryValueEx(key, "Text", &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(type, static_cast<std::uint32_t>(REG_SZ));
    EXPECT_EQ(data[7], 'x');  // no NUL added behind the stored bytes
    EXPECT_EQ(plat::registry().QueryValueEx(key, "Absent", &type, data, &size), ERROR_FILE_NOT_FOUND);

    EXPECT_EQ(pc.OpenKeyCount(), 1);
    EXPECT_EQ(plat::registry().CloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(pc.OpenKeyCount(), 0);
    EXPECT_EQ(plat::registry().CloseKey(key), ERROR_INVALID_HANDLE);
}

TEST(SimPcRegistry, EnumeratesSubKeysInCaseInsensitiveOrder) {
    sim::SimulatedPc pc;
    for (const char* name : {"b", "0001", "A", "0000", "SixteenCharsLong"})
        pc.registry.CreateKey(std::string("HKLM\\Class\\") + name);
    plat::Hkey key = 0;
    ASSERT_EQ(plat::registry().OpenKey(HKEY_LOCAL_MACHINE, "Class", &key), ERROR_SUCCESS);
    std::vector<std::string> names;
    char name[16];
    long result = ERROR_SUCCESS;
    for (std::uint32_t i = 0; (result = plat::registry().EnumKey(key, i, name, sizeof name)) == 0; ++i)
        names.emplace_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"0000", "0001", "A", "b"}));
    EXPECT_EQ(result, ERROR_MORE_DATA);  // the sixteen-character name does not fit
    EXPECT_EQ(plat::registry().EnumKey(key, 5, name, sizeof name), ERROR_NO_MORE_ITEMS);
    plat::registry().CloseKey(key);
}

TEST(SimPcRegistry, DeniedPathsRefuseWritesAndFullAccess) {
    sim::SimulatedPc pc;
    pc.registry.CreateKey("HKCU\\Locked\\Inner");
    pc.registry.denyWrite.insert("HKCU\\Locked");
    plat::Hkey key = 0;
    std::uint32_t disposition = 0;
    EXPECT_EQ(plat::registry().CreateKeyEx(HKEY_CURRENT_USER, "locked\\Inner", 0, KEY_ALL_ACCESS, &key,
                                           &disposition),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(plat::registry().OpenKeyEx(HKEY_CURRENT_USER, "Locked", 0, KEY_ALL_ACCESS, &key),
              ERROR_ACCESS_DENIED);
    ASSERT_EQ(plat::registry().OpenKey(HKEY_CURRENT_USER, "Locked", &key), ERROR_SUCCESS);
    const unsigned char one[] = {1};
    EXPECT_EQ(plat::registry().SetValueEx(key, "V", REG_BINARY, one, 1), ERROR_ACCESS_DENIED);
    plat::registry().CloseKey(key);
    EXPECT_TRUE(pc.Log("reg-set").empty());
}

// Starts a scripted tool with its output into a new work file, as the runner does.
plat::ProcessInformation StartTool(sim::SimulatedPc& pc, sim::ToolResult result) {
    pc.SetTool("C:\\WINDOWS\\system32\\ipconfig.exe", [result](const std::string&) { return result; });
    const plat::SecurityAttributes sa{12, nullptr, true};
    const plat::Handle file =
        plat::kernel().CreateFile(kFile, GENERIC_READ | GENERIC_WRITE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL);
    plat::StartupInfo startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.hStdOutput = file;
    startup.hStdError = plat::kernel().GetStdHandle(STD_ERROR_HANDLE);
    char commandLine[] = "ipconfig /all";
    plat::ProcessInformation info;
    EXPECT_TRUE(plat::kernel().CreateProcess("c:\\windows\\SYSTEM32\\ipconfig.exe", commandLine,
                                             true, 0, startup, info));
    plat::kernel().CloseHandle(file);
    return info;
}

TEST(SimPcProcesses, WaitsMoveTheClockToTheToolsEnd) {
    sim::SimulatedPc pc;
    sim::ToolResult result;
    result.out = "output\r\n";
    result.err = "error\r\n";
    result.durationMs = 250;
    const plat::ProcessInformation info = StartTool(pc, result);
    EXPECT_EQ(pc.FileText(kFile), "output\r\n");  // standard error went nowhere

    plat::kernel().Sleep(200);
    EXPECT_EQ(plat::kernel().WaitForSingleObject(info.hProcess, 30), WAIT_TIMEOUT);
    EXPECT_EQ(pc.now, 230u);
    EXPECT_EQ(plat::kernel().WaitForSingleObject(info.hProcess, 100), WAIT_OBJECT_0);
    EXPECT_EQ(plat::kernel().GetTickCount(), 250u);
    EXPECT_EQ(pc.Log("end"), (std::vector<std::string>{"end ipconfig /all"}));

    pc.waitFailures = 1;
    EXPECT_EQ(plat::kernel().WaitForSingleObject(info.hProcess, 100), WAIT_FAILED);
    plat::kernel().CloseHandle(info.hProcess);
    ASSERT_EQ(pc.runs.size(), 1u);
    EXPECT_TRUE(pc.runs[0].processHandleClosed);
    EXPECT_FALSE(pc.runs[0].threadHandleClosed);
    EXPECT_TRUE(pc.runs[0].stdoutToFile);
    EXPECT_FALSE(pc.runs[0].stderrToStdoutFile);
}

TEST(SimPcProcesses, AHungToolTimesOutUntilKilled) {
    sim::SimulatedPc pc;
    sim::ToolResult result;
    result.hang = true;
    const plat::ProcessInformation info = StartTool(pc, result);
    EXPECT_EQ(plat::kernel().WaitForSingleObject(info.hProcess, 100), WAIT_TIMEOUT);
    EXPECT_EQ(pc.now, 100u);
    EXPECT_EQ(plat::kernel().RemoveFile(kFile), -1);  // the tool still holds its output file
    EXPECT_TRUE(plat::kernel().TerminateProcess(info.hProcess, 1));
    EXPECT_EQ(plat::kernel().RemoveFile(kFile), 0);
    EXPECT_EQ(plat::kernel().WaitForSingleObject(info.hProcess, 100), WAIT_OBJECT_0);
    EXPECT_EQ(pc.now, 100u);
    EXPECT_TRUE(pc.runs[0].terminated);
}

// Records what a window hears.
class RecordingSink : public plat::WindowSink {
public:
    void AttachHandle(plat::Hwnd hwnd) override { this->hwnd = hwnd; }
    plat::Lresult WindowProc(unsigned msg, plat::Wparam wp, plat::Lparam lp) override {
        messages.emplace_back(msg, wp);
        return plat::ui().CallDefault(hwnd, msg, wp, lp);
    }
    plat::Hwnd hwnd = 0;
    std::vector<std::pair<unsigned, plat::Wparam>> messages;
};

TEST(SimPcWindows, ShowWindowNotifiesOnlyAChangeOfVisibility) {
    sim::SimulatedPc pc;
    RecordingSink sink;
    const plat::Hwnd dialog = pc.Create(sink, 102);
    using M = std::vector<std::pair<unsigned, plat::Wparam>>;
    EXPECT_EQ(sink.messages, (M{{WM_INITDIALOG, 0}, {WM_SHOWWINDOW, 1}}));
    sink.messages.clear();
    plat::ui().ShowWindow(dialog, SW_SHOWNORMAL);
    plat::ui().ShowWindow(dialog, SW_HIDE);
    plat::ui().ShowWindow(dialog, SW_HIDE);
    plat::ui().ShowWindow(dialog, SW_RESTORE);
    EXPECT_EQ(sink.messages, (M{{WM_SHOWWINDOW, 0}, {WM_SHOWWINDOW, 1}}));
    EXPECT_EQ(plat::ui().FindWindowByTitle("Kelvane"), dialog);
}

TEST(SimPcBoxes, AnswersFromTheQueueWithTheOwnerDisabledMeanwhile) {
    sim::SimulatedPc pc;
    RecordingSink sink;
    const plat::Hwnd dialog = pc.Create(sink, 102);
    bool ownerEnabledWhileShown = true;
    plat::Hwnd popupWhileShown = 0;
    pc.AnswerNextBox(IDNO, [&] {
        ownerEnabledWhileShown = pc.FindWindow(dialog)->enabled;
        popupWhileShown = plat::ui().GetLastActivePopup(dialog);
    });
    EXPECT_EQ(plat::ui().MessageBox(dialog, "Restart?", "Question", MB_YESNO), IDNO);
    EXPECT_FALSE(ownerEnabledWhileShown);
    EXPECT_NE(popupWhileShown, dialog);
    EXPECT_TRUE(pc.FindWindow(dialog)->enabled);
    EXPECT_EQ(plat::ui().GetLastActivePopup(dialog), dialog);

    // Unscripted boxes take their first button.
    EXPECT_EQ(plat::ui().MessageBox(0, "Go on?", "WARNING", MB_YESNO | MB_ICONWARNING), IDYES);
    EXPECT_EQ(plat::ui().MessageBox(0, "Done", "Info", MB_OKCANCEL), IDOK);
    ASSERT_EQ(pc.boxes.size(), 3u);
    EXPECT_EQ(pc.boxes[0].answer, IDNO);
    EXPECT_EQ(pc.Log("box")[1], "box WARNING | Go on?");
}

}  // namespace

namespace {

struct ScenarioCase {
    const char* file;
    std::uint32_t platformId;
    const char* toolPath;
};

TEST(SimPcScenario, LoadsTheFamilysVersionAndModelledTools) {
    const std::vector<ScenarioCase> cases = {
        {"nt-happy.txt", VER_PLATFORM_WIN32_NT, "C:\\WINDOWS\\system32\\ipconfig.exe"},
        {"9x-happy.txt", VER_PLATFORM_WIN32_WINDOWS, "C:\\WINDOWS\\ipconfig.exe"},
    };
    for (const ScenarioCase& c : cases) {
        sim::SimulatedPc pc;
        ASSERT_TRUE(pc.LoadScenarioFile(std::string(KELVANE_SOURCE_DIR "/tests/scenarios/") + c.file))
            << c.file;
        plat::OsVersionInfo version;
        version.dwOSVersionInfoSize = sizeof version;
        ASSERT_TRUE(plat::kernel().GetVersionEx(version));
        EXPECT_EQ(version.dwPlatformId, c.platformId) << c.file;

        const plat::SecurityAttributes sa{12, nullptr, true};
        plat::StartupInfo startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = plat::kernel().CreateFile(kFile, GENERIC_READ | GENERIC_WRITE, 0, &sa,
                                                       CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL);
        char commandLine[] = "ipconfig /all";
        plat::ProcessInformation info;
        EXPECT_TRUE(plat::kernel().CreateProcess(c.toolPath, commandLine, true, 0, startup, info))
            << c.file;
        EXPECT_NE(pc.FileText(kFile).find("IP Configuration"), std::string::npos) << c.file;
    }
}

}  // namespace
