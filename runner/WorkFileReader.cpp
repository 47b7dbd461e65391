#include "runner/WorkFileReader.h"

#include <algorithm>
#include <cstdio>

#include "contracts/Modem.h"

WorkFileReader::WorkFileReader(CWnd& owner) : m_owner(owner) {}

WorkFileReader::~WorkFileReader() { Close(); }

bool WorkFileReader::Open() {
    Close();
    m_stream = plat::kernel().OpenText(contracts::WorkFile);
    if (!m_stream) {
        m_owner.MessageBox(kWorkFileNotFound);
        return false;
    }
    m_stream->Seek(0, SEEK_SET);
    return true;
}

bool WorkFileReader::AtEnd() const {
    if (m_snapshot) return m_eof;
    return m_stream ? m_stream->Eof() : true;
}

WorkFileReader::Piece WorkFileReader::ReadPiece(plat::TextStream& stream,
                                                char (&line)[kLineBufferSize]) {
    std::fill(std::begin(line), std::end(line), '\0');
    Piece piece;
    piece.failed = stream.Gets(line, kLineBufferSize) == nullptr;
    if (piece.failed) {
        // A read error may leave the buffer indeterminate: a failed read is empty.
        std::fill(std::begin(line), std::end(line), '\0');
    } else {
        // The buffer was zeroed first, so its last nonzero byte ends the piece.
        char* end = std::end(line);
        while (end != std::begin(line) && end[-1] == '\0') --end;
        piece.text.assign(std::begin(line), end);
    }
    piece.eofAfter = stream.Eof();
    return piece;
}

bool WorkFileReader::ReadLine() {
    if (m_stream) return !ReadPiece(*m_stream, m_line).failed;

    std::fill(std::begin(m_line), std::end(m_line), '\0');
    if (!m_snapshot || m_next == m_pieces.size()) return false;
    const Piece& piece = m_pieces[m_next++];
    std::copy(piece.text.begin(), piece.text.end(), m_line);
    m_eof = piece.eofAfter;
    return !piece.failed;
}

void WorkFileReader::Snapshot() {
    if (!m_stream) return;
    std::vector<Piece> pieces;
    const bool eofNow = m_stream->Eof();
    // Read up to and including the first failed read: after it the stream
    // has nothing more to give, so the replay ends there too.
    char scratch[kLineBufferSize];
    do {
        pieces.push_back(ReadPiece(*m_stream, scratch));
    } while (!pieces.back().failed);
    Close();
    m_pieces = std::move(pieces);
    m_next = 0;
    m_eof = eofNow;
    m_snapshot = true;
}

void WorkFileReader::Close() {
    if (m_stream) {
        plat::kernel().CloseText(m_stream);
        m_stream = nullptr;
    }
    m_snapshot = false;
    m_pieces.clear();
    m_next = 0;
    m_eof = false;
}
