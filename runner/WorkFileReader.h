// The one way tool output is read: WorkFile in text mode, in pieces of at most
// 254 characters, each tested by substring; the stream is closed on every path.
#pragma once

#include <cstddef>
#include <cstring>
#include <vector>

#include "platform/framework/Afx.h"

constexpr int kLineBufferSize = 255;  // a piece holds at most 254 characters

class WorkFileReader {
public:
    // Boxes about the file are owned by this window (the main dialog).
    explicit WorkFileReader(CWnd& owner);
    ~WorkFileReader();  // closes the stream if still open
    WorkFileReader(const WorkFileReader&) = delete;
    WorkFileReader& operator=(const WorkFileReader&) = delete;

    // Opens WorkFile and seeks to its start. When it cannot be opened, shows
    // "ADSLLog.tmp file wasn't found" (owned by the dialog) and returns false.
    bool Open();
    // The stream's end-of-file indicator (set, too, when nothing is open).
    bool AtEnd() const;
    // Clears the buffer and reads one piece; false when the read failed (the
    // buffer is then empty).
    bool ReadLine();
    const char* Line() const { return m_line; }
    char* MutableLine() { return m_line; }
    bool Contains(const char* text) const { return std::strstr(m_line, text) != nullptr; }
    // Reads the rest of the file now, piece by piece as ReadLine would, and
    // closes the stream; later reads replay those pieces (so a tool run may
    // rewrite WorkFile while the scan goes on over the output as it was).
    void Snapshot();
    void Close();

private:
    // One read as the stream gave it: the buffer up to its last nonzero byte
    // (a piece may hold a NUL of its own), and the end-of-file indicator after it.
    struct Piece {
        std::vector<char> text;
        bool eofAfter = false;
        bool failed = false;  // the read returned nothing
    };
    static Piece ReadPiece(plat::TextStream& stream, char (&line)[kLineBufferSize]);

    CWnd& m_owner;
    plat::TextStream* m_stream = nullptr;
    bool m_snapshot = false;
    bool m_eof = false;  // replayed end-of-file indicator
    std::vector<Piece> m_pieces;
    std::size_t m_next = 0;
    char m_line[kLineBufferSize] = {};
};

// Text shown when WorkFile cannot be opened for reading.
constexpr char kWorkFileNotFound[] = "ADSLLog.tmp file wasn't found";
