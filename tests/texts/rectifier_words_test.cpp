// The rectifier helper's words: its report section after the existing report, the
// column mark and the status texts, in both languages.
#include <gtest/gtest.h>

#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "test_wires.hpp"

using namespace velmora;
using test::testWires;
using texts::Lang;

namespace {

bool cyrillic(const std::string& s) {
    // UTF-8 lead bytes 0xD0..0xD3 carry U+0400..U+04FF.
    for (unsigned char c : s)
        if (c >= 0xD0 && c <= 0xD3) return true;
    return false;
}

struct Designed {
    Record r;
    RunResult run;
    RectifierDesigns d;
};

Designed bridgeAndHalfWave() {
    Designed x;
    setRectifierInputs(x.r, 0, {1, 30, 2, 4700, 0.7, 0.02});
    x.r.U2[2] = std::to_string(9);
    x.r.I2[2] = std::to_string(1);
    setRectifierInputs(x.r, 2, {3, 9, 0.2, 1000, 0.7, 0.02});
    x.d = resolveRectifiers(x.r, testWires());
    x.run = Calculate(x.r, testWires());
    return x;
}

}  // namespace

TEST(RectifierReport, FollowsTheExistingReportWhichStaysAsItWas) {
    Designed x = bridgeAndHalfWave();
    ASSERT_EQ(x.run.status, RunStatus::ok);
    Record plain = x.r;
    plain.rect2 = {};
    for (Lang lang : {Lang::ru, Lang::en}) {
        const std::string before = texts::report(plain, x.run, lang).text;
        const std::string with = texts::report(x.r, x.run, lang).text;
        ASSERT_EQ(with.substr(0, before.size()), before);
        const std::string section = with.substr(before.size());
        EXPECT_EQ(section, texts::rectifierReport(x.r, x.run, lang));
        EXPECT_EQ(cyrillic(section), lang == Lang::ru) << section;
    }
    const std::string ru = texts::rectifierReport(x.r, x.run, Lang::ru);
    const size_t first = ru.find("Выпрямитель на вторичной обмотке 2.1\r\nСхема: Мостовая\r\n");
    const size_t third = ru.find("Выпрямитель на вторичной обмотке 2.3\r\nСхема: Однополупериодная\r\n");
    ASSERT_NE(first, std::string::npos) << ru;
    ASSERT_NE(third, std::string::npos);
    EXPECT_LT(first, third);
    // The voltage the winding as built gives, to two decimals, and the warning once.
    EXPECT_NE(ru.find("Получено постоянное напряжение " + fixed(x.d[0].reached.Udc, 2) + " В\r\n"),
              std::string::npos);
    EXPECT_NE(ru.find("Действующий ток обмотки " + fixed(x.d[0].reached.Irms, 3) + " А\r\n"),
              std::string::npos);
    EXPECT_EQ(ru.find("подмагничивает"), ru.rfind("подмагничивает"));
    EXPECT_GT(ru.find("подмагничивает"), third);
    EXPECT_EQ(ru.find("\xE2\x8E\x93"), std::string::npos);  // no mark: the report is Windows-1251
}

TEST(RectifierReport, IsEmptyWithoutARectifierOrACalculation) {
    Record r;
    RunResult run = Calculate(r, testWires());
    EXPECT_EQ(texts::rectifierReport(r, run, Lang::ru), "");
    Designed x = bridgeAndHalfWave();
    x.run.status = RunStatus::overfill;
    EXPECT_EQ(texts::rectifierReport(x.r, x.run, Lang::en), "");
}

TEST(RectifierWords, TheMarkAndTheStatusesInBothLanguages) {
    const RectifierInputs s{1, 30, 2, 4700, 0.7, 0.02};
    EXPECT_EQ(texts::rectifierMark(s, Lang::ru), "═ 30.0 В 2.00 А");
    EXPECT_EQ(texts::rectifierMark(s, Lang::en), "═ 30.0 V 2.00 A");
    EXPECT_EQ(texts::rectifierCircuit(2, Lang::en), "Full wave, centre tap");
    EXPECT_EQ(texts::rectifierCircuit(7, Lang::ru), "Нет выпрямителя");

    RectifierDesign d;
    d.status = RectifierDesignStatus::settled;
    d.reached.Udc = 30.104;
    EXPECT_EQ(texts::rectifierStatus(d, s, Lang::ru), "Готово: обмотка даёт 30.10 В при 2.00 А.");
    EXPECT_EQ(texts::rectifierStatus(d, s, Lang::en), "Done: the winding gives 30.10 V at 2.00 A.");
    d.status = RectifierDesignStatus::refused;
    d.refusal = RectifierRefusal::notPositive;
    d.input = RectifierInput::Idc;
    EXPECT_EQ(texts::rectifierStatus(d, s, Lang::ru), "Значение «Ток нагрузки» должно быть положительным.");
    EXPECT_EQ(texts::rectifierStatus(d, s, Lang::en), "The value of \"Load current\" must be positive.");
    d.status = RectifierDesignStatus::notSettled;
    d.rounds = 20;
    EXPECT_NE(texts::rectifierStatus(d, s, Lang::en).find("within 20 rounds"), std::string::npos);
    d.status = RectifierDesignStatus::designFailed;
    d.run = RunStatus::overfill;
    EXPECT_NE(texts::rectifierStatus(d, s, Lang::en).find("core window"), std::string::npos);
    d.run = RunStatus::refused;
    EXPECT_NE(texts::rectifierStatus(d, s, Lang::ru).find("рассчитать нельзя"), std::string::npos);
    d.status = RectifierDesignStatus::none;
    EXPECT_EQ(texts::rectifierStatus(d, s, Lang::ru), "");
    // Every status but none has words in both languages, the English ones in English.
    for (auto st : {RectifierDesignStatus::unreachable, RectifierDesignStatus::overloaded}) {
        d.status = st;
        EXPECT_FALSE(texts::rectifierStatus(d, s, Lang::ru).empty());
        EXPECT_FALSE(cyrillic(texts::rectifierStatus(d, s, Lang::en)));
    }
    EXPECT_EQ(texts::rectifierWarning(RectifierWarning::none, Lang::ru), "");
    EXPECT_FALSE(cyrillic(texts::rectifierWarning(RectifierWarning::dcMagnetisesCore, Lang::en)));
}

TEST(RectifierWords, TheKeysHaveEnglishLabels) {
    for (const Field& f : appendedFields()) {
        if (f.name.find("2_") == std::string_view::npos) continue;
        EXPECT_FALSE(cyrillic(std::string(texts::label(f, Lang::en)))) << f.name;
    }
}

// The centre tap's words in both languages, per what the helper did; the dual rail's
// report section names both rails and gives the diodes' loss the engine computes.
TEST(RectifierWords, TheCentreTapAndTheDualRail) {
    struct Case {
        RectifierTap tap;
        int circuit;
        const char* ru;
        const char* en;
    };
    const Case cases[] = {
        {RectifierTap::kept, 1, "", ""},
        {RectifierTap::set, 4, "Обмотке 2.2 поставлена средняя точка", "Secondary 2.2 now has a centre tap"},
        {RectifierTap::removed, 1, "У обмотки 2.2 снята средняя точка: схема «Мостовая»",
         "Secondary 2.2 no longer has a centre tap: the circuit \"Bridge\""},
        {RectifierTap::removed, 3, "«Однополупериодная»", "\"Half wave\""},
    };
    for (const Case& k : cases) {
        const std::string ru = texts::rectifierTapNote(k.tap, 1, k.circuit, Lang::ru);
        const std::string en = texts::rectifierTapNote(k.tap, 1, k.circuit, Lang::en);
        EXPECT_NE(ru.find(k.ru), std::string::npos) << ru;
        EXPECT_NE(en.find(k.en), std::string::npos) << en;
        EXPECT_EQ(ru.empty(), k.tap == RectifierTap::kept);
        EXPECT_FALSE(cyrillic(en)) << en;
    }
    EXPECT_NE(texts::rectifierTapQuestion(0, 1, Lang::ru).find("Снять среднюю точку?"), std::string::npos);
    EXPECT_FALSE(cyrillic(texts::rectifierTapQuestion(0, 3, Lang::en)));
    EXPECT_EQ(texts::rectifierCircuit(4, Lang::en), "Dual rail: bridge on a centre-tapped winding");

    Record r;
    setRectifierInputs(r, 0, {4, 15, 1, 4700, kDiodeVd, kDiodeRd});
    resolveRectifiers(r, testWires());
    const RunResult run = Calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const RectifierCircuit c = rectifierOnWinding(run.figures, 0, rectifierInputs(r, 0));
    const RectifierPower p = rectifierPower(c, solveRectifier(c));
    const std::string en = texts::rectifierReport(r, run, Lang::en);
    EXPECT_NE(en.find("DC voltage of each rail (±) wanted 15.00 V\r\n"), std::string::npos) << en;
    EXPECT_NE(en.find("Rms current of each half "), std::string::npos);
    EXPECT_NE(en.find("Diode loss " + fixed(p.diodes, 2) + " W\r\n"), std::string::npos);
    EXPECT_NE(en.find("DC output power " + fixed(p.dc, 2) + " W\r\n"), std::string::npos);
    EXPECT_NEAR(p.dc, 2 * 15 * 1, 0.01 * 30);  // both rails
}
