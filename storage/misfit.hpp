// Says which character of a text Windows-1251 cannot hold, for the refusal messages.
#pragma once

#include <string>
#include <string_view>

#include "codec.hpp"

namespace velmora {

// "знак \"Ω\", которого нет в кодировке Windows-1251", or "" when the text fits.
inline std::string cp1251MisfitText(std::string_view utf8) {
    size_t at = cp1251Misfit(utf8);
    if (at == std::string_view::npos) return {};
    unsigned char b = static_cast<unsigned char>(utf8[at]);
    size_t len = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : b >= 0xC0 ? 2 : 1;
    std::string_view ch = utf8.substr(at, len);
    if (!isValidUtf8(ch)) return "байты, которые не являются текстом в кодировке UTF-8";
    return "знак \"" + std::string(ch) + "\", которого нет в кодировке Windows-1251";
}

}  // namespace velmora
