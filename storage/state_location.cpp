#include "state_location.hpp"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

#include "platform.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

fs::path absoluteIn(const fs::path& dir, const fs::path& p) {
    return (p.is_absolute() ? p : dir / p).lexically_normal();
}

bool sameFolder(const fs::path& a, const fs::path& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) return true;
    // Folders that cannot be looked at compare by their spelling.
    return !ec ? false : a.lexically_normal() == b.lexically_normal();
}

// An environment value that names a folder: set, not empty and absolute, as the
// base directory rules want (a relative one is ignored).
std::optional<fs::path> folderFromEnv(const StateLocationInputs& in, const char* name) {
    if (!in.env) return std::nullopt;
    auto value = in.env(name);
    if (!value || value->empty()) return std::nullopt;
    fs::path p(*value);
    if (!p.is_absolute()) return std::nullopt;
    return p;
}

// The nearest part of the folder's path that exists, when it is no folder.
fs::path fileInTheWay(const fs::path& folder) {
    for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
        std::error_code ec;
        const fs::file_status st = fs::status(p, ec);
        if (fs::exists(st)) return fs::is_directory(st) ? fs::path() : p;
        if (p == p.parent_path()) break;
    }
    return {};
}

}  // namespace

StateLocationInputs ProcessStateLocationInputs(const fs::path& dataFolder, const fs::path& exeDir) {
    StateLocationInputs in;
    in.dataFolder = dataFolder;
    in.exeDir = exeDir;
    std::error_code ec;
    in.currentDir = fs::current_path(ec);
    in.env = [](const char* name) -> std::optional<std::string> {
        const char* v = std::getenv(name);
        if (!v) return std::nullopt;
        return std::string(v);
    };
    in.writable = FolderWritable;
    return in;
}

fs::path StateFilePath(const StateLocationInputs& in) {
    const fs::path data = in.dataFolder.empty() ? fs::path() : absoluteIn(in.currentDir, in.dataFolder);
    const bool portable = sameFolder(data, absoluteIn(in.currentDir, in.exeDir)) ||
                          sameFolder(data, in.currentDir);
    if (portable && in.writable && in.writable(data)) return data / kStateFileName;

    fs::path config;
#if defined(_WIN32)
    if (auto appData = folderFromEnv(in, "APPDATA")) config = *appData;
#elif defined(__APPLE__)
    if (auto home = folderFromEnv(in, "HOME")) config = *home / "Library" / "Application Support";
#else
    if (auto xdg = folderFromEnv(in, "XDG_CONFIG_HOME"))
        config = *xdg;
    else if (auto home = folderFromEnv(in, "HOME"))
        config = *home / ".config";
#endif
    // Without any home the data folder is the only place left; a failure to write
    // there is reported like any other.
    if (config.empty()) return data / kStateFileName;
    return (config / kConfigFolderName / kStateFileName).lexically_normal();
}

bool FolderWritable(const fs::path& folder) {
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return false;
    std::random_device rd;
    for (int attempt = 0; attempt < 8; ++attempt) {
        const auto tag = (static_cast<unsigned long long>(rd()) << 32) ^ rd();
        const fs::path probe = folder / (".Velmora-probe-" + std::to_string(tag));
        // Created here or not at all, never an existing file opened.
        const std::error_code made = platform::writeNewFile(probe, {}, {});
        if (!made) {
            fs::remove(probe, ec);
            return true;
        }
        if (made != std::errc::file_exists) return false;  // refused, not a clash of names
    }
    return false;
}

FolderOutcome EnsureParentFolder(const fs::path& file) {
    const fs::path folder = file.parent_path();
    if (folder.empty()) return {true, {}};
    std::error_code ec;
    if (fs::is_directory(folder, ec)) return {true, {}};
    fs::create_directories(folder, ec);
    std::error_code check;
    if (ec || !fs::is_directory(folder, check)) {
        FolderOutcome o;
        o.error.code = FileError::Code::cannotMakeFolder;
        o.error.path = pathToUtf8(folder);
        const fs::path blocker = fileInTheWay(folder);
        o.error.reason = !blocker.empty() ? FileError::Reason::fileInTheWay
                         : ec             ? FileError::Reason::system
                                          : FileError::Reason::madeNoFolder;
        o.error.other = pathToUtf8(blocker);
        o.error.system = ec;
        return o;
    }
    return {true, {}};
}

}  // namespace velmora
