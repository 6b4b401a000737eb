#include <gtest/gtest.h>

#include <set>

#include "codec.hpp"

namespace velmora {
namespace {

// The letters and signs a Russian or Ukrainian text holds, with their bytes in the
// Windows-1251 code page.
TEST(Codec, RussianAndUkrainianLettersHaveTheirCodePageBytes) {
    EXPECT_EQ(*utf8ToCp1251("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"),
              std::string("\xC0\xC1\xC2\xC3\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xCC\xCD\xCE\xCF"
                          "\xD0\xD1\xD2\xD3\xD4\xD5\xD6\xD7\xD8\xD9\xDA\xDB\xDC\xDD\xDE\xDF"));
    EXPECT_EQ(*utf8ToCp1251("абвгдежзийклмнопрстуфхцчшщъыьэюя"),
              std::string("\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF"
                          "\xF0\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF"));
    EXPECT_EQ(*utf8ToCp1251("Ёё№€«»—–…°±µ"),
              "\xA8\xB8\xB9\x88\xAB\xBB\x97\x96\x85\xB0\xB1\xB5");
    EXPECT_EQ(*utf8ToCp1251("ҐґЄєІіЇїЎў"), "\xA5\xB4\xAA\xBA\xB2\xB3\xAF\xBF\xA1\xA2");
    EXPECT_EQ(*utf8ToCp1251("\u00A0\u00AD‚„‘’“”•™"), "\xA0\xAD\x82\x84\x91\x92\x93\x94\x95\x99");
    EXPECT_EQ(cp1251ToUtf8("\xCF\xDD\xD2-155 \xEC\xEC"), "ПЭТ-155 мм");
    EXPECT_EQ(cp1251ToUtf8("d1\t= 0,05\r\n"), "d1\t= 0,05\r\n");
}

TEST(Codec, EveryByteStringSurvivesDecodingAndEncoding) {
    std::set<std::string> decoded;
    std::string all;
    for (int b = 0; b < 256; ++b) {
        std::string one(1, char(b));
        std::string utf8 = cp1251ToUtf8(one);
        EXPECT_TRUE(isValidUtf8(utf8)) << b;
        EXPECT_EQ(utf8ToCp1251(utf8), one) << b;
        decoded.insert(utf8);
        all += one;
    }
    EXPECT_EQ(decoded.size(), 256u) << "two bytes decode to the same character";
    EXPECT_EQ(utf8ToCp1251(cp1251ToUtf8(all)), all);
    // The code page leaves 0x98 unassigned: it stands for the control character U+0098.
    EXPECT_EQ(cp1251ToUtf8("\x98"), "\u0098");
}

TEST(Codec, TextsWithoutACodeAreRefusedAndTheFirstMisfitFound) {
    for (std::string_view s : {"Ω", "中文", "😀", "\u0085", "\xC0\x80", "\xD0", "\xED\xA0\x80",
                               "\xF4\x90\x80\x80", "\xE0\x80\xAF", "\xFF"})
        EXPECT_FALSE(utf8ToCp1251(s)) << s;
    EXPECT_EQ(cp1251Misfit("ПЭТ-155"), std::string_view::npos);
    EXPECT_EQ(cp1251Misfit("R = 5 Ω"), 6u);
    EXPECT_EQ(cp1251Misfit("ab\xD0"), 2u);
    EXPECT_TRUE(fitsCp1251("Провод №2, 0,5 мм — «ПЭТВ»"));
    EXPECT_FALSE(fitsCp1251("µΩ"));
}

TEST(Codec, Utf8ValidityIsStrict) {
    EXPECT_TRUE(isValidUtf8(""));
    EXPECT_TRUE(isValidUtf8("ПЭТ-155 € 😀"));
    EXPECT_FALSE(isValidUtf8("\xCF\xDD\xD2-155"));  // ПЭТ-155 in Windows-1251
    EXPECT_FALSE(isValidUtf8("\xC1\xBF"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xBF\xBF"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));          // cut short
    EXPECT_FALSE(isValidUtf8("\x80"));
}

TEST(Codec, FileTextIsReadAsUtf8OnlyWhenItIsUtf8WithNonAscii) {
    EXPECT_EQ(decodeFileText("Conductor1\t= \xCF\xDD\xD2-155\r\n"), "Conductor1\t= ПЭТ-155\r\n");
    EXPECT_EQ(decodeFileText("Conductor1\t= ПЭТ-155\n"), "Conductor1\t= ПЭТ-155\n");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" "Conductor1 = ПЭТ"), "Conductor1 = ПЭТ");
    EXPECT_EQ(decodeFileText("\xEF\xBB\xBF" "d1 = 1"), "d1 = 1");
    EXPECT_EQ(decodeFileText("d1 = 1"), "d1 = 1");
    // One byte that is no UTF-8 makes the whole file Windows-1251.
    EXPECT_EQ(decodeFileText("ПЭТ \xDD"), cp1251ToUtf8("ПЭТ \xDD"));
    // A zero byte ends the text, also before the byte that would make it Windows-1251.
    EXPECT_EQ(decodeFileText(std::string_view("ПЭТ\0\xDD", 8)), "ПЭТ");
    EXPECT_EQ(decodeFileText(std::string_view("\xCF\0\xD0\xB0", 4)), "П");
}

}  // namespace
}  // namespace velmora
