// The C runtime's file calls behind the seam: the program reads tool output
// with fopen/fgets in text mode, so the Windows side is the C runtime itself.
#include "platform/win32/Win32Layer.h"

#include <cstdio>

namespace win32 {
namespace {

class CrtTextStream final : public plat::TextStream {
public:
    explicit CrtTextStream(std::FILE* file) : m_file(file) {}
    ~CrtTextStream() override { std::fclose(m_file); }
    CrtTextStream(const CrtTextStream&) = delete;
    CrtTextStream& operator=(const CrtTextStream&) = delete;

    int Seek(long offset, int origin) override { return std::fseek(m_file, offset, origin); }
    char* Gets(char* buffer, int count) override { return std::fgets(buffer, count, m_file); }
    bool Eof() override { return std::feof(m_file) != 0; }

private:
    std::FILE* m_file;
};

}  // namespace

int Kernel::RemoveFile(const char* path) { return std::remove(path); }

plat::TextStream* Kernel::OpenText(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    return file ? new CrtTextStream(file) : nullptr;
}

void Kernel::CloseText(plat::TextStream* stream) { delete stream; }

}  // namespace win32
