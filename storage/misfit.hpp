// Says which character of a text Windows-1251 cannot hold, for the refusals.
#pragma once

#include <optional>
#include <string_view>

#include "codec.hpp"
#include "file_error.hpp"

namespace velmora {

// The character "Ω", or no character for bytes that are no UTF-8 text; nothing when
// the text fits.
inline std::optional<Misfit> cp1251MisfitOf(std::string_view utf8) {
    size_t at = cp1251Misfit(utf8);
    if (at == std::string_view::npos) return std::nullopt;
    unsigned char b = static_cast<unsigned char>(utf8[at]);
    size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    std::string_view ch = utf8.substr(at, len);
    if (!isValidUtf8(ch)) return Misfit{};
    return Misfit{std::string(ch)};
}

}  // namespace velmora
