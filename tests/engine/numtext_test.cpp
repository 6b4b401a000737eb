#include "numtext.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

using namespace velmora;

TEST(TextToDouble, ReadsTheLeadingNumberLikeAtof) {
    EXPECT_EQ(textToDouble("1.5"), 1.5);
    EXPECT_EQ(textToDouble("  \t-2.25abc"), -2.25);
    EXPECT_EQ(textToDouble("+.5"), 0.5);
    EXPECT_EQ(textToDouble("7."), 7.0);
    EXPECT_EQ(textToDouble("1e3"), 1000.0);
    EXPECT_EQ(textToDouble("1E-2x"), 0.01);
    EXPECT_EQ(textToDouble("2e"), 2.0);   // an exponent without digits is not read
    EXPECT_EQ(textToDouble("2e+"), 2.0);
    EXPECT_EQ(textToDouble("1.2.3"), 1.2);
    EXPECT_EQ(textToDouble("1,5"), 1.0);  // the comma is not a separator here
}

TEST(TextToDouble, NoNumberGivesZero) {
    EXPECT_EQ(textToDouble(""), 0.0);
    EXPECT_EQ(textToDouble("abc"), 0.0);
    EXPECT_EQ(textToDouble("."), 0.0);
    EXPECT_EQ(textToDouble("-"), 0.0);
    EXPECT_EQ(textToDouble(" +e5"), 0.0);
    EXPECT_EQ(textToDouble("0x1A"), 0.0);  // hexadecimal reads as its leading 0
    EXPECT_EQ(textToDouble("12x34"), 12.0);
}

TEST(TextToDouble, RangeAndSpecialValuesAsStrtodGivesThem) {
    EXPECT_EQ(textToDouble("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToDouble("-1e400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToDouble("123456789e305"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(textToDouble("1e-400"), 0.0);
    EXPECT_EQ(textToDouble("0.000001e-400"), 0.0);
    EXPECT_EQ(textToDouble("1e-310"), std::strtod("1e-310", nullptr));  // a denormal
    EXPECT_TRUE(std::isinf(textToDouble("INF")));
    EXPECT_TRUE(std::isinf(textToDouble("-infinity")));
    EXPECT_TRUE(std::isnan(textToDouble("nan")));
    EXPECT_TRUE(std::isnan(textToDouble(" NaN(123)")));
    EXPECT_EQ(textToDouble("1e308"), 1e308);
    EXPECT_EQ(textToDouble("00000000000000000000000000001.5"), 1.5);
}

TEST(TextToDouble, AgreesWithStrtodOnRandomDecimals) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> mant(-10, 10);
    std::uniform_int_distribution<int> ex(-320, 320);
    for (int i = 0; i < 20000; ++i) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%.17ge%d", mant(rng), ex(rng));
        double expected = std::strtod(buf, nullptr);
        ASSERT_EQ(textToDouble(buf), expected) << buf;
    }
}

TEST(TextToInt, LeadingDigitsSaturatingAt32Bits) {
    EXPECT_EQ(textToInt(" 3"), 3);
    EXPECT_EQ(textToInt("-12abc"), -12);
    EXPECT_EQ(textToInt("+4"), 4);
    EXPECT_EQ(textToInt("x1"), 0);
    EXPECT_EQ(textToInt(""), 0);
    EXPECT_EQ(textToInt("2.9"), 2);
    EXPECT_EQ(textToInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(textToInt("-99999999999999999999"), -2147483648);
    EXPECT_EQ(textToInt("2147483648"), 2147483647);
}

TEST(Number, RewritesCommasInTheFieldItself) {
    std::string f = "2,5";
    EXPECT_EQ(number(f), 2.5);
    EXPECT_EQ(f, "2.5");
    std::string two = "1,2,3";
    EXPECT_EQ(number(two), 1.2);
    EXPECT_EQ(two, "1.2.3");
    std::string letters = "abc";
    EXPECT_EQ(number(letters), 0.0);
    EXPECT_EQ(letters, "abc");
}

TEST(Fixed, WritesLikePrintfWithAPoint) {
    EXPECT_EQ(fixed(1.5, 1), "1.5");
    EXPECT_EQ(fixed(0.5, 0), "0");  // exact halves go to even
    EXPECT_EQ(fixed(1.5, 0), "2");
    EXPECT_EQ(fixed(2.5, 0), "2");
    EXPECT_EQ(fixed(-0.4, 0), "-0");
    EXPECT_EQ(fixed(9999.996, 2), "10000.00");
    EXPECT_EQ(fixed(0.0005, 3), "0.001");  // 0.0005 lies above the half in binary
    EXPECT_EQ(fixed(1e308, 1).size(), 311u);
    EXPECT_EQ(fixed(1e308, 3).substr(0, 4), "1000");
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> d(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        double v = d(rng);
        for (int p = 0; p <= 3; ++p) {
            char buf[64];
            std::snprintf(buf, sizeof buf, "%.*f", p, v);
            ASSERT_EQ(fixed(v, p), buf) << v;
        }
    }
}

// The window toolkit sets the C locale from the environment; under a Russian or
// German one, printf writes "1,5" and atof stops at the point. The record's rules
// must not follow it.
TEST(NumbersUnderACommaLocale, StillReadAndWriteAPoint) {
    const char* chosen = nullptr;
    for (const char* name : {"ru_RU.UTF-8", "de_DE.UTF-8", "ru_RU.utf8", "de_DE.utf8"})
        if (std::setlocale(LC_ALL, name)) {
            chosen = name;
            break;
        }
    ASSERT_NE(chosen, nullptr) << "no comma-decimal locale: run scripts/setup.sh";
    char buf[16];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    EXPECT_STREQ(buf, "1,5") << "the locale " << chosen << " should write a comma";

    std::string f = "1.5";
    EXPECT_EQ(number(f), 1.5);
    EXPECT_EQ(textToDouble("2.75e1"), 27.5);
    EXPECT_EQ(fixed(1.5, 3), "1.500");
    EXPECT_EQ(fixed(-12345.678, 2), "-12345.68");
    std::setlocale(LC_ALL, "C");
}

// A field that is not wholly a number is marked with the value it reads as; the
// reading itself stays the number rule.
TEST(Misread, MarksTextThatIsNotWhollyANumberWithTheValueItReads) {
    struct Case {
        const char* text;
        std::optional<double> reads;
    };
    const Case cases[] = {
        {"abc", 0.0},    {"5O", 5.0},      {"1,2,3", 1.2}, {"12 мм", 12.0}, {"-", 0.0},
        {"1e", 1.0},     {"inf", INFINITY}, {".", 0.0},     {"2..5", 2.0},
        {"", std::nullopt},    {"   ", std::nullopt},  {"1,5", std::nullopt},
        {" 2 ", std::nullopt}, {"-0.5", std::nullopt}, {"1e3", std::nullopt},
        {"+7", std::nullopt},  {",5", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(misread(c.text), c.reads) << c.text;
        if (c.reads) {
            std::string field = c.text;
            EXPECT_EQ(number(field), *c.reads) << "the mark must name what the rule reads: " << c.text;
        }
    }
    EXPECT_EQ(shortest(5.0), "5");
    EXPECT_EQ(shortest(1.2), "1.2");
    EXPECT_EQ(shortest(0.1 + 0.2), "0.30000000000000004");
}

TEST(WholeNumber, TakesTheWholeTextWithEitherSeparatorOrNothing) {
    EXPECT_EQ(wholeNumber("1,5"), 1.5);
    EXPECT_EQ(wholeNumber("-0.25"), -0.25);
    EXPECT_EQ(wholeNumber("2e3"), 2000.0);
    for (const char* bad : {"", "-", "1,2,3", " 5", "5 ", "5x", "+5", "inf", "nan", "."})
        EXPECT_FALSE(wholeNumber(bad)) << bad;
    EXPECT_TRUE(std::isinf(*wholeNumber("1e400")));  // the caller refuses what is not finite
}
