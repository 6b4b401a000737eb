// Core and magnetic sizing: geometry of the ring and of the laminated core, the
// power texts around 10000 W, the induction limits, whole and even turn counts.
#include <gtest/gtest.h>

#include <cmath>

#include "calculation.hpp"
#include "design_state.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;
using calc::Design;

namespace {

constexpr double kPi = 3.14159265358979323846;

Design mains(int core, double lst, double hst, double lok, double hok) {
    Design d;
    d.core = *coreKindFrom(core);
    d.lst = lst;
    d.hst = hst;
    d.lok = lok;
    d.hok = hok;
    d.Bm = 1.5;
    d.F = 50;
    d.U1nom = 220;
    d.U1max = 253;
    d.U2[0] = 20;
    d.I2[0] = 5;
    d.megsl = 0.1;
    d.megob = 0.3;
    d.j = 3.5;
    return d;
}

std::vector<std::string> warnings(int core, const char* Bm) {
    Record r;
    r.core = core;
    if (core == 0) {
        test::makeRing(r);
    } else {
        r.lok = "40";
        r.hok = "60";
    }
    r.Bm = Bm;
    const test::Shown run = test::calculate(r, test::testWires());
    std::vector<std::string> texts;
    for (const texts::Shown& m : run.messages) texts.push_back(m.text);
    return texts;
}

}  // namespace

TEST(CoreSizing, RingFortyTwentyTenWithDerivedBobbin) {
    Design d = mains(0, 40, 20, 10, 0);
    Record r;
    r.lkar = "38";
    calc::sizeCore(d, r);
    EXPECT_EQ(r.hkar, "12.0");
    EXPECT_EQ(r.hkar1, "12.0");
    EXPECT_EQ(r.lkar, "");
    EXPECT_EQ(r.Sst, "0.90");
    EXPECT_DOUBLE_EQ(d.Sst, 90);
    EXPECT_DOUBLE_EQ(d.room, 18);
    EXPECT_DOUBLE_EQ(d.Lturn0, 48);
    EXPECT_DOUBLE_EQ(d.Sok, kPi * 100);
    EXPECT_DOUBLE_EQ(d.lm, 30 * kPi);
    EXPECT_EQ(d.mu, 13000);
}

TEST(CoreSizing, LaminatedTwentyByThirtyWithWindowTwelveByThirty) {
    Design d = mains(3, 20, 30, 12, 30);
    Record r;
    calc::sizeCore(d, r);
    EXPECT_EQ(r.hkar, "22.0");
    EXPECT_EQ(r.hkar1, "32.0");
    EXPECT_EQ(r.lkar, "28.0");
    EXPECT_EQ(r.Sst, "5.40");
    EXPECT_DOUBLE_EQ(d.room, 11);
    EXPECT_DOUBLE_EQ(d.Sok, 360);
    EXPECT_DOUBLE_EQ(d.lm, 124);
    EXPECT_DOUBLE_EQ(d.Lturn0, 2 * 22 + 2 * 32);
    EXPECT_EQ(d.mu, 5000);
    // Two coils on the legs: the room is half of window plus steel less bobbin.
    Design two = mains(4, 20, 30, 12, 30);
    calc::sizeCore(two, r);
    EXPECT_DOUBLE_EQ(two.room, (12 - 22 + 20) / 2.0);
}

TEST(CoreSizing, UserBobbinWithAMissingSizeFallsBackToTheDerivedOne) {
    Design d = mains(2, 25, 32, 25, 40);
    d.razmery = true;
    d.hkar = 30;
    d.hkar1 = 0;  // left empty
    d.lkar = 36;
    Record r;
    r.razmery = 1;
    calc::sizeCore(d, r);
    EXPECT_EQ(r.razmery, 0);
    EXPECT_EQ(r.hkar, "27.0");
    EXPECT_EQ(r.lkar, "38.0");

    Design kept = mains(2, 25, 32, 25, 40);
    kept.razmery = true;
    kept.hkar = 30;
    kept.hkar1 = 36;
    kept.lkar = 35;
    Record r2;
    r2.razmery = 1;
    r2.hkar = "30";
    calc::sizeCore(kept, r2);
    EXPECT_EQ(r2.razmery, 1);
    EXPECT_EQ(r2.hkar, "30");
    EXPECT_DOUBLE_EQ(kept.room, 25 - (30 - 25) / 2.0);
    EXPECT_DOUBLE_EQ(kept.Lturn0, 132);
}

TEST(CoreSizing, PowersAroundTenThousandWatts) {
    struct Case {
        double U, I;
        bool centre;
        const char* text;
    };
    for (const Case& c : {Case{9999.996, 1, false, "10000.00"}, Case{12345.67, 1, false, "12345.7"},
                          Case{10000, 1, false, "10000.0"}, Case{12, 2, true, "48.00"},
                          Case{0, 5, false, "0.00"}}) {
        Design d = mains(2, 25, 32, 25, 40);
        d.U2[0] = c.U;
        d.I2[0] = c.I;
        d.centre[0] = c.centre;
        Record r;
        calc::sizeCore(d, r);
        EXPECT_EQ(r.Pzad, c.text) << c.U;
        EXPECT_EQ(d.Nobm, c.U * c.I != 0 ? 2 : 1);
    }
}

TEST(CoreSizing, InductionWarningsStartAboveTheLimitOfTheCoreKind) {
    const std::string tape =
        " Для отечественных ленточных сердечников амплитуда индукции не должна превышать 1,7 Тесла";
    const std::string laminated =
        " Для отечественных пластинчатых сердечников амплитуда "
        "индукции не должна превышать 1,2 Тесла";
    for (int core : {0, 1, 2}) {
        EXPECT_TRUE(warnings(core, "1,7").empty()) << core;
        EXPECT_EQ(warnings(core, "1,71"), std::vector<std::string>{tape}) << core;
    }
    for (int core : {3, 4}) {
        EXPECT_TRUE(warnings(core, "1.2").empty()) << core;
        EXPECT_EQ(warnings(core, "1.3"), std::vector<std::string>{laminated}) << core;
    }
}

TEST(CoreSizing, PrimaryTurnsAreWholeAndEvenOnTwoCoils) {
    // U1max / ew set to a chosen value through U1max, with ew of the core fixed.
    auto turns = [](int core, double wanted) {
        Design d = mains(core, 25, 32, 25, 40);
        Record probe;
        calc::sizeCore(d, probe);
        const double ew = (2 * 50 * kPi * 1e-06) / std::sqrt(2.0) * 1.5 * d.Sst;
        Design e = mains(core, 25, 32, 25, 40);
        e.U1max = wanted * ew;
        e.U1nom = e.U1max;
        Record r;
        calc::sizeCore(e, r);
        EXPECT_EQ(r.W1, fixed(e.W1, 0));
        return e.W1;
    };
    EXPECT_EQ(turns(2, 1000.4), 1000);
    EXPECT_EQ(turns(2, 1001.6), 1002);
    EXPECT_EQ(turns(3, 1001.2), 1001);
    EXPECT_EQ(turns(1, 1001.2), 1002);
    EXPECT_EQ(turns(4, 1001.2), 1002);
    EXPECT_EQ(turns(4, 1000.2), 1000);
}

TEST(CoreSizing, OverallPowerAndEfficiencyOfAPass) {
    Design d = mains(2, 25, 32, 25, 40);
    d.Pzad = 100;
    d.Pcu = 12.5;
    d.Sok = 1000;
    d.j = 3.5;
    d.Kfill = 0.4;
    d.ew = 0.2;
    Record r;
    calc::powerStep(d, r);
    const double eta = 100 / 112.5;
    EXPECT_EQ(r.KPD, fixed(eta * 100, 2));
    EXPECT_EQ(r.Pgab, fixed(1000 * 3.5 * 0.4 * 0.2 * eta / (eta + 1), 2));
    d.Sok = 1e6;  // a huge window: the overall power goes to one decimal
    calc::powerStep(d, r);
    EXPECT_EQ(r.Pgab, fixed(1e6 * 3.5 * 0.4 * 0.2 * eta / (eta + 1), 1));
}
