// Writing a file so that a failure never leaves a truncated mix: a hidden temporary
// file in the same folder, flushed, then renamed over the target. A save removes the
// temporary files that killed saves left in its folder (of processes that are gone,
// or older than ten minutes), never those of a save under way.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "file_error.hpp"

namespace velmora {

struct WriteOutcome {
    bool ok = false;
    FileError error;  // when !ok
};

WriteOutcome WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The same, with UTF-8 text encoded as Windows-1251 (refused when it cannot be).
WriteOutcome WriteTextFileCp1251(const std::filesystem::path& path, std::string_view utf8);

}  // namespace velmora
