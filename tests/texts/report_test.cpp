// The proposed design name and the report text, in both languages.
#include "texts.hpp"

#include <gtest/gtest.h>

#include "calculation.hpp"
#include "test_wires.hpp"

using namespace velmora;
using test::testWires;
using texts::Lang;

TEST(DesignName, FollowsTheCoreKindLoadsAndDecimalCommas) {
    Record r;
    r.core = 3;
    EXPECT_EQ(texts::designName(r, ".sav", Lang::ru), "Ш 25x32x25x40, 1,5Т, 3,5Амм2, 20Вх5А.sav");
    r.Bm = "1.5";  // as a calculation leaves it
    r.U2[2] = "6.3";
    r.I2[2] = "0.5";
    r.U2[4] = "12";  // a voltage without a current still counts
    EXPECT_EQ(texts::designName(r, ".txt", Lang::ru),
              "Ш 25x32x25x40, 1,5Т, 3,5Амм2, 20Вх5А, 6,3Вх0,5А, 12ВхА.txt");

    Record ring;
    ring.core = 0;
    ring.lst = "40";
    ring.hst = "20";
    ring.lok = "10";
    ring.U2[0] = "";
    EXPECT_EQ(texts::designName(ring, ".sav", Lang::ru), "Т 40x20x10, 1,5Т, 3,5Амм2.sav");
    const char* prefixes[] = {"Т ", "ПЛ ", "ШЛ ", "Ш ", "Г "};
    for (int core = 0; core < 5; ++core) {
        Record k;
        k.core = core;
        EXPECT_EQ(texts::designName(k, "", Lang::ru).rfind(prefixes[core], 0), 0u) << core;
    }
}

TEST(DesignName, CharactersNoFileNameCanHoldBecomeUnderscores) {
    Record r;
    r.U2[0] = "12/24";
    r.I2[0] = "1:2";
    r.lst = "a\\b*c?d\"e<f>g|h";
    r.hst = "tab\there";
    EXPECT_EQ(texts::designName(r, ".sav", Lang::ru),
              "ШЛ a_b_c_d_e_f_g_hxtab_herex25x40, 1,5Т, 3,5Амм2, 12_24Вх1_2А.sav");
}

namespace {

const std::string kPrimaryBlock =
    "Номинальное напряжение 220 В\r\nМаксимальное напряжение 253 "
    "В\r\nЧисло витков ";

std::string block(const Record& r, int i, double n, bool centre) {
    return "Номинальное напряжение " + r.U2[i] + " В\r\nНоминальный ток " + r.I2[i] +
           " А\r\nЧисло витков " + r.W2[i] + "\r\nДиаметр провода " + r.D2[i] +
           " мм\r\nЧисло жил " + std::to_string(static_cast<int>(n)) + "\r\n" +
           (centre ? "Две секции со средней точкой\r\n\r\n" : "\r\n");
}

void insertAfterLine(std::string& text, const std::string& heading, const std::string& what) {
    const size_t at = text.find('\n', text.find(heading)) + 1;
    text.insert(at, what);
}

}  // namespace

TEST(Report, HeaderThenTheCommentWithEveryWindingsBlock) {
    Record r;
    r.lok = "40";
    r.hok = "60";
    r.U2[1] = "";
    r.I2[1] = "3";
    r.U2[2] = "6.3";
    r.I2[2] = "9";  // two strands
    r.double2[2] = 1;
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok) << r.comment;
    ASSERT_EQ(run.n2[2], 2);
    const texts::ReportText report = texts::report(r, run.raw, Lang::ru);
    ASSERT_TRUE(report.ok) << report.error;

    std::string expected = r.comment;
    insertAfterLine(
        expected, "Первичная обмотка",
        kPrimaryBlock + r.W1 + "\r\nДиаметр провода " + r.D1 + " мм\r\nЧисло жил 1\r\n\r\n");
    insertAfterLine(expected, "1-я вторичная обмотка", block(r, 0, 1, false));
    insertAfterLine(expected, "3-я вторичная обмотка", block(r, 2, 2, true));
    expected =
        "Сердечник: броневой ШЛ\r\nСталь 25x32\r\nОкно 40x60\r\nАмплитуда индукции 1.5 "
        "Т\r\nПлотность тока 3.5 А/мм2\r\n\r\n" +
        expected;
    EXPECT_EQ(report.text, expected);
    EXPECT_NE(report.text.find("Число жил 2\r\nДве секции со средней точкой\r\n\r\n"),
              std::string::npos);
}

TEST(Report, CoreHeadersOfEveryKind) {
    const char* headers[] = {
        ("Сердечник: кольцо\r\nВнешний диаметр 100 мм\r\nВнутренний диаметр 60 мм\r\nВысота "
         "кольца 30 мм\r\n"),
        "Сердечник: стержневой ПЛ\r\nСталь 25x32\r\nОкно 30x50\r\n",
        "Сердечник: броневой ШЛ\r\nСталь 25x32\r\nОкно 30x50\r\n",
        "Сердечник: броневой Ш\r\nСталь 25x32\r\nОкно 30x50\r\n",
        "Сердечник: стержневой Г\r\nСталь 25x32\r\nОкно 30x50\r\n"};
    for (int core = 0; core < 5; ++core) {
        Record r;
        r.core = core;
        r.lok = "30";
        r.hok = "50";
        r.Bm = "1.2";
        if (core == 0) {
            r.lst = "100";
            r.hst = "60";
        }
        const test::Shown run = test::calculate(r, testWires());
        ASSERT_EQ(run.status, RunStatus::ok) << core;
        const texts::ReportText report = texts::report(r, run.raw, Lang::ru);
        ASSERT_TRUE(report.ok) << report.error;
        EXPECT_EQ(report.text.rfind(std::string(headers[core]) + "Амплитуда индукции 1.2 Т\r\n", 0),
                  0u)
            << core;
    }
}

TEST(Report, ASecondaryWithAVoltageButNoPowerGetsNoBlock) {
    Record r;
    r.U2[1] = "15";
    r.I2[1] = "";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const texts::ReportText report = texts::report(r, run.raw, Lang::ru);
    ASSERT_TRUE(report.ok) << report.error;
    EXPECT_EQ(report.text.find("Номинальное напряжение 15 В"), std::string::npos);
}

TEST(Report, NoReportOfARunThatDidNotFinish) {
    Record r;
    r.I2[0] = "50";
    const test::Shown overfilled = test::calculate(r, testWires());
    ASSERT_EQ(overfilled.status, RunStatus::overfill);
    for (Lang lang : {Lang::ru, Lang::en}) {
        const texts::ReportText report = texts::report(r, overfilled.raw, lang);
        EXPECT_FALSE(report.ok);
        EXPECT_TRUE(report.text.empty());
    }
    EXPECT_EQ(texts::report(r, overfilled.raw, Lang::ru).error.rfind("Отчет не может быть составлен: ", 0), 0u);
    EXPECT_EQ(texts::report(r, overfilled.raw, Lang::en).error.rfind("No report can be made: ", 0), 0u);
    Record odd;
    odd.core = 7;
    EXPECT_FALSE(texts::report(odd, overfilled.raw, Lang::en).ok);
}

TEST(Report, InEnglishHasTheSameBlocksInTheSameOrder) {
    Record r;
    r.core = 1;  // two coils: the note goes ahead of the primary
    r.I2[0] = "1";
    r.U2[1] = "12";
    r.I2[1] = "1";
    r.double2[1] = 1;
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok) << r.comment;
    const std::string ru = texts::report(r, run.raw, Lang::ru).text;
    const std::string en = texts::report(r, run.raw, Lang::en).text;
    const auto lines = [](const std::string& s) { return std::count(s.begin(), s.end(), '\n'); };
    EXPECT_EQ(lines(ru), lines(en));
    const size_t note = en.find("shared equally between the two coils");
    const size_t primary = en.find("        Primary winding\r\nRated voltage 220 V\r\n");
    const size_t second = en.find("    Secondary winding 2.2\r\nRated voltage 12 V\r\nRated current 1 A");
    ASSERT_NE(note, std::string::npos) << en;
    ASSERT_NE(primary, std::string::npos) << en;
    ASSERT_NE(second, std::string::npos) << en;
    EXPECT_LT(note, primary);
    EXPECT_LT(primary, second);
    EXPECT_NE(en.find("Two halves with a centre tap\r\n"), std::string::npos);
    EXPECT_EQ(en.rfind("Core: C-core, two coils (ПЛ)\r\nSteel 25x32\r\n", 0), 0u);
}
