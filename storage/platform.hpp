// The few file operations the standard library cannot do well: creating a file that
// must be new, flushed to the disk; the read-only test; the replacing rename; the
// program's own file and process. One
// implementation per system family (platform_posix.cpp, platform_portable.cpp).
#pragma once

#include <filesystem>
#include <string_view>
#include <system_error>

namespace velmora::platform {

// Creates `file`, which must not exist yet (std::errc::file_exists when the name is
// taken), writes `bytes` and flushes them to the disk. When `likeFile` is not empty,
// the new file takes that file's permissions (and its owner, where the system lets
// us); otherwise those of any newly created file. On failure nothing is left behind.
std::error_code writeNewFile(const std::filesystem::path& file, std::string_view bytes,
                             const std::filesystem::path& likeFile);

// The same through a file without a name in the folder of `file`, which takes the
// name `file` only once complete and on the disk: a process killed while writing
// leaves nothing behind. std::errc::operation_not_supported where the system or the
// file system has no such files (writeNewFile then does the work).
std::error_code writeNewFileWhole(const std::filesystem::path& file, std::string_view bytes,
                                  const std::filesystem::path& likeFile);

// This process's id, and whether a process of that id runs (true when the system
// cannot tell, so that nothing of a living process is taken for dead).
long processId();
bool processRuns(long pid);

// A file the user has made read-only: its owner may not write it (which even the
// administrator respects here), or this process may not.
bool isReadOnly(const std::filesystem::path& file);

// Puts `from` in the place of `to` in one step, and makes the change durable.
std::error_code replaceFile(const std::filesystem::path& from, const std::filesystem::path& to);

// The running program's own file; `argv0` made absolute when the system cannot tell.
std::filesystem::path executableFile(const char* argv0);

}  // namespace velmora::platform
