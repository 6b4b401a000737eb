#include <gtest/gtest.h>

#include <random>

#include "textfile.hpp"

namespace velmora {
namespace {

TEST(KeyValue, OnlyWholeKeysCount) {
    std::string_view sizes = "d10 = 0,9\r\nd1 = 0,05\r\n";
    EXPECT_EQ(GetKeyValue(sizes, "d1"), "0,05");
    EXPECT_EQ(GetKeyValue(sizes, "d10"), "0,9");
    EXPECT_EQ(GetKeyValue("Conductor10\t= B\r\nConductor1\t= A\r\n", "Conductor1"), "A");
    EXPECT_EQ(GetKeyValue("hkar1\t= 34\r\n", "hkar"), "");
    // Letters, digits and '_' join a key; other bytes, Cyrillic ones too, part it.
    EXPECT_EQ(GetKeyValue("xd1 = 1\r\n_d1 = 2\r\nd1_ = 3\r\n", "d1"), "");
    EXPECT_EQ(GetKeyValue("мd1 = 4\r\n", "d1"), "4");
    EXPECT_EQ(GetKeyValue("d1", "d1"), "");
    EXPECT_EQ(GetKeyValue("", "d1"), "");
    EXPECT_EQ(GetKeyValue("d1 = 5", ""), "");
}

TEST(KeyValue, TextValuesDoNotCaptureLaterKeys) {
    std::string_view design =
        "lst\t= j F Bm\r\nU2_1\t= F=50 j\r\nBm\t= 1,5\r\nj\t= 3,5\r\nF\t= 60\r\n";
    EXPECT_EQ(GetKeyValue(design, "lst"), "j F Bm");
    EXPECT_EQ(GetKeyValue(design, "j"), "3,5");
    EXPECT_EQ(GetKeyValue(design, "Bm"), "1,5");
    // "F=50" stands whole and is followed by '=': the earlier line wins, as the rule says.
    EXPECT_EQ(GetKeyValue(design, "F"), "50 j");
}

TEST(KeyValue, EqualsFurtherOnStillReads) {
    EXPECT_EQ(GetKeyValue("d1 мм   = 0,5\r\n", "d1"), "0,5");
    EXPECT_EQ(GetKeyValue("d1\r\n= 0,7\r\n", "d1"), "0,7");
    // A later occurrence right before its '=' beats an earlier one without.
    EXPECT_EQ(GetKeyValue("Сначала d1, затем x = 1\r\nd1 \t = 2\r\n", "d1"), "2");
    EXPECT_EQ(GetKeyValue("Сначала d1, затем x = 1\r\n", "d1"), "1");
    EXPECT_EQ(GetKeyValue("core 3\r\n", "core"), "");
    EXPECT_EQ(GetKeyValue("x = 1\r\ncore 3\r\n", "core"), "");
}

TEST(KeyValue, ValueEndsAtControlBytesAndLosesOuterBlanks) {
    std::string_view row = "d1\t= 0,05\tdiz1\t= 0,07\tm1\t= 0,0175  \r\n";
    EXPECT_EQ(GetKeyValue(row, "d1"), "0,05");
    EXPECT_EQ(GetKeyValue(row, "diz1"), "0,07");
    EXPECT_EQ(GetKeyValue(row, "m1"), "0,0175");
    std::string_view lf = "Bm=1.2\nj =  3,5 А/мм2 \nConductor\t=   МЭК 60317 тип 1  \n";
    EXPECT_EQ(GetKeyValue(lf, "Bm"), "1.2");
    EXPECT_EQ(GetKeyValue(lf, "j"), "3,5 А/мм2");
    EXPECT_EQ(GetKeyValue(lf, "Conductor"), "МЭК 60317 тип 1");
    EXPECT_EQ(GetKeyValue("U2_2\t= \r\nU2_3\t= 5", "U2_2"), "");
    EXPECT_EQ(GetKeyValue("U2_2\t= \r\nU2_3\t= 5", "U2_3"), "5");
    EXPECT_EQ(GetKeyValue("d1 = 1\x1f" "2", "d1"), "1");
}

// The index must answer exactly as the lookup does, on any text.
TEST(KeyValue, IndexAgreesWithLookupOnRandomTexts) {
    const std::vector<std::string_view> pieces{"d1", "d10", "diz1", "m1", "Conductor1", "=", " ",
                                               "\t", "\r\n", "\n", "x", "_", "0,5", "мм", "1"};
    const std::vector<std::string_view> keys{"d1", "d10", "diz1", "m1", "Conductor1", "x", "d",
                                             "1", "_", "мм", "d1 ", "=", ""};
    std::mt19937 rng(20240521);
    std::uniform_int_distribution<size_t> piece(0, pieces.size() - 1), length(0, 30);
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (size_t n = length(rng); n > 0; --n) text += pieces[piece(rng)];
        KeyValueIndex index(text);
        for (std::string_view key : keys)
            ASSERT_EQ(index.value(key), GetKeyValue(text, key)) << "text: " << text << " key: " << key;
    }
}

}  // namespace
}  // namespace velmora
