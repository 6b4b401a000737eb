#include "printf_chars.hpp"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace velmora::printf_chars {

namespace {

// The exact case of decimal reading: a whole number w of at most 15 digits and a power
// of ten 10^q with |q| <= 22 are both exact doubles, so w * 10^q (or w / 10^-q) is one
// correctly rounded operation, the value strtod gives. Catalogue sizes and typed inputs
// ("0.355", "12,6") all are; strtod, slow where long double is soft float (WebAssembly),
// reads the rest.
constexpr double kPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                             1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

std::optional<double> exactCase(std::string_view t) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = 0;
    const bool negative = i < t.size() && t[i] == '-';
    if (negative) ++i;
    std::uint64_t w = 0;
    int significant = 0, q = 0;
    bool any = false, point = false;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (!digit(c)) break;
        any = true;
        if (w == 0 && c == '0') {  // a leading zero counts no digit
            if (point) --q;
            continue;
        }
        if (++significant > 15) return std::nullopt;
        w = w * 10 + static_cast<std::uint64_t>(c - '0');
        if (point) --q;
    }
    if (!any) return std::nullopt;
    if (i < t.size()) {
        if (t[i] != 'e' && t[i] != 'E') return std::nullopt;
        ++i;
        const bool down = i < t.size() && t[i] == '-';
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) ++i;
        int e = 0, n = 0;
        for (; i < t.size() && digit(t[i]); ++i, ++n) e = e * 10 + (t[i] - '0');
        if (n == 0 || n > 4 || i != t.size()) return std::nullopt;
        q += down ? -e : e;
    }
    double v = static_cast<double>(w);
    if (w != 0) {
        if (q < -22 || q > 22) return std::nullopt;
        v = q < 0 ? v / kPow10[-q] : v * kPow10[q];
    }
    return negative ? -v : v;
}

}  // namespace

double parse(std::string_view num) {
    if (const auto v = exactCase(num)) return *v;
    // strtod reads '.' here: the C locale is the only one these builds have, and the
    // window's locale never reaches this path (native builds use from_chars).
    const std::string text(num);
    return std::strtod(text.c_str(), nullptr);
}

std::optional<double> parseWhole(std::string_view text) {
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    size_t i = 0, digits = 0;
    if (i < text.size() && text[i] == '-') ++i;
    while (i < text.size() && digit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && digit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (k < text.size() && digit(text[k])) {
            while (k < text.size() && digit(text[k])) ++k;
            i = k;
        }
    }
    if (i != text.size()) return std::nullopt;
    return parse(text);
}

std::string shortest(double v) {
    if (v == 0) return std::signbit(v) ? "-0" : "0";
    const bool negative = v < 0;
    const double a = std::fabs(v);
    // The fewest significant digits whose correctly rounded text reads back as v;
    // 17 always does.
    char buf[64];
    int p = 1;
    for (; p < 17; ++p) {
        std::snprintf(buf, sizeof buf, "%.*e", p - 1, a);
        if (parse(buf) == a) break;
    }
    if (p == 17) std::snprintf(buf, sizeof buf, "%.*e", p - 1, a);
    // "d.ddde+XX" (no point for one digit): the digits and the decimal exponent. The
    // strings are built by append: GCC 12 at -O3 misreads operator+ chains (-Wrestrict).
    const std::string sci(buf);
    const size_t e = sci.find('e');
    std::string digits(1, sci[0]);
    if (e > 2) digits.append(sci, 2, e - 2);
    const int exp10 = std::atoi(sci.c_str() + e + 1);
    const int n = static_cast<int>(digits.size());

    std::string fixedForm;
    if (exp10 >= 0 && exp10 + 1 >= n) {
        fixedForm = fixed(a, 0);  // an integer is written with all its exact digits
    } else if (exp10 >= 0) {
        fixedForm.assign(digits, 0, static_cast<size_t>(exp10 + 1));
        fixedForm.push_back('.');
        fixedForm.append(digits, static_cast<size_t>(exp10 + 1));
    } else {
        fixedForm.assign("0.");
        fixedForm.append(static_cast<size_t>(-exp10 - 1), '0');
        fixedForm.append(digits);
    }
    std::string sciForm(1, digits[0]);
    if (n > 1) {
        sciForm.push_back('.');
        sciForm.append(digits, 1);
    }
    char ex[16];
    std::snprintf(ex, sizeof ex, "e%c%02d", exp10 < 0 ? '-' : '+', std::abs(exp10));
    sciForm.append(ex);

    std::string out(negative ? "-" : "");
    out.append(sciForm.size() < fixedForm.size() ? sciForm : fixedForm);
    return out;
}

std::string fixed(double v, int decimals) {
    const int n = std::snprintf(nullptr, 0, "%.*f", decimals, v);
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), "%.*f", decimals, v);
    out.resize(static_cast<size_t>(n));
    return out;
}

}  // namespace velmora::printf_chars
