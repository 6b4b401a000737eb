// Systems without the POSIX calls: the standard library only. The data is flushed to
// the system but not forced to the disk, and the owner of a replaced file is not kept.
#include <fstream>
#include <string>
#if defined(_WIN32)
#include <windows.h>
#endif

#include "platform.hpp"

namespace velmora::platform {

namespace fs = std::filesystem;

std::error_code writeNewFile(const fs::path& file, std::string_view bytes, const fs::path& likeFile) {
    std::error_code probe, ec;
    if (fs::exists(fs::symlink_status(file, probe))) return std::make_error_code(std::errc::file_exists);
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        if (!out) return std::make_error_code(std::errc::permission_denied);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) ec = std::make_error_code(std::errc::io_error);
    }
    if (!ec && !likeFile.empty()) {
        fs::perms p = fs::status(likeFile, ec).permissions();
        if (!ec) fs::permissions(file, p, ec);
    }
    if (ec) {
        std::error_code ignored;
        fs::remove(file, ignored);
    }
    return ec;
}

// Files without a name are a POSIX matter: the named temporary does the work.
std::error_code writeNewFileWhole(const fs::path&, std::string_view, const fs::path&) {
    return std::make_error_code(std::errc::operation_not_supported);
}

bool isReadOnly(const fs::path& file) {
    std::error_code ec;
    fs::file_status st = fs::status(file, ec);
    return !ec && (st.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::error_code replaceFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return ec;
}

#if defined(_WIN32)
long processId() { return static_cast<long>(GetCurrentProcessId()); }

bool processRuns(long pid) {
    if (pid <= 0) return true;
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (!h) return GetLastError() != ERROR_INVALID_PARAMETER;  // that one: no such process
    DWORD code = 0;
    const bool runs = !GetExitCodeProcess(h, &code) || code == STILL_ACTIVE;
    CloseHandle(h);
    return runs;
}
#else
// The standard library knows no processes: 0 stands for "unknown", and a process is
// never taken for dead.
long processId() { return 0; }
bool processRuns(long) { return true; }
#endif

fs::path executableFile(const char* argv0) {
#if defined(_WIN32)
    std::wstring buf(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n > 0 && n < buf.size()) return fs::path(buf.substr(0, n));
#endif
    std::error_code ec;
    return fs::absolute(argv0 ? argv0 : "", ec);
}

}  // namespace velmora::platform
