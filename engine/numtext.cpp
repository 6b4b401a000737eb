#include "numtext.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "printf_chars.hpp"

// libc++ before 14 (the WebAssembly toolchain's) has no from_chars / to_chars for
// double; the C library's conversions give the same results there.
#if defined(__cpp_lib_to_chars)
#define VELMORA_DOUBLE_CHARS 1
#else
#define VELMORA_DOUBLE_CHARS 0
#endif

namespace velmora {
namespace {

bool isCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool startsWithNoCase(std::string_view s, std::string_view word) {
    if (s.size() < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i)
        if (lower(s[i]) != word[i]) return false;
    return true;
}

// Length of the decimal number at the start of s (digits, optional fraction, optional
// exponent), 0 when none.
size_t decimalLength(std::string_view s) {
    size_t i = 0, digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t k = i + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && isDigit(s[k])) {
            while (k < s.size() && isDigit(s[k])) ++k;
            i = k;
        }
    }
    return i;
}

#if VELMORA_DOUBLE_CHARS
// Value of a decimal number that from_chars found out of range: an infinity when
// its magnitude is too large, else 0 (the mantissa is non-zero but too small).
double outOfRange(std::string_view num) {
    // Decimal exponent of the leading significant digit decides the direction.
    long long exp10 = 0;
    size_t e = num.find_first_of("eE");
    std::string_view mant = num.substr(0, e);
    if (e != std::string_view::npos) {
        std::string_view ex = num.substr(e + 1);
        bool neg = !ex.empty() && ex[0] == '-';
        if (!ex.empty() && (ex[0] == '+' || ex[0] == '-')) ex.remove_prefix(1);
        for (char c : ex) exp10 = std::min<long long>(exp10 * 10 + (c - '0'), 1'000'000'000LL);
        if (neg) exp10 = -exp10;
    }
    size_t dot = mant.find('.');
    std::string_view intPart = mant.substr(0, dot);
    size_t firstNonZero = intPart.find_first_not_of('0');
    long long lead;
    if (firstNonZero != std::string_view::npos) {
        lead = static_cast<long long>(intPart.size() - firstNonZero) - 1;
    } else {
        std::string_view frac = dot == std::string_view::npos ? std::string_view{} : mant.substr(dot + 1);
        size_t nz = frac.find_first_not_of('0');
        if (nz == std::string_view::npos) return 0.0;
        lead = -static_cast<long long>(nz) - 1;
    }
    return exp10 + lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

#endif

}  // namespace

double textToDouble(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isCSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::string_view rest = s.substr(i);
    double v = 0.0;
    if (startsWithNoCase(rest, "inf")) {
        v = std::numeric_limits<double>::infinity();
    } else if (startsWithNoCase(rest, "nan")) {
        v = std::numeric_limits<double>::quiet_NaN();
    } else {
        size_t n = decimalLength(rest);
        if (n == 0) return negative ? -0.0 : 0.0;
        std::string_view num = rest.substr(0, n);
#if VELMORA_DOUBLE_CHARS
        auto [p, ec] = std::from_chars(num.data(), num.data() + num.size(), v,
                                       std::chars_format::general);
        (void)p;
        if (ec == std::errc::result_out_of_range) v = outOfRange(num);
#else
        v = printf_chars::parse(num);
#endif
    }
    return negative ? -v : v;
}

int textToInt(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && isCSpace(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    long long v = 0;
    constexpr long long cap = 1LL << 32;
    for (; i < s.size() && isDigit(s[i]); ++i) v = std::min(v * 10 + (s[i] - '0'), cap);
    if (negative) v = -v;
    return static_cast<int>(std::clamp<long long>(v, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

double number(std::string& field) {
    std::replace(field.begin(), field.end(), ',', '.');
    return textToDouble(field);
}

std::optional<double> misread(std::string_view field) {
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    size_t i = 0, end = text.size();
    while (i < end && isCSpace(text[i])) ++i;
    while (end > i && isCSpace(text[end - 1])) --end;
    if (i == end) return std::nullopt;  // an empty field reads 0 and is not marked
    size_t k = i;
    if (text[k] == '+' || text[k] == '-') ++k;
    const std::string_view rest = std::string_view(text).substr(k, end - k);
    if (!rest.empty() && decimalLength(rest) == rest.size())
        return std::nullopt;
    return textToDouble(text);
}

std::optional<double> wholeNumber(std::string_view field) {
    std::string text(field);
    std::replace(text.begin(), text.end(), ',', '.');
    const std::string_view rest = std::string_view(text).substr(!text.empty() && text[0] == '-' ? 1 : 0);
    if (rest.empty() || decimalLength(rest) != rest.size()) return std::nullopt;
    return textToDouble(text);
}

std::string shortest(double v) {
    if (!std::isfinite(v)) return fixed(v, 0);
#if VELMORA_DOUBLE_CHARS
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    return std::string(buf, end);
#else
    return printf_chars::shortest(v);
#endif
}

std::string fixed(double v, int decimals) {
    if (std::isnan(v)) return std::signbit(v) ? "-nan" : "nan";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
#if VELMORA_DOUBLE_CHARS
    char buf[400];  // "%.3f" of 1e308 is 313 characters
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    (void)ec;
    return std::string(buf, end);
#else
    return printf_chars::fixed(v, decimals);
#endif
}

}  // namespace velmora
