// The core advisor: a list whose best core is known by hand, the other rankings, the
// cores left out by reason, a load no core carries, and the record it runs each core
// on (the bobbin derived and the laminations' induction, as typing the core would).
#include <gtest/gtest.h>

#include <cmath>

#include "core_advisor.hpp"
#include "core_typing.hpp"
#include "rectifier_fields.hpp"
#include "numtext.hpp"
#include "test_wires.hpp"

using namespace velmora;
using velmora::test::testWires;

namespace {

constexpr double kPi = 3.14159265358979323846;

// A grain-oriented grade under the ring's default name, known by its 1.7 T figure.
std::vector<SteelGrade> catalogue() {
    SteelGrade g;
    g.name = std::string(defaultSteelGrade(0));
    g.family = SteelFamily::grainOriented;
    g.thickness = 0.35;
    g.density = 7.65;
    g.lossMax = {0, 0, 1.50};
    SteelGrade no = g;
    no.name = std::string(defaultSteelGrade(3));
    no.family = SteelFamily::nonOriented;
    no.lossMax = {0, 8.00, 0};
    return {g, no};
}

ListedCore ring(const char* name, double d, double D, double H) { return {name, 0, D, d, H, 0, {}}; }

// Three rings by their designations d/D-H: the smallest overfills with the default
// windings, the two larger ones carry them.
const std::vector<ListedCore> kRings{ring("ОЛ40/64-32", 40, 64, 32), ring("ОЛ64/100-50", 64, 100, 50),
                                     ring("ОЛ50/80-40", 50, 80, 40)};

Advice advise(const Record& r, const std::vector<ListedCore>& cores, AdviceLimits limits = {}) {
    return adviseCores(r, cores, testWires(), catalogue(), "", limits);
}

}  // namespace

TEST(Advisor, TheLightestRingThatCarriesTheLoadComesFirst) {
    const Advice a = advise(Record{}, kRings);
    ASSERT_EQ(a.status, AdviceStatus::ok);
    EXPECT_EQ(a.counts, (AdviceCounts{2, 1, 0, 0, 0}));
    ASSERT_EQ(a.ranked.size(), 2u);
    EXPECT_EQ(a.ranked[0].index, 2);  // ОЛ50/80-40
    EXPECT_EQ(a.ranked[1].index, 1);  // ОЛ64/100-50

    // Steel mass by hand: π/4·(D² − d²)·H, 0.96 of it steel (tape), 7.65 g/cm3.
    // ОЛ50/80-40: π/4·(6400 − 2500)·40 = 122522 mm3; · 0.96 = 117621 mm3 → 899.8 g.
    // ОЛ64/100-50: π/4·(10000 − 4096)·50 = 231850 mm3; · 0.96 = 222576 mm3 → 1702.7 g.
    EXPECT_NEAR(a.ranked[0].mass_steel_kg, kPi / 4 * 3900 * 40 * 0.96 * 7.65e-6, 1e-9);
    EXPECT_NEAR(a.ranked[0].mass_steel_kg, 0.8998, 1e-4);
    EXPECT_NEAR(a.ranked[1].mass_steel_kg, 1.7027, 1e-4);
    for (const CoreAdvice& c : a.ranked) {
        EXPECT_EQ(c.verdict, Verdict::fit);
        EXPECT_GT(c.Kok, 0);
        EXPECT_GT(c.rise_k, 0);
        EXPECT_LT(c.rise_k, 60);
        EXPECT_GT(c.hot_spot_c, 40 + c.rise_k);  // the ambient, the surface, the build
        EXPECT_NEAR(c.class_margin_k, 130 - c.hot_spot_c, 1e-9);  // class B
        EXPECT_GT(c.efficiency_pct, 50);
        EXPECT_LT(c.efficiency_pct, 100);
        EXPECT_GT(c.mass_copper_kg, 0);
        EXPECT_GT(c.W1, 0);
        EXPECT_GT(c.D1, 0);
    }
    // The larger section needs fewer primary turns: W1 ∝ 1 / Sst at the same induction.
    EXPECT_LT(a.ranked[1].W1, a.ranked[0].W1);
}

TEST(Advisor, RanksByRiseOrEfficiencyWhenAsked) {
    AdviceLimits limits;
    limits.by = Ranking::rise;
    const Advice cool = advise(Record{}, kRings, limits);
    ASSERT_EQ(cool.ranked.size(), 2u);
    EXPECT_LE(cool.ranked[0].hot_spot_c, cool.ranked[1].hot_spot_c);
    // The larger ring has more surface for less copper loss (fewer turns): it runs cooler.
    EXPECT_EQ(cool.ranked[0].index, 1);

    limits.by = Ranking::efficiency;
    const Advice eff = advise(Record{}, kRings, limits);
    ASSERT_EQ(eff.ranked.size(), 2u);
    EXPECT_GE(eff.ranked[0].efficiency_pct, eff.ranked[1].efficiency_pct);
    EXPECT_EQ(eff.ranked[0].index, 1);
}

TEST(Advisor, EqualCoresKeepTheListsOrder) {
    const std::vector<ListedCore> twins{kRings[2], kRings[0], kRings[2]};
    const Advice a = advise(Record{}, twins);
    ASSERT_EQ(a.ranked.size(), 2u);
    EXPECT_EQ(a.ranked[0].index, 0);
    EXPECT_EQ(a.ranked[1].index, 2);
    EXPECT_EQ(a.ranked[0].mass_steel_kg, a.ranked[1].mass_steel_kg);
}

TEST(Advisor, CountsTheCoresLeftOutByReason) {
    const std::vector<ListedCore> cores{
        kRings[0],                                  // overfills
        {"D below d", 0, 50, 80, 40, 0, {}},        // the run refuses it
        kRings[2],                                  // carries the load, but warms
        {"ШЛ25х32", 2, 25, 32, 25, 40, {}},         // carries it with its build-up
        {"kind 7", 7, 25, 32, 25, 40, {}},          // no kind: refused
    };
    AdviceLimits limits;
    limits.heat = HeatLimit::rise;
    limits.riseLimit = 1;  // K: every run warms more than that
    limits.margin = 0.1;   // no steel core's windings take a tenth of the room only
    const Advice a = advise(Record{}, cores, limits);
    ASSERT_EQ(a.status, AdviceStatus::ok);
    EXPECT_TRUE(a.ranked.empty());
    EXPECT_EQ(a.counts, (AdviceCounts{0, 1, 2, 1, 1}));
    // Each left-out core once, in list order, with its reason.
    const std::vector<Verdict> why{Verdict::overfill, Verdict::refused, Verdict::tooHot, Verdict::margin,
                                   Verdict::refused};
    ASSERT_EQ(a.others.size(), why.size());
    for (size_t i = 0; i < why.size(); ++i) {
        EXPECT_EQ(a.others[i].index, static_cast<int>(i));
        EXPECT_EQ(a.others[i].verdict, why[i]);
    }
    // The ones whose run ended ok keep their figures: the user sees how hot, how full.
    EXPECT_GT(a.others[2].rise_k, 1);
    EXPECT_GT(a.others[3].buildShare, 0.1);
}

TEST(Advisor, ALoadNoCoreCarriesLeavesAnEmptyRanking) {
    Record r;
    r.I2[0] = "30";  // 30 A on the first secondary
    const Advice a = advise(r, kRings);
    EXPECT_EQ(a.status, AdviceStatus::ok);
    EXPECT_TRUE(a.ranked.empty());
    EXPECT_EQ(a.counts, (AdviceCounts{0, 3, 0, 0, 0}));
}

TEST(Advisor, AGradeMissingFromTheCatalogueStopsTheAdvice) {
    AdviceLimits mine;
    mine.designSteel = true;
    const Advice named = adviseCores(Record{}, kRings, testWires(), catalogue(), "no such grade", mine);
    EXPECT_EQ(named.status, AdviceStatus::noGrade);
    EXPECT_EQ(named.grade, "no such grade");
    EXPECT_TRUE(named.ranked.empty());

    // Only the laminations' default grade is in the catalogue: the first ring stops it.
    std::vector<SteelGrade> lam{catalogue()[1]};
    const Advice byKind = adviseCores(Record{}, kRings, testWires(), lam, "", {});
    EXPECT_EQ(byKind.status, AdviceStatus::noGrade);
    EXPECT_EQ(byKind.grade, defaultSteelGrade(0));
    EXPECT_EQ(byKind.counts, AdviceCounts{});
}

TEST(Advisor, ANamedGradeServesEveryKind) {
    // The laminations' grade named for rings too: heavier loss, lower efficiency.
    const Advice def = advise(Record{}, kRings);
    AdviceLimits mine;
    mine.designSteel = true;
    const Advice no = adviseCores(Record{}, kRings, testWires(), catalogue(), defaultSteelGrade(3), mine);
    // Without the choice the name is not taken: each kind's own grade.
    EXPECT_EQ(adviseCores(Record{}, kRings, testWires(), catalogue(), defaultSteelGrade(3), {}).ranked[0].efficiency_pct,
              def.ranked[0].efficiency_pct);
    ASSERT_EQ(no.ranked.size(), 2u);
    ASSERT_EQ(def.ranked.size(), 2u);
    EXPECT_LT(no.ranked[0].efficiency_pct, def.ranked[0].efficiency_pct);
    EXPECT_EQ(no.ranked[0].W1, def.ranked[0].W1);  // the run itself does not change
}

TEST(CoreTyping, DerivesTheBobbinAndLowersTheLaminationsInduction) {
    Record design;
    design.razmery = 1;  // the user's own bobbin: typing a core derives it anew
    design.hkar = "99";
    design.Bm = "1,5";

    const Record r = designOnCore(design, ring("ОЛ50/80-40", 50, 80, 40), true);
    EXPECT_EQ(r.core, 0);
    EXPECT_EQ(r.lst, "80");
    EXPECT_EQ(r.hst, "50");
    EXPECT_EQ(r.lok, "40");
    EXPECT_EQ(r.hok, design.hok);     // a ring has no window height
    EXPECT_EQ(r.hkar, "17.0");        // (80 - 50) / 2 + 2
    EXPECT_EQ(r.hkar1, "42.0");       // 40 + 2
    EXPECT_EQ(r.Bm, "1,5");           // a ring keeps it

    const Record s = designOnCore(design, {"Ш", 3, 20, 25.5, 20, 50, {}}, true);
    EXPECT_EQ(s.hst, "25.5");
    EXPECT_EQ(s.hkar, "22.0");        // 20 + 2
    EXPECT_EQ(s.hkar1, "27.5");       // 25.5 + 2
    EXPECT_EQ(s.lkar, "48.0");        // 50 - 2
    EXPECT_EQ(s.Bm, "1.2");           // lowered to the laminations' limit

    design.Bm = "1,1";
    EXPECT_EQ(designOnCore(design, {"Г", 4, 20, 25, 20, 50, {}}, true).Bm, "1,1");  // below it: kept
    design.Bm = "1,6";
    EXPECT_EQ(designOnCore(design, {"ПЛ", 1, 20, 25, 20, 50, {}}, true).Bm, "1,6");  // tape-wound: kept
    // The advisor's own way: the induction each kind proposes, whatever the design's.
    for (const CoreShape& k : kCoreShapes)
        EXPECT_EQ(designOnCore(design, {"k", coreNumber(k.kind), 20, 25, 20, 50, {}}, false).Bm, k.inductionOnChoice);
}

TEST(CoreTyping, TheAdvisorsFiguresAreThoseOfTheCoreTypedIn) {
    const Advice a = advise(Record{}, kRings);
    ASSERT_FALSE(a.ranked.empty());

    // The user types the best ring's sizes into the window, one field after the other,
    // each handler deriving as it does, and presses "Рассчитать".
    Record r;
    r.core = 0;
    r.lst = "80";
    deriveFromLst(r);
    r.hst = "50";
    deriveFromHst(r);
    r.lok = "40";
    deriveFromLok(r);
    const RunResult run = Calculate(r, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    EXPECT_EQ(a.ranked[0].W1, run.figures.W1);
    EXPECT_EQ(a.ranked[0].Kok, textToDouble(r.Kok));
    EXPECT_EQ(a.ranked[0].D1, textToDouble(r.D1));
    const SteelResult s = steelModel(run.figures, catalogue()[0]);
    EXPECT_EQ(a.ranked[0].rise_k, s.work.rise_k);
    EXPECT_EQ(a.ranked[0].hot_spot_c, s.work.hot_spot_c);
    EXPECT_EQ(a.ranked[0].mass_copper_kg, s.mass_copper_kg);
}

TEST(Advisor, ARectifierSecondaryIsSizedAgainForEveryCore) {
    Record design;
    setRectifierInputs(design, 0, {1, 24, 1, 4700, 0.7, 0.02});  // a bridge, 24 V at 1 A
    const ListedCore big = kRings[1];
    const Advice a = advise(design, {big});
    ASSERT_EQ(a.ranked.size(), 1u);
    // The figures of the core as the window would compute it: the rectifier re-solved
    // for this core's own resistances, then the calculation.
    Record r = designOnCore(design, big, false);
    const Record unsolved = r;
    resolveRectifiers(r, testWires());
    EXPECT_NE(r.U2[0], unsolved.U2[0]) << "the helper set the winding for this core";
    Record direct = r;
    ASSERT_EQ(Calculate(direct, testWires()).status, RunStatus::ok);
    EXPECT_EQ(fixed(a.ranked[0].W1, 0), direct.W1);
    EXPECT_EQ(fixed(a.ranked[0].Kok, 3), direct.Kok);
}

TEST(Advisor, EachKindIsJudgedWithItsOwnGradeAndInductionUnlessTheDesignsAreChosen) {
    // A design left over from laminations: 1.2 T and the tape's grain-oriented grade.
    Record design;
    design.Bm = "1,2";
    design.Steel = std::string(defaultSteelGrade(0));
    const ListedCore ringCore = kRings[1];                  // ОЛ64/100-50
    const ListedCore ei{"Ш32x40", 3, 32, 40, 32, 80, {}};  // E-I laminations
    struct Case {
        bool designSteel;
        const char* ringBm;  // the induction each core is run with
        const char* eiBm;
        const SteelGrade& eiGrade;
    };
    const std::vector<SteelGrade> grades = catalogue();
    for (const Case& c : {Case{false, "1.5", "1.2", grades[1]}, Case{true, "1,2", "1,2", grades[0]}}) {
        AdviceLimits limits;
        limits.designSteel = c.designSteel;
        limits.by = Ranking::efficiency;
        const std::vector<ListedCore> list{ringCore, ei};
        const Advice a = adviseCores(design, list, testWires(), grades, design.Steel, limits);
        ASSERT_EQ(a.ranked.size(), 2u) << c.designSteel;
        // Each core's figures are those of the core typed in with that induction and grade.
        for (const CoreAdvice& got : a.ranked) {
            Record r = designOnCore(design, got.index == 0 ? ringCore : ei, c.designSteel);
            EXPECT_EQ(r.Bm, got.index == 0 ? c.ringBm : c.eiBm);
            const RunResult run = Calculate(r, testWires());
            ASSERT_EQ(run.status, RunStatus::ok);
            EXPECT_EQ(got.W1, run.figures.W1);
            const SteelResult s = steelModel(run.figures, got.index == 0 ? grades[0] : c.eiGrade);
            EXPECT_EQ(got.efficiency_pct, s.work.efficiency_pct) << got.index;
        }
    }
    // Under their own defaults the laminations carry the non-oriented grade's loss
    // (8 W/kg at 1.5 T against 1.5 W/kg at 1.7 T): the ring is the more efficient, and
    // the E-I core gains when it is given the tape's grade.
    AdviceLimits own;
    own.by = Ranking::efficiency;
    const std::vector<ListedCore> list{ei, ringCore};
    const Advice fair = adviseCores(design, list, testWires(), grades, design.Steel, own);
    ASSERT_EQ(fair.ranked.size(), 2u);
    EXPECT_EQ(fair.ranked[0].index, 1);
    AdviceLimits mine = own;
    mine.designSteel = true;
    const Advice same = adviseCores(design, list, testWires(), grades, design.Steel, mine);
    ASSERT_EQ(same.ranked.size(), 2u);
    const auto eiOf = [](const Advice& a) { return a.ranked[0].index == 0 ? a.ranked[0] : a.ranked[1]; };
    EXPECT_GT(eiOf(same).efficiency_pct, eiOf(fair).efficiency_pct);
}
