// Whole text files and the key/value lookup shared by the catalogue and the design files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr std::uintmax_t kMaxTextFile = 1024 * 1024;

struct TextFile {
    enum Status { ok, cannotOpen, tooLarge } status = cannotOpen;
    std::string text;   // UTF-8 (decodeFileText), when ok
    std::string error;  // a message for the user when tooLarge (names the file)
};

// Reads the whole file. A path that is no regular file, or cannot be opened, is
// cannotOpen; a file over 1 MiB is tooLarge.
TextFile ReadTextFile(const std::filesystem::path& path);

// The value of a key in a key/value text ("key\t= value\r\n"), or "" (see keyvalue.cpp).
std::string GetKeyValue(std::string_view text, std::string_view key);

}  // namespace velmora
