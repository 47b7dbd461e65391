// The reading of WorkFile: pieces of at most 254 characters, the end-of-file
// rules of a text stream, the missing file, and the snapshot that lets a scan
// go on while a tool run rewrites the file.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "contracts/Tools.h"
#include "dialog_on_sim_pc.h"
#include "runner/WorkFileReader.h"

namespace {

// Reads the way every check reads: until the end-of-file indicator or a failed read.
std::vector<std::string> ReadPieces(WorkFileReader& reader) {
    std::vector<std::string> pieces;
    while (!reader.AtEnd()) {
        if (!reader.ReadLine()) break;
        pieces.emplace_back(reader.Line());
    }
    return pieces;
}

// What a scan could observe, step by step, reading on past the end: the
// indicator, the read's result and the whole buffer.
struct Observation {
    bool atEnd;
    bool read;
    std::string buffer;
    bool operator==(const Observation& o) const {
        return atEnd == o.atEnd && read == o.read && buffer == o.buffer;
    }
};

std::vector<Observation> Observe(WorkFileReader& reader) {
    std::vector<Observation> seen;
    int failedReads = 0;
    while (failedReads < 3) {
        Observation o{reader.AtEnd(), reader.ReadLine(), ""};
        o.buffer.assign(reader.Line(), kLineBufferSize);
        if (!o.read) ++failedReads;
        seen.push_back(o);
    }
    seen.push_back({reader.AtEnd(), false, ""});
    return seen;
}

class Reader : public DialogOnSimPc {
protected:
    void Put(const std::string& content) { pc.PutFile(contracts::WorkFile, content); }
    WorkFileReader reader{dlg};
};

// --- pieces -----------------------------------------------------------------

struct PiecesCase {
    const char* name;
    std::string content;
    std::vector<std::string> pieces;
};
void PrintTo(const PiecesCase& c, std::ostream* os) { *os << c.name; }

class ReaderPieces : public Reader, public ::testing::WithParamInterface<PiecesCase> {};

TEST_P(ReaderPieces, ArriveAsTheStreamGivesThem) {
    Put(GetParam().content);
    ASSERT_TRUE(reader.Open());

    EXPECT_EQ(ReadPieces(reader), GetParam().pieces);
    EXPECT_TRUE(reader.AtEnd());
}

const std::string a253(253, 'a'), a254(254, 'a'), a600(600, 'a');

INSTANTIATE_TEST_SUITE_P(
    Lengths, ReaderPieces,
    ::testing::Values(
        PiecesCase{"Line253", a253 + "\n", {a253 + "\n"}},
        PiecesCase{"Line254", a254 + "\n", {a254, "\n"}},
        PiecesCase{"Line255ThenShort", a254 + "a\nb\n", {a254, "a\n", "b\n"}},
        PiecesCase{"Line600", a600 + "\n", {a254, a254, std::string(92, 'a') + "\n"}},
        PiecesCase{"NoFinalLineFeed", "first\nlast", {"first\n", "last"}},
        PiecesCase{"Empty", "", {}}),
    [](const ::testing::TestParamInfo<PiecesCase>& info) { return info.param.name; });

TEST_F(Reader, AnEmptyFileEndsAfterOneFailedRead) {
    Put("");
    ASSERT_TRUE(reader.Open());

    EXPECT_FALSE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_STREQ(reader.Line(), "");
    EXPECT_TRUE(reader.AtEnd());
}

TEST_F(Reader, ALastLineWithoutLineFeedSetsTheEndAsItArrives) {
    Put("first\nlast");
    ASSERT_TRUE(reader.Open());
    ASSERT_TRUE(reader.ReadLine());
    EXPECT_FALSE(reader.AtEnd());

    ASSERT_TRUE(reader.ReadLine());
    EXPECT_STREQ(reader.Line(), "last");
    EXPECT_TRUE(reader.AtEnd());
    // Reading on at the end finds an empty line.
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_STREQ(reader.Line(), "");
}

TEST_F(Reader, ContainsIsACaseSensitiveSubstringTest) {
    Put("        DNS Servers . . . . . . . . . . . : 8.8.8.8\n");
    ASSERT_TRUE(reader.Open());
    ASSERT_TRUE(reader.ReadLine());

    EXPECT_TRUE(reader.Contains(contracts::kDnsServersLabel));
    EXPECT_TRUE(reader.Contains("8.8.8.8\n"));
    EXPECT_FALSE(reader.Contains("dns servers"));
}

// --- opening and closing ---------------------------------------------------------

TEST_F(Reader, AMissingFileIsReportedThroughTheDialog) {
    EXPECT_FALSE(reader.Open());

    ExpectOnlyDialogBox(kWorkFileNotFound);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine());
    EXPECT_EQ(pc.OpenTextCount(), 0);
}

TEST_F(Reader, TheStreamIsClosedByCloseAndByTheReadersEnd) {
    Put("line\n");
    ASSERT_TRUE(reader.Open());
    reader.Close();
    EXPECT_EQ(pc.OpenTextCount(), 0);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine());

    {
        WorkFileReader scoped(dlg);
        ASSERT_TRUE(scoped.Open());
        EXPECT_EQ(pc.OpenTextCount(), 1);
    }
    EXPECT_EQ(pc.OpenTextCount(), 0);
    EXPECT_TRUE(pc.boxes.empty());
}

// --- the snapshot -------------------------------------------------------------------

struct ReplayCase {
    const char* name;
    std::string content;
    int readBefore;  // pieces read from the stream before the snapshot
};
void PrintTo(const ReplayCase& c, std::ostream* os) { *os << c.name; }

class ReaderSnapshot : public Reader, public ::testing::WithParamInterface<ReplayCase> {};

TEST_P(ReaderSnapshot, ReplaysExactlyWhatTheStreamWouldHaveGiven) {
    const ReplayCase& c = GetParam();
    Put(c.content);
    WorkFileReader direct(dlg);
    ASSERT_TRUE(direct.Open());
    ASSERT_TRUE(reader.Open());
    for (int i = 0; i < c.readBefore; ++i) {
        direct.ReadLine();
        reader.ReadLine();
    }

    reader.Snapshot();
    EXPECT_EQ(pc.OpenTextCount(), 1);  // only the direct reader's stream

    EXPECT_EQ(Observe(reader), Observe(direct));
}

INSTANTIATE_TEST_SUITE_P(
    Contents, ReaderSnapshot,
    ::testing::Values(ReplayCase{"Empty", "", 0},
                      ReplayCase{"Listing", "one\ntwo\nthree\n", 0},
                      ReplayCase{"AfterOneRead", "one\ntwo\nthree\n", 1},
                      ReplayCase{"AtTheEnd", "one\n", 2},
                      ReplayCase{"NoFinalLineFeed", "one\nlast", 0},
                      ReplayCase{"LongLines", a600 + "\n" + a254 + "\n" + a253, 0},
                      ReplayCase{"NulInALine", std::string("a\0b\nc\n", 6), 0}),
    [](const ::testing::TestParamInfo<ReplayCase>& info) { return info.param.name; });

TEST_F(Reader, ASnapshotOutlivesAToolRunThatRewritesWorkFile) {
    Put("Configuration for interface \"LAN\"\n"
        "    Statically Configured DNS Servers:    10.1.1.1\n"
        "\n"
        "Configuration for interface \"WAN\"\n");
    const std::string netsh = pc.systemDir + contracts::kNetshExe;
    pc.SetTool(netsh, [](const std::string&) {
        sim::ToolResult result;
        result.out = "Ok.\n\n";
        return result;
    });
    ASSERT_TRUE(reader.Open());
    ASSERT_TRUE(reader.ReadLine());

    reader.Snapshot();
    const std::string repair =
        std::string(contracts::kSetDnsDhcp.commandLine) + "\"LAN\"" + contracts::kDhcpSuffix;
    dlg.RunCommand(contracts::kSetDnsDhcp.label, netsh.c_str(), repair.c_str(),
                   contracts::kSetDnsDhcp.waitSeconds, SW_HIDE);
    ASSERT_EQ(WorkFileText(), "Ok.\n\n");

    EXPECT_STREQ(reader.Line(), "Configuration for interface \"LAN\"\n");
    const std::vector<std::string> rest{"    Statically Configured DNS Servers:    10.1.1.1\n",
                                        "\n", "Configuration for interface \"WAN\"\n"};
    EXPECT_EQ(ReadPieces(reader), rest);
    EXPECT_TRUE(pc.boxes.empty());
}

TEST_F(Reader, CloseEndsAReplay) {
    Put("one\ntwo\n");
    ASSERT_TRUE(reader.Open());
    reader.Snapshot();

    reader.Close();

    EXPECT_TRUE(reader.AtEnd());
    EXPECT_FALSE(reader.ReadLine());
}

}  // namespace
