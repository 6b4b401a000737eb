// The old file stays whole until the new one is complete on the disk: the bytes go
// to a hidden file beside the target, which then replaces the target in one rename.
#include "atomic_file.hpp"

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

// ".velmora-k3x9q2ab.tmp": hidden by its dot, and no listing of *.sav, *.ini or *.txt
// shows it.
fs::path hiddenName() {
    static constexpr std::string_view alphabet = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 rng{std::random_device{}()};
    std::string name = ".velmora-";
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    for (int k = 0; k < 8; ++k) name += alphabet[pick(rng)];
    return name + ".tmp";
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

    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path temp = folder / hiddenName();
        ec = platform::writeNewFile(temp, bytes, exists ? target : fs::path());
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
