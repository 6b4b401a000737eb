// The old file stays whole until the new one is complete on the disk: the bytes go
// to a hidden file beside the target, which then replaces the target in one rename.
#include "atomic_file.hpp"

#include <random>

#include "codec.hpp"
#include "misfit.hpp"
#include "platform.hpp"
#include "system_reason.hpp"
#include "textfile.hpp"

namespace velmora {

namespace fs = std::filesystem;

namespace {

WriteOutcome failure(const fs::path& path, const std::string& reason) {
    return {false, "Не удалось записать файл \"" + pathToUtf8(path) + "\": " + reason + "."};
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
    if (path.empty() || !path.has_filename()) return failure(path, "не указано имя файла");
    std::error_code ec;

    // A symbolic link stays a link: the file it points to is the one replaced.
    fs::path target = path;
    for (int hops = 0; fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        if (hops == kMaxLinks) return failure(path, systemReason(std::make_error_code(std::errc::too_many_symbolic_link_levels)));
        fs::path link = fs::read_symlink(target, ec);
        if (ec) return failure(path, systemReason(ec));
        target = link.is_absolute() ? link : target.parent_path() / link;
    }

    fs::file_status st = fs::status(target, ec);
    bool exists = fs::exists(st);
    if (exists && fs::is_directory(st)) return failure(path, "по этому пути находится папка");
    if (exists && !fs::is_regular_file(st)) return failure(path, "это не обычный файл");
    if (exists && platform::isReadOnly(target)) return failure(path, "файл защищён от записи");

    fs::path folder = target.parent_path();
    if (!folder.empty()) {
        fs::file_status fst = fs::status(folder, ec);
        const std::string quoted = std::string("\"").append(pathToUtf8(folder)).append("\"");
        if (!fs::exists(fst)) return failure(path, "папка " + quoted + " не существует");
        if (!fs::is_directory(fst)) return failure(path, quoted + " не папка");
    }

    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path temp = folder / hiddenName();
        ec = platform::writeNewFile(temp, bytes, exists ? target : fs::path());
        if (ec == std::errc::file_exists) continue;
        if (ec) return failure(path, systemReason(ec));
        ec = platform::replaceFile(temp, target);
        if (ec) {
            std::error_code ignored;
            fs::remove(temp, ignored);
            return failure(path, systemReason(ec));
        }
        return {true, {}};
    }
    return failure(path, "не удалось создать временный файл рядом с ним");
}

WriteOutcome WriteTextFileCp1251(const fs::path& path, std::string_view utf8) {
    std::optional<std::string> bytes = utf8ToCp1251(utf8);
    if (!bytes) return failure(path, "в тексте есть " + cp1251MisfitText(utf8));
    return WriteFileAtomic(path, *bytes);
}

}  // namespace velmora
