// Wire choice with and without desired diameters, strands, the notices, centre taps,
// unused secondaries and the tool-tips the windings leave.
#include <gtest/gtest.h>

#include "calculation.hpp"
#include "design_state.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;
using test::testWires;

namespace {

calc::Wire choose(double Sreq, bool use_d, double& desired, calc::Design& d) {
    d.use_d = use_d;
    return calc::chooseWire(d, testWires(), Sreq, desired, calc::kPrimary);
}

double section(double D) { return D * D * 0.7853981633974483; }

}  // namespace

TEST(WireChoice, DesiredDiameterEqualBetweenAndAboveTheSizes) {
    calc::Design d;
    double desired = 0.5;
    calc::Wire w = choose(0.1, true, desired, d);
    EXPECT_EQ(w.D, 0.5);
    EXPECT_EQ(w.n, 1);
    EXPECT_TRUE(d.messages.empty());

    desired = 0.45;  // between 0.4 and 0.5: the next larger size, with a notice
    w = choose(0.5, true, desired, d);
    EXPECT_EQ(w.D, 0.5);
    EXPECT_EQ(desired, 0.5);
    EXPECT_EQ(w.n, 3);  // 0.5 / 0.196 = 2.55 strands, raised
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0].code, MessageCode::diameterReplaced);
    EXPECT_EQ(d.messages[0].winding, 1);
    EXPECT_EQ(d.messages[0].a, 0.45);
    EXPECT_EQ(d.messages[0].b, 0.5);
    EXPECT_EQ(texts::message(d.messages[0], texts::Lang::ru).text,
              "Указанный желаемый диаметр первичной обмотки 0.450 заменен на "
              "ближайший стандартный диаметр 0.500");

    desired = 2.0;  // above the largest: the largest, silently
    w = choose(0.1, true, desired, d);
    EXPECT_EQ(w.D, 1.5);
    EXPECT_EQ(d.messages.size(), 1u);

    desired = 0.1;  // a whole count of strands stays as it is
    w = choose(section(0.1) * 4, true, desired, d);
    EXPECT_EQ(w.n, 4);
}

TEST(WireChoice, WithoutDesiredDiameterAnExactTieTakesTheNextSize) {
    calc::Design d;
    double unused = 0;
    calc::Wire w = choose(section(0.4), false, unused, d);
    EXPECT_EQ(w.D, 0.5);
    EXPECT_EQ(w.n, 1);
    w = choose(section(0.4) * 0.999, false, unused, d);
    EXPECT_EQ(w.D, 0.4);
    EXPECT_EQ(w.S, section(0.4));
    // Above the largest section: strands of the smallest size that carries the share.
    w = choose(section(1.5) * 2.5, false, unused, d);
    EXPECT_EQ(w.n, 3);
    EXPECT_EQ(w.D, 1.5);  // 2.5/3 of the largest section needs 1.5 still
    w = choose(section(1.5) * 3.1, false, unused, d);
    EXPECT_EQ(w.n, 4);
    EXPECT_EQ(w.D, 1.5);
    w = choose(section(1.5) * 1.2, false, unused, d);
    EXPECT_EQ(w.n, 2);
    EXPECT_EQ(w.D, 1.2);  // 0.6 of 1.767 = 1.06 mm2 < 1.131
    EXPECT_TRUE(d.messages.empty());
}

TEST(Windings, StrandedWireShowsDiameterAndCount) {
    Record r;
    r.U2[0] = "10";
    r.I2[0] = "7,5";  // 2.14 mm2: two strands of 1.2 mm
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(r.D2[0], "1.200x2");
    EXPECT_EQ(r.d2[0], "1.200");
    EXPECT_EQ(run.n2[0], 2);
    EXPECT_EQ(*test::lastHint(run, 1032),
              "Диаметр провода по эмали 1.330 мм\nСечение провода "
              "1.131 мм2\nСечение обмотки 2.262 мм2");
    const std::string mass = *test::lastHint(run, 1058);
    const std::string prefix = "Масса провода ";
    ASSERT_EQ(mass.rfind(prefix, 0), 0u);
    ASSERT_EQ(mass.substr(mass.size() - 5), " кг");
    const double kg = textToDouble(mass.substr(prefix.size()));
    EXPECT_NEAR(kg, section(1.2) * 8.9 * textToDouble(r.Lpr2[0]) / 1000, 0.0006);
}

TEST(Windings, DesiredDiameterNoticesComeOnceInWindingOrder) {
    Record r;
    r.use_d = 1;
    r.d11 = "0,45";
    r.d2[0] = "1.5";  // standard: no notice
    r.U2[2] = "6,3";
    r.I2[2] = "1";
    r.d2[2] = "0.55";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    ASSERT_EQ(run.messages.size(), 2u);
    EXPECT_EQ(run.messages[0].text,
              "Указанный желаемый диаметр первичной обмотки 0.450 заменен "
              "на ближайший стандартный диаметр 0.500");
    EXPECT_EQ(run.messages[1].text,
              "Указанный желаемый диаметр третьей вторичной обмотки 0.550 "
              "заменен на ближайший стандартный диаметр 0.600");
    EXPECT_EQ(r.d11, "0.500");
    EXPECT_EQ(r.d2[2], "0.600");
    EXPECT_EQ(r.d2[1], "");  // not in use: left alone
}

TEST(Windings, UnusedSecondariesBetweenUsedOnesDoNotBreakTheChain) {
    for (int core : {0, 2, 4}) {
        auto design = [core](int slot) {
            Record r;
            r.core = core;
            if (core == 0) {
                r.lst = "110";
                r.hst = "60";
                r.lok = "40";
            } else {
                r.lok = "30";
                r.hok = "50";
            }
            r.U2[slot] = "12";
            r.I2[slot] = "1,5";
            r.I2[2] = "3";  // a current without a voltage: not in use
            return r;
        };
        Record a = design(1), b = design(3);
        // a: secondaries 1 and 2 in use; b: 1 and 4, with 2 and 3 empty between them.
        const test::Shown ra = test::calculate(a, testWires()), rb = test::calculate(b, testWires());
        ASSERT_EQ(ra.status, RunStatus::ok) << core;
        ASSERT_EQ(rb.status, RunStatus::ok) << core;
        EXPECT_EQ(a.W2[1], b.W2[3]);
        EXPECT_EQ(a.Nsl2[1], b.Nsl2[3]);
        EXPECT_EQ(a.Lpr2[1], b.Lpr2[3]);
        EXPECT_EQ(a.R2[1], b.R2[3]);
        EXPECT_EQ(a.U2h[1], b.U2h[3]);
        EXPECT_EQ(a.ext2[1], b.ext2[3]);
        EXPECT_EQ(a.Kok, b.Kok);
        EXPECT_EQ(b.W2[1], "");
        EXPECT_EQ(b.W2[2], "");
        EXPECT_EQ(b.ext2[1], 0);
        EXPECT_EQ(b.ext2[2], 0);
        EXPECT_NE(b.comment.find("    4-я вторичная обмотка\r\n"), std::string::npos);
        EXPECT_EQ(b.comment.find("2-я вторичная"), std::string::npos);
    }
}

TEST(Windings, CentreTapShowsOneHalfAndTheLengthOfBoth) {
    for (int core : {0, 2}) {
        Record plain, tapped;
        for (Record* r : {&plain, &tapped}) {
            r->core = core;
            r->lst = core == 0 ? "110" : "25";
            r->hst = core == 0 ? "60" : "32";
            r->lok = core == 0 ? "40" : "25";
            r->U2[0] = "12";
            r->I2[0] = "2";
        }
        tapped.double2[0] = 1;
        ASSERT_EQ(test::calculate(plain, testWires()).status, RunStatus::ok);
        ASSERT_EQ(test::calculate(tapped, testWires()).status, RunStatus::ok);
        EXPECT_EQ(tapped.Pzad, "48.00");
        // One half's turns: the tap adds only what the larger drop asks.
        EXPECT_NEAR(textToDouble(tapped.W2[0]), textToDouble(plain.W2[0]), 3) << core;
        // The wire of both halves; the resistance of one.
        const double Lpr = textToDouble(tapped.Lpr2[0]);
        EXPECT_GT(Lpr / textToDouble(plain.Lpr2[0]), 1.9) << core;
        const double S = testWires().S[tapped.D2[0] == "1.000" ? 9 : 8];
        ASSERT_TRUE(tapped.D2[0] == "1.000" || tapped.D2[0] == "0.900") << tapped.D2[0];
        EXPECT_NEAR(textToDouble(tapped.R2[0]), 0.0175 * (Lpr / 2) / S, 0.0175 * 0.05 / S + 5e-4)
            << core;
        if (core == 2) {
            // Twice the layers of the same turns.
            const double perTurn = textToDouble(plain.Nsl2[0]) / textToDouble(plain.W2[0]);
            EXPECT_NEAR(textToDouble(tapped.Nsl2[0]), 2 * perTurn * textToDouble(tapped.W2[0]),
                        0.02);
        }
    }
}

TEST(Windings, EverySecondaryClearsItsHintsWhenNotInUse) {
    Record r;
    r.U2[0] = "";  // secondary 1 not in use, secondary 2 in use
    r.U2[1] = "20";
    r.I2[1] = "2";
    const test::Shown run = test::calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    for (int id : {1032, 1058, 1034, 1060, 1044, 1061, 1052, 1062}) {
        ASSERT_NE(test::lastHint(run, id), nullptr) << id;
        EXPECT_EQ(*test::lastHint(run, id), "") << id;
    }
    EXPECT_NE(*test::lastHint(run, 1033), "");
    EXPECT_EQ(test::lastHint(run, 1059)->rfind("Масса провода ", 0), 0u);
    EXPECT_EQ(test::lastHint(run, 1063)->rfind("Масса провода ", 0), 0u);
}

TEST(Windings, DropCompensationThatNeverSettlesStopsAfterAHundredRepetitions) {
    // A thin, heavily loaded winding in a vast window: its own drop grows faster than
    // the added turns make up for it, until the hundredth repetition ends the loop.
    auto secondaryOf = [](double I2, calc::Design& d, Record& r) {
        d.core = CoreKind::shl;
        d.lst = 25;
        d.hst = 32;
        d.lok = d.hok = 1e5;
        d.Bm = 1.5;
        d.F = 50;
        d.U1nom = 220;
        d.U1max = 253;
        d.megsl = 0.1;
        d.megob = 0.3;
        d.j = 50;
        d.U2[0] = 10;
        d.I2[0] = I2;
        d.diag_width = 900;
        calc::sizeCore(d, r);
        calc::primaryStep(d, r, testWires());
        calc::secondaryStep(d, r, testWires(), 0);
    };
    calc::Design d;
    Record r;
    secondaryOf(2.6, d, r);
    EXPECT_EQ(d.repetitions[0], 100);
    EXPECT_EQ(d.dU2[0], 1.2 * d.R2[0] * d.I2[0]);  // the drop of the last repetition
    EXPECT_EQ(r.W2[0], fixed(d.W2[0], 0));
    EXPECT_EQ(r.R2[0], fixed(d.R2[0], 3));
    EXPECT_LT(textToDouble(r.U2h[0]), 9);  // not compensated: the loop was cut

    calc::Design settled;
    Record r2;
    secondaryOf(2.0, settled, r2);
    EXPECT_GT(settled.repetitions[0], 1);
    EXPECT_LT(settled.repetitions[0], 100);
    EXPECT_NEAR(textToDouble(r2.U2h[0]), 10, 0.05);

    Record whole;
    whole.lok = whole.hok = "1e5";
    whole.j = "50";
    whole.U2[0] = "10";
    whole.I2[0] = "2,6";
    EXPECT_NE(test::calculate(whole, testWires()).status, RunStatus::refused) << whole.comment;
}
