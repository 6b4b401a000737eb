// Whole runs: the refusal rules before and during a run, the overfill abort in the
// first and in a later pass, designs without secondaries, and a sweep of random
// inputs that must always end in one of the three statuses with clean texts, and
// the same end for the run of the figures alone.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "calculation.hpp"
#include "design_state.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;
using test::testWires;

namespace {

const std::string kPrefix = "Расчет невозможен: ";
const std::string kOverfillBox =
    "Расчет прерван!\nОкно сердечника слишком заполнено.\nПолная заданная мощность слишком "
    "велика.\nУменьшите полную заданную мощность.";
const std::string kOverfillComment =
    "Расчет прерван!\r\nОкно сердечника слишком заполнено.\r\nПолная заданная мощность слишком "
    "велика.\r\nУменьшите полную заданную мощность.";

bool hasResults(const Record& r) {
    for (const Field& f : fields())
        if (f.role == FieldRole::result && !f.textIn(r).empty()) return true;
    return false;
}

Record withOldResults() {
    Record r;
    EXPECT_EQ(test::calculate(r, testWires()).status, RunStatus::ok);
    r.Bm = "1,5";  // typed again with a comma
    return r;
}

}  // namespace

TEST(Refusal, EachRuleNamesItsFieldAndEmptiesEveryResult) {
    struct Rule {
        const char* what;
        std::function<void(Record&)> set;
        std::string text;  // after the prefix
    };
    const std::string pos = " должно быть положительным числом.";
    const std::string nonneg = " должно быть неотрицательным числом.";
    const std::vector<Rule> rules = {
        {"kind", [](Record& r) { r.core = 5; },
         "значение поля «Форма сердечника» (5) не соответствует ни одному виду сердечника."},
        {"kind", [](Record& r) { r.core = -1; },
         "значение поля «Форма сердечника» (-1) не соответствует ни одному виду сердечника."},
        {"F", [](Record& r) { r.F = "0"; }, "значение поля «Номинальная частота, Гц»" + pos},
        {"Bm", [](Record& r) { r.Bm = ""; },
         "значение поля «Амплитуда индукции, не более, Тл»" + pos},
        {"j", [](Record& r) { r.j = "-3,5"; }, "значение поля «Плотность тока, А/мм2»" + pos},
        {"U1nom", [](Record& r) { r.U1nom = "nan"; },
         "значение поля «Номинальное напряжение, В» первичной обмотки" + pos},
        {"U1max", [](Record& r) { r.U1max = "inf"; },
         "значение поля «Максимальное напряжение, В» первичной обмотки" + pos},
        {"lst", [](Record& r) { r.lst = "abc"; }, "значение поля «Ls, мм»" + pos},
        {"hok", [](Record& r) { r.hok = "0"; }, "значение поля «Hok, мм»" + pos},
        {"ring H",
         [](Record& r) {
             r.core = 0;
             r.lst = "40";
             r.hst = "20";
             r.lok = "-10";
         },
         "значение поля «H, мм»" + pos},
        {"ring D > d",
         [](Record& r) {
             r.core = 0;
             r.lst = "20";
             r.hst = "20";
             r.lok = "10";
         },
         "значение поля «D, мм» (внешний диаметр кольца) должно быть больше значения поля «d, "
         "мм» (внутренний диаметр)."},
        {"megsl", [](Record& r) { r.megsl = "-0,1"; },
         "значение поля «Толщина межслойной изоляции, мм»" + nonneg},
        {"megob", [](Record& r) { r.megob = "1e999"; },
         "значение поля «Толщина межобмоточ. изоляции, мм»" + nonneg},
        {"U2_3", [](Record& r) { r.U2[2] = "-5"; },
         "значение поля «Номинальное напряжение, В» вторичной обмотки 2.3" + nonneg},
        {"I2_2", [](Record& r) { r.I2[1] = "nan"; },
         "значение поля «Номинальный ток, А» вторичной обмотки 2.2" + nonneg},
        {"hkar",
         [](Record& r) {
             r.razmery = 1;
             r.hkar = "-27";
         },
         "значение поля «Ширина и высота каркаса, мм» (ширина)" + nonneg},
        {"lkar",
         [](Record& r) {
             r.razmery = 1;
             r.lkar = "inf";
         },
         "значение поля «Длина каркаса под намотку, мм»" + nonneg},
        {"derived hok", [](Record& r) { r.hok = "2"; },
         "значение поля «Hok, мм» должно быть больше 2: длина каркаса под намотку получается из "
         "высоты окна за вычетом 2 мм."},
        {"cleared by a zero",
         [](Record& r) {
             r.razmery = 1;
             r.hkar1 = "0";
             r.hok = "1,5";
         },
         "значение поля «Hok, мм» должно быть больше 2: длина каркаса под намотку получается из "
         "высоты окна за вычетом 2 мм."},
        {"desired",
         [](Record& r) {
             r.use_d = 1;
             r.d2[2] = "inf";
         },
         "значение поля «Желаемый диаметр проводов  (по меди)» вторичной обмотки 2.3 должно "
         "быть конечным числом."},
        {"first rule first",
         [](Record& r) {
             r.F = "0";
             r.megsl = "-1";
         },
         "значение поля «Номинальная частота, Гц»" + pos},
    };
    for (const Rule& rule : rules) {
        Record r = withOldResults();
        rule.set(r);
        const test::Shown run = test::calculate(r, testWires());
        EXPECT_EQ(run.status, RunStatus::refused) << rule.what;
        ASSERT_EQ(run.messages.size(), 1u) << rule.what;
        EXPECT_EQ(run.messages[0].caption, "Внимание!");
        EXPECT_EQ(run.messages[0].text, kPrefix + rule.text) << rule.what;
        EXPECT_EQ(r.comment, run.messages[0].text);
        EXPECT_FALSE(hasResults(r)) << rule.what;
        EXPECT_EQ(r.ext1, 0);
        EXPECT_EQ(r.ext2, (Ints5{0, 0, 0, 0, 0}));
        EXPECT_EQ(r.Bm.find(','), std::string::npos) << rule.what;  // the comma was rewritten
        for (int id : {1015, 1063, 1032, 1058, 1052, 1062})
            EXPECT_EQ(*test::lastHint(run, id), "") << id;
    }
}

TEST(Refusal, RulesThatDoNotApplyLetTheRunGoOn) {
    Record r;
    r.d2[2] = "inf";  // desired diameters not in use
    r.lkar = "-1";    // derived sizes: the user's length is not read
    r.U2[1] = "";
    r.I2[1] = "7";
    EXPECT_EQ(test::calculate(r, testWires()).status, RunStatus::ok) << r.comment;
    Record ring;
    test::makeRing(ring);
    ring.hok = "-40";  // no window height on a ring
    ring.razmery = 1;
    ring.hkar = "22";
    ring.hkar1 = "32";
    ring.lkar = "-5";  // nor a winding length
    EXPECT_EQ(test::calculate(ring, testWires()).status, RunStatus::ok) << ring.comment;
    EXPECT_EQ(ring.hkar, "22");
}

TEST(Refusal, AnEmptySizeTable) {
    Record r = withOldResults();
    const test::Shown run = test::calculate(r, WireTable{});
    EXPECT_EQ(run.status, RunStatus::refused);
    EXPECT_EQ(r.comment, kPrefix + "не загружена таблица размеров провода «ПЭТ-155».");
    EXPECT_FALSE(hasResults(r));
}

TEST(Refusal, ASizeTableWithANonFiniteDiameterWritesNoSuchText) {
    WireTable w = test::wiresOf({0.5});
    w.D[0] = std::numeric_limits<double>::infinity();
    Record r;
    const test::Shown run = test::calculate(r, w);
    EXPECT_EQ(run.status, RunStatus::refused);
    EXPECT_EQ(r.comment, kPrefix +
                             "диаметр провода первичной обмотки получается бесконечным или "
                             "неопределенным.");
    EXPECT_EQ(r.D1, "");
    EXPECT_EQ(r.d11, "");
}

TEST(Refusal, DuringTheRunKeepsWhatWasWritten) {
    struct Case {
        const char* what;
        std::function<void(Record&)> set;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"W1 < 1", [](Record& r) { r.U1nom = r.U1max = "0,01"; },
         "число витков первичной обмотки получается меньше одного."},
        {"W2 < 1",
         [](Record& r) {
             r.U2[0] = "0.001";
             r.I2[0] = "100";
         },
         "число витков вторичной обмотки 2.1 получается меньше одного."},
        {"E1 <= 0",
         [](Record& r) {
             r.j = "1000";
             r.U2[0] = "50";
             r.I2[0] = "10";
         },
         "падение напряжения на первичной обмотке не меньше номинального напряжения сети."},
        {"a load beyond any wire", [](Record& r) { r.U2[0] = r.I2[0] = "1e200"; },
         "значение поля «Номинальный ток, А» вторичной обмотки 2.1 слишком велико: ток, которого оно "
         "требует, не пропустить и по 2^31 жилам самого толстого провода таблицы."},
        {"ring wires beyond 32 bits",
         [](Record& r) {
             test::makeRing(r);
             r.U1nom = r.U1max = "1e12";
         },
         "число проводов для намотки первичной обмотки получается бесконечным или слишком "
         "большим."},
        {"strands beyond 32 bits",
         [](Record& r) {
             r.use_d = 1;
             r.d11 = "0.1";
             r.U2[0] = "100";
             r.I2[0] = "2e8";  // carried by the thickest wire, not by the primary's thin one
         },
         "число жил первичной обмотки получается бесконечным или слишком большим."},
    };
    for (const Case& c : cases) {
        Record r;
        c.set(r);
        const test::Shown run = test::calculate(r, testWires());
        EXPECT_EQ(run.status, RunStatus::refused) << c.what;
        ASSERT_FALSE(run.messages.empty());
        EXPECT_EQ(run.messages.back().text, kPrefix + c.text) << c.what;
        EXPECT_EQ(r.comment, kPrefix + c.text);
        if (std::string(c.what) != "a load beyond any wire") {  // refused before the run
            EXPECT_FALSE(r.Pzad.empty()) << c.what;  // the core results stay
        }
    }
    Record r;
    r.U1nom = r.U1max = "0,01";
    test::calculate(r, testWires());
    EXPECT_EQ(r.W1, "0");
    EXPECT_EQ(r.Sst, "7.20");
}

TEST(Overfill, InTheFirstPassLeavesTheLaterSecondariesEmpty) {
    Record r;
    r.KPD = "77.77";  // from an earlier run
    r.U2[0] = "5";
    r.I2[0] = "1";
    r.U2[1] = "40";
    r.I2[1] = "5";  // too much for this core
    r.U2[2] = "6";
    r.I2[2] = "1";
    r.Bm = "1,75";  // a warning comes first
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::overfill);
    ASSERT_GE(run.messages.size(), 2u);
    EXPECT_EQ(run.messages.front().text.rfind(" Для отечественных ленточных", 0), 0u);
    EXPECT_EQ(run.messages.back(), (texts::Shown{"Внимание!", kOverfillBox}));
    int boxes = 0;
    for (const texts::Shown& m : run.messages) boxes += m.text == kOverfillBox;
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(r.comment, kOverfillComment);
    EXPECT_FALSE(r.W2[0].empty());  // secondary 1 was done
    EXPECT_FALSE(r.U2h[0].empty());
    EXPECT_FALSE(r.W2[1].empty());  // secondary 2: its turns, nothing more
    EXPECT_EQ(r.U2h[1], "");
    EXPECT_EQ(r.W2[2], "");  // secondary 3 never reached
    EXPECT_EQ(r.D2[2], "");
    EXPECT_EQ(r.ext2[2], 0);
    EXPECT_EQ(r.Pgab, "");
    EXPECT_EQ(r.KPD, "");  // nothing of the earlier run stands
    EXPECT_FALSE(r.Kok.empty());
    EXPECT_FALSE(r.W1.empty());
    EXPECT_EQ(r.Bm, "1.75");
}

TEST(Overfill, AFreshRecordWhoseFirstRunOverfillsShowsNoEfficiency) {
    Record r;  // KPD holds the record's default text before any run
    r.I2[0] = "50";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::overfill);
    EXPECT_EQ(r.KPD, "");
    EXPECT_EQ(r.Pgab, "");
    EXPECT_EQ(run.overfilled, 1 + 0) << "the primary cannot hold the current of 1000 W";
}

TEST(Overfill, ARingPrimaryOverfillLeavesNothingOfTheDesignBefore) {
    Record r;
    test::makeRing(r);
    const WireTable wires = testWires();
    ASSERT_EQ(test::calculate(r, wires).status, RunStatus::ok);
    ASSERT_FALSE(r.I1.empty());
    // No secondary; raise the mains voltage until the primary alone fills the hole.
    r.U2[0] = "";
    test::Shown run;
    for (int volts = 220; volts < 1000000; volts += volts / 4) {
        r.U1nom = r.U1max = std::to_string(volts);
        run = test::calculate(r, wires);
        if (run.status != RunStatus::ok) break;
    }
    ASSERT_EQ(run.status, RunStatus::overfill);
    EXPECT_EQ(run.overfilled, 1);
    // The wire of this run was chosen before placing; everything placed after it is empty.
    for (const std::string* s : {&r.I1, &r.Nsl1, &r.Lpr1, &r.R1, &r.dU1, &r.KPD, &r.Pgab,
                                 &r.W2[0], &r.D2[0], &r.R2[0], &r.U2xx[0]})
        EXPECT_EQ(*s, "");
    EXPECT_EQ(r.ext1, 0);
    // Every wire hint is emptied before anything else the run says.
    ASSERT_GE(run.hints.size(), 12u);
    for (size_t k = 0; k < 12; ++k) EXPECT_EQ(run.hints[k].text, "") << k;
}

TEST(Overfill, NamesTheWindingThatDidNotFitAndDrawsARingSecondaryThatClosesTheHole) {
    for (int core : {0, 3}) {
        // Raise the second secondary's current until it, not the primary, overfills.
        test::Shown run;
        Record r;
        for (int amps = 1; amps < 200; ++amps) {
            r = Record();
            if (core == 0) test::makeRing(r);
            r.core = core;
            r.I2[0] = std::to_string(1);
            r.U2[1] = std::to_string(12);
            r.I2[1] = std::to_string(amps);
            run = test::calculate(r, testWires());
            if (run.status != RunStatus::ok) break;
        }
        ASSERT_EQ(run.status, RunStatus::overfill) << core;
        EXPECT_EQ(run.overfilled, 3) << core;
        EXPECT_GT(r.ext2[0], 0) << core;
        if (core == 0) {
            // Computed before the test that the hole stays open: the winding reaches past
            // the one before it on the strip.
            EXPECT_GT(r.ext2[1], r.ext2[0]);
        }
    }
}

TEST(Overfill, InALaterPassKeepsPowerAndEfficiencyOfThePassBefore) {
    // Each pass loads the primary with the losses of the one before, so a secondary
    // that just fits in the first pass may not fit in the second.
    for (int core : {2, 0}) {
        bool found = false;
        for (int k = 0; k < 400 && !found; ++k) {
            auto design = [&] {
                Record r;
                r.core = core;
                if (core == 0) test::makeRing(r);
                r.U2[0] = fixed((core == 0 ? 45 : 20) + 0.05 * k, 2);
                return r;
            };
            Record one = design(), two = design(), all = design();
            if (test::shown(one, calc::calculatePasses(one, testWires(), 1)).status != RunStatus::ok) break;
            const RunStatus second = test::shown(two, calc::calculatePasses(two, testWires(), 2)).status;
            const test::Shown run = test::calculate(all, testWires());
            if (run.status != RunStatus::overfill) continue;
            found = true;
            const Record& before = second == RunStatus::ok ? two : one;
            EXPECT_FALSE(all.Pgab.empty());
            EXPECT_EQ(all.Pgab, before.Pgab);
            EXPECT_EQ(all.KPD, before.KPD);
            EXPECT_EQ(all.comment, kOverfillComment);
        }
        EXPECT_TRUE(found) << core;
    }
}

TEST(Run, WithoutSecondariesOnlyThePrimaryIsWound) {
    Record r;
    r.U2[0] = "";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(r.Pzad, "0.00");
    EXPECT_EQ(r.KPD, "0.00");
    EXPECT_EQ(r.Pgab, "0.00");
    const size_t header = r.comment.find("        Вторичные обмотки\r\n\r\n");
    ASSERT_NE(header, std::string::npos);
    EXPECT_EQ(header + std::string("        Вторичные обмотки\r\n\r\n").size(), r.comment.size());
    EXPECT_EQ(r.comment.rfind("        Первичная обмотка\r\n", 0), 0u);
    EXPECT_FALSE(r.Kok.empty());
    EXPECT_NE(r.Kok, "0.000");
    EXPECT_EQ(r.W2[0], "");
}

TEST(Run, InputsShowAPointAndResultsNeverAComma) {
    Record r;
    r.megsl = "0,12";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(r.Bm, "1.5");
    EXPECT_EQ(r.j, "3.5");
    EXPECT_EQ(r.megsl, "0.12");
    EXPECT_EQ(r.kfree, 0.3);
    for (const Field& f : fields())
        if (f.role == FieldRole::result) {
            EXPECT_EQ(f.textIn(r).find(','), std::string::npos) << f.name;
        }
}

TEST(Run, ExtentsFollowTheDiagramWidth) {
    Record a, b;
    b.diag_width = 450;
    test::calculate(a, testWires());
    test::calculate(b, testWires());
    EXPECT_GT(a.ext1, 0);
    EXPECT_LE(a.ext1, a.ext2[0]);
    EXPECT_LE(a.ext2[0], 900);
    EXPECT_NEAR(b.ext1, a.ext1 / 2, 1);
    EXPECT_NEAR(b.ext2[0], a.ext2[0] / 2, 1);
}

namespace {

// Texts a user might type, from sound numbers to nonsense.
std::string randomText(std::mt19937& g, double typical) {
    std::uniform_int_distribution<int> pick(0, 15);
    std::uniform_real_distribution<double> unit(0, 1);
    switch (pick(g)) {
        case 0:
            return "";
        case 1:
            return "abc";
        case 2:
            return "0";
        case 3:
            return "-" + fixed(typical * unit(g), 2);
        case 4:
            return "inf";
        case 5:
            return "nan";
        case 6:
            return "1e308";
        case 7:
            return "1e-300";
        case 8:
            return fixed(typical * 1e4 * unit(g), 3);
        case 9:
            return fixed(typical * 1e-3 * unit(g), 6);
        case 10: {
            std::string s = fixed(typical * 2 * unit(g), 2);
            for (char& c : s)
                if (c == '.') c = ',';
            return s;
        }
        default:
            return fixed(typical * (0.2 + 2 * unit(g)), 2);
    }
}

bool clean(const std::string& s) {
    return s.find("inf") == std::string::npos && s.find("nan") == std::string::npos;
}

bool same(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Whether the run for the figures alone came to the whole run's end, with its figures,
// messages, instructions and wire choices, and wrote no text but the turns.
void expectSameRun(const Record& before, const WireTable& wires) {
    Record whole = before, quiet = before;
    const RunResult a = Calculate(whole, wires), b = CalculateFigures(quiet, wires);
    ASSERT_EQ(a.status, b.status);
    ASSERT_EQ(a.overfilled, b.overfilled);
    ASSERT_EQ(a.messages, b.messages);
    ASSERT_EQ(a.n1, b.n1);
    ASSERT_EQ(a.n2, b.n2);
    ASSERT_EQ(a.repetitions, b.repetitions);
    ASSERT_TRUE(b.hints.empty());
    ASSERT_EQ(a.instructions.size(), b.instructions.size());
    for (size_t k = 0; k < a.instructions.size(); ++k) {
        const Instruction &x = a.instructions[k], &y = b.instructions[k];
        ASSERT_TRUE(x.winding == y.winding && x.layout == y.layout && same(x.build, y.build) &&
                    x.layers == y.layers && x.rest == y.rest && x.Nt == y.Nt);
    }
    ASSERT_EQ(a.wireChoices.size(), b.wireChoices.size());
    for (size_t k = 0; k < a.wireChoices.size(); ++k) {
        const WireRecord &x = a.wireChoices[k], &y = b.wireChoices[k];
        ASSERT_TRUE(x.winding == y.winding && same(x.I, y.I) && x.fixedSize == y.fixedSize && x.pick == y.pick);
    }
    const RunFigures &f = a.figures, &g = b.figures;
    ASSERT_TRUE(f.core == g.core && f.used == g.used && f.centre == g.centre);
    for (double RunFigures::*m : {&RunFigures::lst, &RunFigures::hst, &RunFigures::lok, &RunFigures::hok,
                                 &RunFigures::hkar, &RunFigures::hkar1, &RunFigures::lkar, &RunFigures::F,
                                 &RunFigures::U1nom, &RunFigures::U1max, &RunFigures::Sst, &RunFigures::lm,
                                 &RunFigures::Sok, &RunFigures::room, &RunFigures::Pzad, &RunFigures::Pcu,
                                 &RunFigures::Pcu1, &RunFigures::W1, &RunFigures::I1, &RunFigures::Imu,
                                 &RunFigures::R1, &RunFigures::E1xx, &RunFigures::ew, &RunFigures::Lpr1,
                                 &RunFigures::M1, &RunFigures::n1, &RunFigures::Diz1, &RunFigures::build1})
        ASSERT_TRUE(same(f.*m, g.*m));
    for (auto RunFigures::*m : {&RunFigures::W2, &RunFigures::I2, &RunFigures::R2, &RunFigures::U2xx,
                                &RunFigures::Lpr2, &RunFigures::M2, &RunFigures::n2, &RunFigures::Diz2,
                                &RunFigures::build2})
        for (int i = 0; i < kSecondaries; ++i) ASSERT_TRUE(same((f.*m)[i], (g.*m)[i]));
    // The result texts stay as they were, the turns aside.
    for (const Field& fd : fields()) {
        if (fd.role == FieldRole::result && fd.name != "W1" && fd.name.rfind("W2", 0) != 0) {
            ASSERT_EQ(fd.textIn(quiet), fd.textIn(before)) << fd.name;
        }
    }
}

}  // namespace

TEST(Sweep, RandomInputsAlwaysEndInOneOfThreeStatusesWithCleanTextsAndTheSameFigures) {
    std::mt19937 g(20240611);
    std::uniform_int_distribution<int> kind(0, 4), flag(0, 3), width(-10, 2000);
    const std::array<int, 4> badKinds{-1, 5, 7, -2147483647 - 1};
    const WireTable big = testWires();
    const WireTable one = test::wiresOf({0.35});
    const WireTable none;
    int counts[3] = {};
    for (int n = 0; n < 6000; ++n) {
        Record r;
        r.core = n % 61 == 0 ? badKinds[n % 4] : kind(g);
        r.lst = randomText(g, 25);
        r.hst = randomText(g, r.core == 0 ? 15 : 32);
        r.lok = randomText(g, 25);
        r.hok = randomText(g, 40);
        r.hkar = randomText(g, 27);
        r.hkar1 = randomText(g, 34);
        r.lkar = randomText(g, 38);
        r.megsl = randomText(g, 0.1);
        r.megob = randomText(g, 0.3);
        r.Bm = randomText(g, 1.5);
        r.j = randomText(g, 3.5);
        r.F = randomText(g, 50);
        r.U1nom = randomText(g, 220);
        r.U1max = randomText(g, 253);
        for (int i = 0; i < 5; ++i) {
            r.U2[i] = flag(g) ? randomText(g, 20) : "";
            r.I2[i] = randomText(g, 2);
            r.double2[i] = flag(g) == 3 ? flag(g) : 0;
            r.d2[i] = randomText(g, 0.6);
        }
        r.d11 = randomText(g, 0.5);
        r.razmery = flag(g) == 1;
        r.use_d = flag(g) == 2 ? 5 : 0;
        r.diag_width = width(g);
        if (n % 3 == 0) {  // mostly sound geometry, so that many runs go the whole way
            r.lst = "25";
            r.hst = r.core == 0 ? "15" : "32";
            r.lok = "25";
            r.hok = "40";
            r.F = "50";
            r.Bm = "1.2";
            r.j = "3";
            r.U1nom = "220";
            r.U1max = "240";
            if (r.core == 0) r.lst = "60";
            r.megsl = "0.1";
            r.megob = "0.3";
            r.razmery = 0;
            r.use_d = 0;
            std::uniform_real_distribution<double> U(1, 30), I(0.05, 1.5);
            for (int i = 0; i < 5; ++i) {
                r.U2[i] = flag(g) == 0 ? fixed(U(g), 1) : "";
                r.I2[i] = fixed(I(g), 2);
            }
        }
        const WireTable& wires = n % 50 == 0 ? none : n % 7 == 0 ? one : big;
        const Record before = r;
        expectSameRun(before, wires);
        const test::Shown run = test::calculate(r, wires);
        ASSERT_TRUE(run.status == RunStatus::ok || run.status == RunStatus::overfill ||
                    run.status == RunStatus::refused);
        ++counts[static_cast<int>(run.status)];
        for (const Field& f : fields()) {
            if (f.role != FieldRole::result) continue;
            ASSERT_TRUE(clean(f.textIn(r))) << f.name << " = " << f.textIn(r);
            if (f.textIn(r) != f.textIn(before)) {  // written by this run
                ASSERT_EQ(f.textIn(r).find(','), std::string::npos) << f.name;
            }
        }
        ASSERT_TRUE(clean(r.comment)) << r.comment;
        for (const texts::Shown& m : run.messages) ASSERT_TRUE(clean(m.text)) << m.text;
        for (const test::ShownHint& h : run.hints) ASSERT_TRUE(clean(h.text)) << h.text;
        if (run.status == RunStatus::ok) {
            ASSERT_FALSE(r.Pgab.empty());
            ASSERT_FALSE(r.KPD.empty());
            ASSERT_FALSE(r.wv.empty());
            ASSERT_EQ(r.comment.find("Расчет"), std::string::npos);
        } else {
            ASSERT_FALSE(run.messages.empty());
            ASSERT_EQ(run.messages.back().caption, "Внимание!");
            ASSERT_EQ(r.comment.rfind("Расчет ", 0), 0u);
        }
    }
    // The sweep reaches all three endings.
    EXPECT_GT(counts[0], 500);
    EXPECT_GT(counts[1], 100);
    EXPECT_GT(counts[2], 2000);
}
