// The platform layer of the writers with the faults of fault_injection.hpp, over the
// system's own implementation, compiled here under other names.
#include "fault_injection.hpp"

#include <sys/resource.h>

#include <cerrno>
#include <csignal>

#include "platform.hpp"

#define writeNewFile systemWriteNewFile
#define writeNewFileWhole systemWriteNewFileWhole
#define replaceFile systemReplaceFile
#include VELMORA_PLATFORM_SOURCE
#undef writeNewFile
#undef writeNewFileWhole
#undef replaceFile

namespace velmora {
namespace {

testing::Fault current = testing::Fault::none;
testing::TempFiles files = testing::TempFiles::asTheSystemHas;

std::error_code failure(int code) { return {code, std::generic_category()}; }

[[noreturn]] void die() {
    std::raise(SIGKILL);
    std::abort();  // not reached
}

void dieOnFileSize(int) { std::raise(SIGKILL); }

// The system's own write, killed once half the bytes are in the file: the file size
// limit stops the write there, and its signal kills the process.
template <class Write>
[[noreturn]] void dieHalfWay(Write write, const std::filesystem::path& file, std::string_view bytes,
                             const std::filesystem::path& likeFile) {
    const rlim_t half = bytes.size() / 2;
    const rlimit limit{half, half};
    std::signal(SIGXFSZ, dieOnFileSize);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    write(file, bytes, likeFile);
    die();  // an empty file has no half
}

}  // namespace

namespace testing {
FaultScope::FaultScope(Fault f, TempFiles t) {
    current = f;
    files = t;
}
FaultScope::~FaultScope() {
    current = Fault::none;
    files = TempFiles::asTheSystemHas;
}
}  // namespace testing

namespace platform {

template <class Write>
std::error_code faulty(Write write, const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    using testing::Fault;
    switch (current) {
        case Fault::diskFull:
            return failure(ENOSPC);
        case Fault::ioError:
            return failure(EIO);
        case Fault::killedWhileWriting:
            dieHalfWay(write, file, bytes, likeFile);
        default:
            return write(file, bytes, likeFile);
    }
}

std::error_code writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    return faulty(systemWriteNewFile, file, bytes, likeFile);
}

std::error_code writeNewFileWhole(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    if (files == testing::TempFiles::namedOnly) return failure(EOPNOTSUPP);
    return faulty(systemWriteNewFileWhole, file, bytes, likeFile);
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
    if (current == testing::Fault::renameFails) return failure(EBUSY);
    if (current == testing::Fault::killedBeforeRename) die();
    return systemReplaceFile(from, to);
}

}  // namespace platform
}  // namespace velmora
