// The state file: the 39 lines of a design file, then the window's own settings, one
// "key\t= value\r\n" line each. Readers of design files take the first line of every
// key they know, so lines after the design never disturb them.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "atomic_file.hpp"
#include "record.hpp"

namespace velmora {

struct StateSetting {
    std::string_view key;  // letters, digits and '_', no key of the design
    std::string value;     // ASCII on one line
};

// With no settings the bytes are exactly those of WriteDesign.
WriteOutcome WriteState(const std::filesystem::path& path, const Record& r,
                        std::span<const StateSetting> settings);

// The value of the first line that begins with the key (blanks before it, blanks and
// '=' after it); "" when there is none or the file cannot be read. A design field
// never begins a line with its value, whatever the value holds.
std::string ReadStateSetting(const std::filesystem::path& path, std::string_view key);

}  // namespace velmora
