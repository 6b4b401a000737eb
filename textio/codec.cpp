#include "codec.hpp"

#include <array>
#include <cstdint>

namespace velmora {
namespace {

// The upper half of Windows-1251, byte 0x80 + i. The code page leaves 0x98 unassigned;
// it is read as the control character U+0098 and written back as 0x98, so that every
// byte string a Windows-1251 file can hold survives a read and a write unchanged.
constexpr std::array<char32_t, 128> kUpper{
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0: А..
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0: а..
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

constexpr char32_t kBad = 0xFFFFFFFF;

// Decodes one UTF-8 character at s[i] and advances i; kBad for a malformed sequence
// (overlong forms, surrogates and values beyond U+10FFFF included).
char32_t nextUtf8(std::string_view s, size_t& i) {
    auto byte = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char b = byte(i);
    if (b < 0x80) {
        ++i;
        return b;
    }
    size_t len;
    char32_t c;
    char32_t min;
    if (b >= 0xC2 && b <= 0xDF) len = 2, c = b & 0x1F, min = 0x80;
    else if (b >= 0xE0 && b <= 0xEF) len = 3, c = b & 0x0F, min = 0x800;
    else if (b >= 0xF0 && b <= 0xF4) len = 4, c = b & 0x07, min = 0x10000;
    else return kBad;
    if (s.size() - i < len) return kBad;
    for (size_t k = 1; k < len; ++k) {
        unsigned char t = byte(i + k);
        if ((t & 0xC0) != 0x80) return kBad;
        c = (c << 6) | (t & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return kBad;
    i += len;
    return c;
}

// The Windows-1251 byte of a character, or -1.
int cp1251Byte(char32_t c) {
    if (c < 0x80) return int(c);
    for (size_t k = 0; k < kUpper.size(); ++k)
        if (kUpper[k] == c) return int(0x80 + k);
    return -1;
}

bool hasNonAscii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

}  // namespace

std::string cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char ch : bytes) {
        unsigned char b = static_cast<unsigned char>(ch);
        appendUtf8(out, b < 0x80 ? char32_t(b) : kUpper[b - 0x80]);
    }
    return out;
}

std::optional<std::string> utf8ToCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        char32_t c = nextUtf8(utf8, i);
        int b = c == kBad ? -1 : cp1251Byte(c);
        if (b < 0) return std::nullopt;
        out += char(b);
    }
    return out;
}

size_t cp1251Misfit(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size();) {
        size_t at = i;
        char32_t c = nextUtf8(utf8, i);
        if (c == kBad || cp1251Byte(c) < 0) return at;
    }
    return std::string_view::npos;
}

bool isValidUtf8(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();)
        if (nextUtf8(bytes, i) == kBad) return false;
    return true;
}

bool fitsCp1251(std::string_view utf8) { return cp1251Misfit(utf8) == std::string_view::npos; }

std::string decodeFileText(std::string_view bytes) {
    bytes = bytes.substr(0, bytes.find('\0'));
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (hasNonAscii(bytes) && isValidUtf8(bytes)) {
        if (bytes.starts_with(bom)) bytes.remove_prefix(bom.size());
        return std::string(bytes);
    }
    return cp1251ToUtf8(bytes);
}

}  // namespace velmora
