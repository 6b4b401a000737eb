// The C-library conversions the WebAssembly build uses must give exactly what
// from_chars / to_chars give natively: the same texts, the same values.
#include "printf_chars.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace velmora;

namespace {

std::string toChars(double v) {
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    (void)ec;
    return std::string(buf, end);
}

std::string toCharsFixed(double v, int decimals) {
    char buf[400];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    (void)ec;
    return std::string(buf, end);
}

}  // namespace

TEST(PrintfChars, ShortestMatchesToCharsOnEdgesAndRandomDoubles) {
    for (double v : {0.0, -0.0, 1.0, -1.0, 0.1, 0.3, 5e-324, 1e-300, 1e300, 1.7976931348623157e308,
                     100.0, 1e15, 1e16, 1e17, 1e21, 1e22, 1e23, 123456789012345678.0, 0.001,
                     0.0001, 1e-5, 12.5, 2.675, 9.995, 1.0 / 3.0})
        EXPECT_EQ(printf_chars::shortest(v), toChars(v)) << v;
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> human(-1e4, 1e4);
    for (int i = 0; i < 20000; ++i) {
        const double a = human(gen);
        EXPECT_EQ(printf_chars::shortest(a), toChars(a)) << a;
        const double b = std::bit_cast<double>(gen());  // any bit pattern
        if (std::isfinite(b)) {
            EXPECT_EQ(printf_chars::shortest(b), toChars(b)) << b;
        }
    }
}

TEST(PrintfChars, FixedMatchesToCharsIncludingHalves) {
    for (double v : {0.125, 0.375, 2.5, 3.5, -0.05, 1e308, -0.0, 2.675, 1.005})
        for (int d : {0, 1, 2, 3})
            EXPECT_EQ(printf_chars::fixed(v, d), toCharsFixed(v, d)) << v << " " << d;
    std::mt19937_64 gen(11);
    std::uniform_real_distribution<double> human(-1e5, 1e5);
    for (int i = 0; i < 20000; ++i) {
        const double v = human(gen);
        const int d = i % 4;
        EXPECT_EQ(printf_chars::fixed(v, d), toCharsFixed(v, d)) << v << " " << d;
    }
}

TEST(PrintfChars, ParseReadsAsFromChars) {
    for (const char* t : {"1.5", "0.1", "1e-320", "2.2250738585072011e-308", "123456789012345678901234567890",
                          "1e400", "1e-400", "0.000", "7."}) {
        double want = 0;
        const std::string s(t);
        auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), want);
        (void)p;
        const double got = printf_chars::parse(t);
        if (ec == std::errc::result_out_of_range) {
            EXPECT_TRUE(got == 0 || std::isinf(got)) << t;
        } else {
            EXPECT_EQ(got, want) << t;
        }
    }
}

TEST(PrintfChars, ParseWholeTakesOneDecimalNumberOnly) {
    EXPECT_EQ(printf_chars::parseWhole("1.25"), 1.25);
    EXPECT_EQ(printf_chars::parseWhole("-3e2"), -300.0);
    EXPECT_EQ(printf_chars::parseWhole(".5"), 0.5);
    for (const char* bad : {"", "+1", " 1", "1 ", "0x10", "inf", "nan", "1.2.3", "e5", "1,5", "-"})
        EXPECT_FALSE(printf_chars::parseWhole(bad).has_value()) << bad;
}

// Texts of every shape a catalogue or a user writes, and the edges of the exact case
// (15 and 16 digits, powers 10^±22 and 10^±23), read bit for bit as from_chars reads them.
TEST(PrintfChars, ParseMatchesFromCharsOnShortDecimals) {
    std::vector<std::string> texts = {"0.355", "12.6", "-0", "0", "000.0100", "999999999999999",
                                      "9999999999999999", "1234567890.12345", "1e22", "1e23", "3e-22",
                                      "3e-23", "123456789012345e22", "0.1e-21", "5E+3", "7.e1", ".25e-1",
                                      "1.7976931348623157e308", "2.675", "0.000000000000000000001"};
    std::mt19937_64 gen(13);
    for (int i = 0; i < 20000; ++i) {
        std::string t = std::to_string(gen() % 1000000000000000ULL);  // up to 15 digits
        const size_t dot = gen() % (t.size() + 1);
        if (dot < t.size()) t.insert(dot, 1, '.');
        if (i % 3 == 0) t.append(1, 'e').append(std::to_string(static_cast<int>(gen() % 61) - 30));
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        double want = 0;
        auto [p, ec] = std::from_chars(t.data(), t.data() + t.size(), want);
        ASSERT_EQ(p, t.data() + t.size()) << t;
        ASSERT_EQ(ec, std::errc()) << t;
        EXPECT_EQ(std::bit_cast<std::uint64_t>(printf_chars::parse(t)), std::bit_cast<std::uint64_t>(want)) << t;
    }
}
