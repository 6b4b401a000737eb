#if defined(__APPLE__)
#include <mach-o/dyld.h>
#endif
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <string>

#include "platform.hpp"

namespace velmora::platform {

namespace fs = std::filesystem;

namespace {

std::error_code lastError() { return {errno, std::generic_category()}; }

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return lastError();
        }
        bytes.remove_prefix(static_cast<size_t>(n));
    }
    return {};
}

void keepOwner(int fd, const struct stat& like) {
    // Only the administrator may give a file away; a user may still keep its group.
    if (::fchown(fd, like.st_uid, like.st_gid) == 0) return;
    if (::fchown(fd, static_cast<uid_t>(-1), like.st_gid) != 0) {
        // The file then belongs to whoever saves it, as with any new file.
    }
}

// Gives the open file the permissions (and owner) of `like`, writes it and flushes it.
std::error_code fill(int fd, std::string_view bytes, const struct stat* like) {
    std::error_code ec;
    if (like) {
        keepOwner(fd, *like);  // before the mode: a change of owner clears set-id bits
        if (::fchmod(fd, like->st_mode & 07777) != 0) ec = lastError();
    }
    if (!ec) ec = writeAll(fd, bytes);
    if (!ec && ::fsync(fd) != 0) ec = lastError();
    return ec;
}

std::error_code notSupported() { return std::make_error_code(std::errc::operation_not_supported); }

#if defined(O_TMPFILE)
// Gives the file without a name its name: through /proc, or by the descriptor itself
// where /proc is missing (which the system allows to few).
std::error_code linkNameless(int fd, const fs::path& file) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, file.c_str(), AT_SYMLINK_FOLLOW) == 0) return {};
    if (errno != ENOENT) return lastError();
    if (::linkat(fd, "", AT_FDCWD, file.c_str(), AT_EMPTY_PATH) == 0) return {};
    if (errno == ENOENT || errno == EPERM) return notSupported();
    return lastError();
}
#endif

}  // namespace

std::error_code writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    struct stat like{};
    bool keep = !likeFile.empty() && ::stat(likeFile.c_str(), &like) == 0;
    int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, keep ? 0600 : 0666);
    if (fd < 0) return lastError();

    std::error_code ec = fill(fd, bytes, keep ? &like : nullptr);
    if (::close(fd) != 0 && !ec) ec = lastError();
    if (ec) ::unlink(file.c_str());
    return ec;
}

std::error_code writeNewFileWhole(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
#if defined(O_TMPFILE)
    struct stat like{};
    bool keep = !likeFile.empty() && ::stat(likeFile.c_str(), &like) == 0;
    const fs::path folder = file.parent_path();
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, keep ? 0600 : 0666);
    if (fd < 0) {
        // Kernels before 3.11 take the flag for O_DIRECTORY; some file systems refuse it.
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return notSupported();
        return lastError();
    }
    std::error_code ec = fill(fd, bytes, keep ? &like : nullptr);
    if (!ec) ec = linkNameless(fd, file);
    const bool linked = !ec;
    if (::close(fd) != 0 && !ec) ec = lastError();
    if (ec && linked) ::unlink(file.c_str());
    return ec;
#else
    (void)file, (void)bytes, (void)likeFile;
    return notSupported();
#endif
}

bool isReadOnly(const fs::path& file) {
    struct stat st{};
    if (::stat(file.c_str(), &st) != 0) return false;  // the write itself will tell
    return (st.st_mode & S_IWUSR) == 0 || ::access(file.c_str(), W_OK) != 0;
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
    // The new name must reach the disk too; a folder that cannot be synced is no failure.
    fs::path folder = to.parent_path();
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

long processId() { return static_cast<long>(::getpid()); }

bool processRuns(long pid) {
    if (pid <= 0) return true;
    // A process of another user answers "not permitted", yet it runs.
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

fs::path executableFile(const char* argv0) {
    std::error_code ec;
#if defined(__APPLE__)
    char buf[4096];
    std::uint32_t size = sizeof buf;
    if (_NSGetExecutablePath(buf, &size) == 0) return fs::weakly_canonical(fs::path(buf), ec);
#else
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) return self;
#endif
    return fs::absolute(argv0 ? argv0 : "", ec);
}

}  // namespace velmora::platform
