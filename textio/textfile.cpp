#include "textfile.hpp"

#include <fstream>
#include <system_error>

#include "codec.hpp"

namespace velmora {

namespace fs = std::filesystem;

fs::path pathFromUtf8(std::string_view utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string pathToUtf8(const fs::path& p) {
    std::u8string u = p.u8string();
    return std::string(u.begin(), u.end());
}

namespace {

TextFile tooLarge(const fs::path& path) {
    TextFile f;
    f.status = TextFile::tooLarge;
    f.error.code = FileError::Code::tooLarge;
    f.error.path = pathToUtf8(path);
    return f;
}

}  // namespace

TextFile ReadTextFile(const fs::path& path) {
    std::error_code ec;
    // Devices, pipes and folders are no text files: reading them could block or never end.
    if (!fs::is_regular_file(path, ec)) return {};
    std::uintmax_t size = fs::file_size(path, ec);
    if (!ec && size > kMaxTextFile) return tooLarge(path);

    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    // Read to the end rather than trust the size: the file may grow meanwhile.
    std::string bytes;
    bytes.reserve(ec ? 0 : static_cast<size_t>(size));
    std::vector<char> chunk(64 * 1024);
    while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0) {
        bytes.append(chunk.data(), static_cast<size_t>(in.gcount()));
        if (bytes.size() > kMaxTextFile) return tooLarge(path);
    }
    if (in.bad()) return {};

    TextFile f;
    f.status = TextFile::ok;
    f.text = decodeFileText(bytes);
    const size_t zero = bytes.find('\0');
    f.cutAtZero = zero != std::string::npos && bytes.find_first_not_of('\0', zero) != std::string::npos;
    return f;
}

}  // namespace velmora
