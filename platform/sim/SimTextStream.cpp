#include "platform/sim/SimTextStream.h"

namespace sim {
namespace {
constexpr char kCtrlZ = 0x1A;
}

int SimTextStream::Seek(long offset, int origin) {
    long base = 0;
    if (origin == 1) base = static_cast<long>(position_);
    else if (origin == 2) base = static_cast<long>(file_->content.size());
    else if (origin != 0) return -1;
    if (base + offset < 0) return -1;
    position_ = static_cast<std::size_t>(base + offset);
    eof_ = false;
    return 0;
}

int SimTextStream::Next() {
    const std::string& bytes = file_->content;
    // Text mode ends the file at its end or at a Ctrl-Z, and stays there.
    if (position_ >= bytes.size() || bytes[position_] == kCtrlZ) {
        eof_ = true;
        return -1;
    }
    const char c = bytes[position_++];
    if (c == '\r' && position_ < bytes.size() && bytes[position_] == '\n') {
        ++position_;
        return '\n';
    }
    return static_cast<unsigned char>(c);
}

char* SimTextStream::Gets(char* buffer, int count) {
    if (!buffer || count <= 0) return nullptr;
    int length = 0;
    while (length < count - 1) {
        const int c = Next();
        if (c < 0) break;
        buffer[length++] = static_cast<char>(c);
        if (c == '\n') break;
    }
    if (length == 0 && count > 1) return nullptr;
    buffer[length] = '\0';
    return buffer;
}

}  // namespace sim
