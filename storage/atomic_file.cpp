// The old file stays whole until the new one is complete on the disk: the bytes go
// to a hidden file beside the target, which then replaces the target in one rename.
// The hidden file gets its name only once complete where the system allows, and a
// save clears what killed saves left in its folder.
#include "atomic_file.hpp"

#include <charconv>
#include <chrono>
#include <optional>
#include <random>

#include "codec.hpp"
#include "misfit.hpp"
#include "platform.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

using Reason = FileError::Reason;

WriteOutcome failure(const fs::path& path, Reason reason, const fs::path& other = {}) {
    WriteOutcome w;
    w.error.code = FileError::Code::cannotWrite;
    w.error.path = pathToUtf8(path);
    w.error.reason = reason;
    w.error.other = pathToUtf8(other);
    return w;
}

WriteOutcome failure(const fs::path& path, std::error_code ec) {
    WriteOutcome w = failure(path, Reason::system);
    w.error.system = ec;
    return w;
}

// ".velmora-4711-k3x9q2ab.tmp": hidden by its dot, no listing of *.sav, *.ini or *.txt
// shows it, and it names the process that writes it (4711), so that a later save can
// tell the leftovers of a killed one from the file of a save still under way.
constexpr std::string_view kTempPrefix = ".velmora-", kTempSuffix = ".tmp";
constexpr std::size_t kTempLetters = 8;
constexpr std::string_view kTempAlphabet = "abcdefghijklmnopqrstuvwxyz0123456789";

fs::path hiddenName() {
    thread_local std::mt19937_64 rng{std::random_device{}()};
    std::string name = std::string(kTempPrefix) + std::to_string(platform::processId()) + "-";
    std::uniform_int_distribution<size_t> pick(0, kTempAlphabet.size() - 1);
    for (std::size_t k = 0; k < kTempLetters; ++k) name += kTempAlphabet[pick(rng)];
    return name + std::string(kTempSuffix);
}

// The process id a temporary file's name carries; 0 for the names of earlier versions,
// which carry none; nothing for any other name.
std::optional<long> writerOf(std::string_view name) {
    if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return std::nullopt;
    name.remove_prefix(kTempPrefix.size());
    name.remove_suffix(kTempSuffix.size());
    if (name.size() < kTempLetters) return std::nullopt;
    std::string_view letters = name.substr(name.size() - kTempLetters);
    if (letters.find_first_not_of(kTempAlphabet) != std::string_view::npos) return std::nullopt;
    name.remove_suffix(kTempLetters);
    if (name.empty()) return 0L;
    if (name.size() < 2 || name.back() != '-') return std::nullopt;
    name.remove_suffix(1);
    long pid = 0;
    auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), pid);
    if (ec != std::errc() || end != name.data() + name.size() || pid <= 0) return std::nullopt;
    return pid;
}

// A temporary file this old is a leftover even when its process id runs: the id may
// have gone to another program since, and no save takes this long.
constexpr auto kLeftoverAge = std::chrono::minutes(10);

// Removes what killed saves left in the folder: temporary files whose process is gone
// or that are older than kLeftoverAge. Those of a save still under way stay. Names
// without a process id (earlier versions) go by their age alone.
void removeLeftovers(const fs::path& folder) {
    std::error_code ec;
    const auto now = fs::file_time_type::clock::now();
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::optional<long> pid = writerOf(pathToUtf8(it->path().filename()));
        std::error_code probe;
        if (!pid || !it->is_regular_file(probe) || it->is_symlink(probe)) continue;
        const auto written = fs::last_write_time(it->path(), probe);
        const bool old = !probe && now - written > kLeftoverAge;
        const bool orphan = *pid > 0 && !platform::processRuns(*pid);
        if (old || orphan) fs::remove(it->path(), probe);
    }
}

// Writes the temporary file: without a name until it is complete where the system
// allows, else under its name from the start.
std::error_code writeTemp(const fs::path& temp, std::string_view bytes, const fs::path& likeFile) {
    std::error_code ec = platform::writeNewFileWhole(temp, bytes, likeFile);
    if (ec == std::errc::operation_not_supported) ec = platform::writeNewFile(temp, bytes, likeFile);
    return ec;
}

constexpr int kMaxLinks = 40;

}  // namespace

WriteOutcome WriteFileAtomic(const fs::path& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename()) return failure(path, Reason::noFileName);
    std::error_code ec;

    // A symbolic link stays a link: the file it points to is the one replaced.
    fs::path target = path;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == kMaxLinks) return failure(path, std::make_error_code(std::errc::too_many_symbolic_link_levels));
        fs::path link = fs::read_symlink(target, ec);
        if (ec) return failure(path, ec);
        target = link.is_absolute() ? link : target.parent_path() / link;
    }

    fs::file_status st = fs::status(target, ec);
    bool exists = fs::exists(st);
    if (exists && fs::is_directory(st)) return failure(path, std::make_error_code(std::errc::is_a_directory));
    if (exists && !fs::is_regular_file(st)) return failure(path, Reason::notRegular);
    if (exists && platform::isReadOnly(target)) return failure(path, Reason::readOnly);

    fs::path folder = target.parent_path();
    if (!folder.empty()) {
        fs::file_status fst = fs::status(folder, ec);
        if (!fs::exists(fst)) return failure(path, Reason::folderMissing, folder);
        if (!fs::is_directory(fst)) return failure(path, Reason::notAFolder, folder);
    }

    removeLeftovers(folder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path temp = folder / hiddenName();
        ec = writeTemp(temp, bytes, exists ? target : fs::path());
        if (ec == std::errc::file_exists) continue;
        if (ec) return failure(path, ec);
        ec = platform::replaceFile(temp, target);
        if (ec) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return failure(path, ec);
        }
        return {true, {}};
    }
    return failure(path, Reason::noTempFile);
}

WriteOutcome WriteTextFileCp1251(const fs::path& path, std::string_view utf8) {
    std::optional<std::string> bytes = utf8ToCp1251(utf8);
    if (!bytes) {
        WriteOutcome w = failure(path, Reason::misfit);
        w.error.misfit = cp1251MisfitOf(utf8).value_or(Misfit{});
        return w;
    }
    return WriteFileAtomic(path, *bytes);
}

}  // namespace velmora
