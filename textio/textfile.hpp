// Whole text files and the key/value lookup shared by the catalogue and the design files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "file_error.hpp"

namespace velmora {

inline constexpr std::uintmax_t kMaxTextFile = 1024 * 1024;

struct TextFile {
    enum Status { ok, cannotOpen, tooLarge } status = cannotOpen;
    std::string text;   // UTF-8 (decodeFileText), when ok
    FileError error;    // when tooLarge
    // A zero byte ended the text with more than zero bytes after it: the file is
    // damaged or no text, and the text lacks part of it.
    bool cutAtZero = false;
};

// Reads the whole file. A path that is no regular file, or cannot be opened, is
// cannotOpen; a file over 1 MiB is tooLarge.
TextFile ReadTextFile(const std::filesystem::path& path);

// The value of a key in a key/value text ("key\t= value\r\n"), or "" (see keyvalue.cpp).
std::string GetKeyValue(std::string_view text, std::string_view key);

// GetKeyValue for many keys of one text: one pass over the text, then each key of
// letters, digits and '_' costs a table look-up (a size file may hold thousands of
// entries). Other keys fall back to GetKeyValue. Holds a view of the text: the text
// must outlive the index.
class KeyValueIndex {
public:
    explicit KeyValueIndex(std::string_view text);
    std::string value(std::string_view key) const;
    bool has(std::string_view key) const { return hits_.count(key) != 0; }  // as a whole word

private:
    struct Hits {
        std::size_t first;   // first whole occurrence
        std::size_t equals;  // the '=' of the first occurrence followed by blanks and '=', or npos
    };
    std::string_view text_;
    std::unordered_map<std::string_view, Hits> hits_;
    std::vector<std::size_t> equals_;  // every '=' of the text, ascending
};

// File names are UTF-8 inside the program, whatever the system's own convention.
std::filesystem::path pathFromUtf8(std::string_view utf8);
std::string pathToUtf8(const std::filesystem::path& p);

}  // namespace velmora
