// The platform layer of the writers with the faults of fault_injection.hpp, over the
// system's own implementation, compiled here under other names.
#include "fault_injection.hpp"

#include <csignal>
#include <cerrno>

#include "platform.hpp"

#define writeNewFile systemWriteNewFile
#define replaceFile systemReplaceFile
#include VELMORA_PLATFORM_SOURCE
#undef writeNewFile
#undef replaceFile

namespace velmora {
namespace {

testing::Fault current = testing::Fault::none;

std::error_code failure(int code) { return {code, std::generic_category()}; }

[[noreturn]] void die() {
    std::raise(SIGKILL);
    std::abort();  // not reached
}

}  // namespace

namespace testing {
FaultScope::FaultScope(Fault f) { current = f; }
FaultScope::~FaultScope() { current = Fault::none; }
}  // namespace testing

namespace platform {

std::error_code writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    using testing::Fault;
    switch (current) {
        case Fault::diskFull:
            return failure(ENOSPC);
        case Fault::ioError:
            return failure(EIO);
        case Fault::killedWhileWriting:
            systemWriteNewFile(file, bytes.substr(0, bytes.size() / 2), likeFile);
            die();
        default:
            return systemWriteNewFile(file, bytes, likeFile);
    }
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
    if (current == testing::Fault::renameFails) return failure(EBUSY);
    if (current == testing::Fault::killedBeforeRename) die();
    return systemReplaceFile(from, to);
}

}  // namespace platform
}  // namespace velmora
