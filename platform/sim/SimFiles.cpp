// Files of the simulated PC: an in-memory file system with Windows' sharing
// rules between open handles and streams.
#include "platform/sim/SimKernel.h"
#include "platform/sim/SimTextStream.h"

namespace sim {
namespace {

constexpr std::uint32_t kCreateNew = 1, kOpenExisting = 3, kOpenAlways = 4,
                        kTruncateExisting = 5;

}  // namespace

// --- the test's view ------------------------------------------------------------

void SimulatedPc::PutFile(const std::string& path, const std::string& content, bool readOnly) {
    auto& file = impl->files[FileKey(path)];
    if (!file) {
        file = std::make_shared<FileData>();
        file->path = path;
    }
    // The same file object stays, so open streams see the new content.
    file->content = content;
    file->readOnly = readOnly;
}

bool SimulatedPc::HasFile(const std::string& path) const { return impl->files.count(FileKey(path)) > 0; }

std::string SimulatedPc::FileText(const std::string& path) const {
    auto found = impl->files.find(FileKey(path));
    return found == impl->files.end() ? std::string() : found->second->content;
}

// --- shared helpers -------------------------------------------------------------

KernelHandle* SimulatedPc::Impl::FindHandle(plat::Handle handle) {
    auto found = handles.find(handle);
    return found == handles.end() || !found->second.open ? nullptr : &found->second;
}

bool SimulatedPc::Impl::Running(std::size_t run) const {
    const ToolRun& tool = pc.runs[run];
    const Process& process = processes.at(run);
    return !tool.terminated && (process.hang || tool.endMs > pc.now);
}

std::vector<const KernelHandle*> SimulatedPc::Impl::OpenFileHandles() const {
    std::vector<const KernelHandle*> open;
    for (const auto& entry : handles) {
        if (entry.second.open && entry.second.kind == HandleKind::File) open.push_back(&entry.second);
    }
    for (const auto& entry : processes) {
        if (!Running(entry.first)) continue;
        for (const KernelHandle& h : entry.second.inherited) open.push_back(&h);
    }
    return open;
}

bool SimulatedPc::Impl::SharingAllows(const std::shared_ptr<FileData>& file, std::uint32_t access,
                                      std::uint32_t share) const {
    auto compatible = [&](std::uint32_t otherAccess, std::uint32_t otherShare) {
        if ((otherAccess & GENERIC_READ) && !(share & FILE_SHARE_READ)) return false;
        if ((otherAccess & GENERIC_WRITE) && !(share & FILE_SHARE_WRITE)) return false;
        if ((access & GENERIC_READ) && !(otherShare & FILE_SHARE_READ)) return false;
        if ((access & GENERIC_WRITE) && !(otherShare & FILE_SHARE_WRITE)) return false;
        return true;
    };
    for (const KernelHandle* h : OpenFileHandles()) {
        if (h->file == file && !compatible(h->access, h->share)) return false;
    }
    // The C runtime opens a read stream for reading, sharing read and write.
    for (const SimTextStream* stream : streams) {
        if (stream->File() == file && !compatible(GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE))
            return false;
    }
    return true;
}

bool SimulatedPc::Impl::FileInUse(const std::shared_ptr<FileData>& file) const {
    for (const KernelHandle* h : OpenFileHandles()) {
        if (h->file == file) return true;
    }
    for (const SimTextStream* stream : streams) {
        if (stream->File() == file) return true;
    }
    return false;
}

void SimulatedPc::Impl::WriteToHandle(plat::Handle handle, const std::string& bytes) {
    KernelHandle* h = FindHandle(handle);
    if (!h || h->kind != HandleKind::File || !(h->access & GENERIC_WRITE)) return;
    std::string& content = h->file->content;
    if (content.size() < h->position) content.resize(h->position, '\0');
    content.replace(h->position, bytes.size(), bytes);
    h->position += bytes.size();
}

// --- the program's calls ----------------------------------------------------------

plat::Handle SimKernel::CreateFile(const char* path, std::uint32_t access, std::uint32_t share,
                                   const plat::SecurityAttributes* sa, std::uint32_t creation,
                                   std::uint32_t) {
    if (!path) return INVALID_HANDLE_VALUE;
    const bool inheritable = sa && sa->bInheritHandle;
    pc_.createFileCalls.push_back({path, access, share, inheritable, creation});

    const std::string key = FileKey(path);
    auto found = impl().files.find(key);
    std::shared_ptr<FileData> file = found == impl().files.end() ? nullptr : found->second;
    const bool truncate = creation == CREATE_ALWAYS || creation == kTruncateExisting;

    if (file) {
        if (creation == kCreateNew) return INVALID_HANDLE_VALUE;
        if (file->readOnly && ((access & GENERIC_WRITE) || truncate)) return INVALID_HANDLE_VALUE;
        if (!impl().SharingAllows(file, access, share)) return INVALID_HANDLE_VALUE;
        if (truncate) file->content.clear();
    } else {
        if (creation == kOpenExisting || creation == kTruncateExisting) return INVALID_HANDLE_VALUE;
        if (creation != kCreateNew && creation != CREATE_ALWAYS && creation != kOpenAlways)
            return INVALID_HANDLE_VALUE;
        file = std::make_shared<FileData>();
        file->path = path;
        impl().files[key] = file;
    }

    const plat::Handle handle = impl().NewHandle();
    KernelHandle entry;
    entry.kind = HandleKind::File;
    entry.file = file;
    entry.access = access;
    entry.share = share;
    entry.inheritable = inheritable;
    impl().handles[handle] = entry;
    return handle;
}

int SimKernel::RemoveFile(const char* path) {
    if (!path) return -1;
    impl().Log(std::string("remove ") + path);
    auto found = impl().files.find(FileKey(path));
    if (found == impl().files.end()) return -1;
    // Windows refuses to delete a read-only file or one that is open.
    if (found->second->readOnly || impl().FileInUse(found->second)) return -1;
    impl().files.erase(found);
    return 0;
}

plat::TextStream* SimKernel::OpenText(const char* path) {
    if (!path) return nullptr;
    auto found = impl().files.find(FileKey(path));
    if (found == impl().files.end()) return nullptr;
    if (!impl().SharingAllows(found->second, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE))
        return nullptr;
    auto* stream = new SimTextStream(found->second);
    impl().streams.insert(stream);
    return stream;
}

void SimKernel::CloseText(plat::TextStream* stream) {
    auto* mine = dynamic_cast<SimTextStream*>(stream);
    if (impl().streams.erase(mine)) delete mine;
}

}  // namespace sim
