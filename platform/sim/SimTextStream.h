// A C runtime read stream in text mode over a simulated file. It reads the file
// as it is at each call, at the stream's own position: a tool run that
// re-creates the file under an open stream changes what the stream reads next.
#pragma once

#include <memory>

#include "platform/Platform.h"
#include "platform/sim/SimInternals.h"

namespace sim {

class SimTextStream : public plat::TextStream {
public:
    explicit SimTextStream(std::shared_ptr<FileData> file) : file_(std::move(file)) {}

    int Seek(long offset, int origin) override;
    char* Gets(char* buffer, int count) override;
    bool Eof() override { return eof_; }

    const std::shared_ptr<FileData>& File() const { return file_; }

private:
    // One character as text mode delivers it; -1 at the end (sets the indicator).
    int Next();

    std::shared_ptr<FileData> file_;
    std::size_t position_ = 0;  // in the file's bytes
    bool eof_ = false;
};

}  // namespace sim
