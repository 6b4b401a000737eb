// The figures at work: the rms magnetising current against integrals done by hand, the
// shapes' own paths, the grain-oriented loss below 1.7 T, the hot spot through the build,
// the end of the copper-temperature iteration, and the designs that cannot work.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "calculation.hpp"
#include "magnetising.hpp"
#include "core_shape.hpp"
#include "steel.hpp"
#include "test_grades.hpp"
#include "test_wires.hpp"
#include "winding_heat.hpp"

using namespace velmora;
using velmora::test::makeRing;
using velmora::test::testWires;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kMu0 = 4e-7 * kPi;

// H = 100·B³ A/m: three points on that law, so that the log-log line between them is
// the law itself. Below 0.1 T the curve goes on in proportion to B (H ≤ 0.1 A/m there).
SteelGrade cubic() {
    SteelGrade g;
    g.name = "cubic";
    g.family = SteelFamily::nonOriented;
    g.density = 7.65;
    g.lossTyp = {2.60, 5.52, 7.08};
    g.curveB = {0.1, 1.0, 2.0};
    g.curveH = {0.1, 100, 800};
    return g;
}

using testgrades::m800;  // the named maker's M800-50A at its three catalogue points

// AISI M-6 0.35 mm: guaranteed 1.11 / 1.57 W/kg at 1.5 / 1.7 T, B800 ≥ 1.80 T; the
// typical DC points of the catalogue and 2.03 T saturation.
SteelGrade m6() {
    SteelGrade g;
    g.name = "M-6";
    g.family = SteelFamily::grainOriented;
    g.thickness = 0.35;
    g.density = 7.65;
    g.lossMax = {0, 1.11, 1.57};
    g.curveB = {0.01, 0.1, 1.0, 1.6};
    g.curveH = {1.33, 4.68, 15.9, 27.1};
    g.B800 = 1.80;
    g.saturation = 2.03;
    return g;
}

RunFigures calculated(Record r) {
    RunResult run = Calculate(r, testWires());
    EXPECT_EQ(run.status, RunStatus::ok);
    return run.figures;
}

TEST(Magnetising, RmsOfTheCurrentAgainstTheIntegralByHand) {
    // i·W1 = a·sin³θ + b·sinθ with a = 100·B0³·lm (steel) and b = B0·g/μ0 (gap). Over a
    // cycle mean(sin⁶) = 5/16, mean(sin⁴) = 3/8, mean(sin²) = 1/2, so
    // I = √(a²·5/16 + 2ab·3/8 + b²/2) / W1.
    // 1.2 T, lm 0.2 m, W1 500, no gap: a = 100·1.728·0.2 = 34.56,
    //   I = 34.56·√(5/16) / 500 = 0.0386392 A (peak/√2 would be 0.0488753 A).
    // 1.5 T, gap 20 µm: a = 67.5, b = 1.5·2e-5/μ0 = 23.8732;
    //   I = √(1423.83 + 1208.57 + 284.96) / 500 = √2917.36 / 500 = 0.108025 A.
    const MagnetisationCurve c = curveOf(cubic());
    struct Case {
        double B0, g, hand;
    };
    const Case cases[] = {{1.2, 0, 0.0386392}, {1.5, 0, 67.5 * std::sqrt(5.0 / 16) / 500},
                          {1.7, 0, 100 * 4.913 * 0.2 * std::sqrt(5.0 / 16) / 500},
                          {1.2, 20e-6, 0}, {1.5, 20e-6, 0.108025}, {1.7, 20e-6, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.B0);
        const double a = 100 * k.B0 * k.B0 * k.B0 * 0.2, b = k.B0 * k.g / kMu0;
        const double I = std::sqrt(a * a * 5 / 16 + 2 * a * b * 3 / 8 + b * b / 2) / 500;
        if (k.hand > 0) {
            EXPECT_NEAR(I, k.hand, 2e-6);  // the closed form against the figures above
        }
        EXPECT_NEAR(*magnetisingRms(c, k.B0, 0.2, k.g, 500), I, 1e-5 * I);
    }
    EXPECT_FALSE(magnetisingRms(c, 2.01, 0.2, 0, 500));  // above the curve: not made up
    EXPECT_FALSE(magnetisingRms(curveOf(SteelGrade{}), 1.0, 0.2, 0, 500));
}

TEST(Magnetising, PeakyCurrentOfANonOrientedGradeAsTheReferenceIntegrated) {
    // The steel reference: rms of H(B·sin ωt) over Hpeak/√2 with a non-oriented grade's
    // points: 1.00 at 1.0 T, 0.84 at 1.2 T, 0.80 at 1.5 T, 0.59 at 1.6 T, 0.56 at 1.7 T.
    const MagnetisationCurve c = curveOf(m800());
    const double ratio[][2] = {{1.0, 1.00}, {1.2, 0.84}, {1.5, 0.80}, {1.6, 0.59}, {1.7, 0.56}};
    for (const auto& [B0, r] : ratio) {
        const double Hpk = *curveField(c, B0);
        EXPECT_NEAR(*magnetisingRms(c, B0, 1, 0, 1) / (Hpk / std::sqrt(2.0)), r, 0.006) << B0;
    }
}

TEST(Magnetising, CurveJoinsThePointsAndTheGuaranteedBound) {
    const MagnetisationCurve c = curveOf(m6());
    ASSERT_EQ(c.B.size(), 5u);  // four typical points and B800
    EXPECT_EQ(c.top(), 1.80);
    EXPECT_EQ(*curveField(c, 1.8), 800);
    // 1.7 T between (1.6, 27.1) and (1.8, 800): 27.1·(800/27.1)^(ln(1.7/1.6)/ln(1.8/1.6))
    //   = 27.1 · 29.5203^0.514714 = 154.761 A/m
    EXPECT_NEAR(*curveField(c, 1.7), 154.761, 0.001);
    EXPECT_NEAR(*curveField(c, 0.005), 1.33 / 2, 1e-12);  // in proportion below the first point
    EXPECT_FALSE(curveField(c, 1.81));
}

TEST(WorkingLoss, GrainOrientedBelowItsKnee) {
    SteelGrade one = m6();
    one.lossMax = {0, 0, 1.50};  // known at 1.7 T only, as M150-35S
    struct Case {
        const SteelGrade* g;
        double B;
        std::optional<double> p;
    };
    const SteelGrade two = m6();
    const Case cases[] = {
        // Between the points: 1.11 · (1.57/1.11)^(ln(1.6/1.5)/ln(1.7/1.5))
        //   = 1.11 · 1.414414^0.515635 = 1.32729
        {&two, 1.6, 1.32729},
        {&two, 1.7, 1.57},
        {&two, 1.5, 1.11},
        // Below 1.5 T McLyman's 1.86: 1.11 · (1.3/1.5)^1.86 = 1.11 · 0.766311 = 0.850605
        {&two, 1.3, 0.850605},
        // One point: the suppliers' knee 2.77 down to 1.5 T: 1.50 · (1.6/1.7)^2.77 = 1.26812
        {&one, 1.6, 1.26812},
        // then 1.86: 1.50 · (1.5/1.7)^2.77 · (1.3/1.5)^1.86 = 1.5 · 0.707016 · 0.766311
        {&one, 1.3, 0.812691},
        {&one, 1.71, std::nullopt},  // above the data: never extrapolated
        {&two, 1.8, std::nullopt},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.B);
        const std::optional<double> p = workingLoss(*k.g, k.B, 50);
        ASSERT_EQ(p.has_value(), k.p.has_value());
        if (p) {
            EXPECT_NEAR(*p, *k.p, 5e-6);
        }
    }
}

TEST(HotSpot, ThroughTheBuildByHand) {
    // Two layers, 2 mm making 4 W and then 3 mm making 6 W, A = 0.01 m2, k = 0.5:
    // (0 + 4/2)·0.002/0.005 + (4 + 6/2)·0.003/0.005 = 0.8 + 4.2 = 5.0 K; with 1 W of
    // core loss entering the inner face (a ring) 1.2 + 4.8 = 6.0 K; at 1.2 times the
    // copper loss (2.4·0.4 + (4.8 + 3.6)·0.6) = 0.96 + 5.04 = 6.0 K.
    const std::vector<HeatLayer> layers{{2, 4}, {3, 6}};
    EXPECT_NEAR(buildRise(layers, 1, 0, 0.01, 0.5), 5.0, 1e-12);
    EXPECT_NEAR(buildRise(layers, 1, 1, 0.01, 0.5), 6.0, 1e-12);
    EXPECT_NEAR(buildRise(layers, 1.2, 0, 0.01, 0.5), 6.0, 1e-12);
}

// The whole heating of a design, worked by hand from its own figures.
void checkHeatByHand(const RunFigures& f, const SteelResult& s, const HeatConditions& c) {
    const WorkingFigures& w = s.work;
    ASSERT_TRUE(w.hot_spot_c && w.copper_factor && w.loss_w);
    const bool ring = shapeOf(f.core).ring;
    const double kc = *w.copper_factor;
    const double P1 = f.Pcu1 / 1.2 * kc, P2 = f.I2[0] * f.I2[0] * f.R2[0] * kc;
    // Layer thicknesses: bobbin builds t1 = build1, t2 = build2 − build1; the ring's
    // holes (room → build1 → build2) lose twice the thickness.
    const double t1 = ring ? (f.room - f.build1) / 2 : f.build1;
    const double t2 = ring ? (f.build1 - f.build2[0]) / 2 : f.build2[0] - f.build1;
    const double per = 2 * (f.hkar + f.hkar1) + kPi * (t1 + t2);
    const double A = per * (ring ? kPi * (f.lst + f.hst) / 2 : f.lkar) * 1e-6;
    const double k = c.impregnated ? 0.5 : 0.25;
    const double inner = ring ? *w.loss_w : 0;  // a ring's core heat leaves through it
    const double dT = ((inner + P1 / 2) * t1 + (inner + P1 + P2 / 2) * t2) * 1e-3 / (k * A);
    const double surface = c.ambient + surfaceRise(outerSurface(f), P1 + P2 + *w.loss_w, nullptr,
                                                   c.ambient);
    EXPECT_NEAR(*w.rise_k, surface - c.ambient, 1e-9);
    EXPECT_NEAR(*w.hot_spot_c, surface + dT, 1e-9);
    EXPECT_NEAR(*w.class_margin_k, classLimit(c.insulation) - *w.hot_spot_c, 1e-12);
    // The iteration's end: the copper is at the mean winding temperature (to the
    // settling step) and the rounds stayed under their bound.
    EXPECT_NEAR(*w.winding_c, (surface + *w.hot_spot_c) / 2, 0.01);
    EXPECT_NEAR(kc, 1 + 0.00393 * (*w.winding_c - 20), 0.00393 * 0.011);
    EXPECT_GE(w.rounds, 2);
    EXPECT_LE(w.rounds, 20);
    // Resistance and voltage under load at that temperature; at 1.2 they are the run's.
    EXPECT_NEAR(*w.R1_ohm, f.R1 * kc, 1e-12);
    const double ew = (f.U1nom - kc * f.R1 * f.I1) / f.W1;
    EXPECT_NEAR(*w.U2_load_v[0], f.W2[0] * ew - kc * f.R2[0] * f.I2[0], 1e-9);
}

TEST(HotSpot, ABobbinDesignAndARingWorkedByHand) {
    Record shell;  // the default ШЛ design, one secondary 20 V 5 A
    shell.core = 3;
    const RunFigures fs = calculated(shell);
    HeatConditions wet;
    wet.impregnated = true;
    checkHeatByHand(fs, steelModel(fs, m800(), wet), wet);

    Record ring;
    makeRing(ring);
    const RunFigures fr = calculated(ring);
    HeatConditions dry;
    dry.ambient = 25;
    dry.insulation = InsulationClass::F;
    checkHeatByHand(fr, steelModel(fr, m6(), dry), dry);
    EXPECT_EQ(steelModel(fr, m6(), dry).work.class_limit_c, 155);
}

TEST(HotSpot, TheRunsOwnFactorGivesTheRunsVoltageUnderLoad) {
    // With the copper at 1.2 times its cold resistance the figures at work reproduce the
    // run's own voltage under load: W2·(U1nom − 1.2·R1·I1)/W1 − 1.2·R2·I2.
    Record r;
    const RunFigures f = calculated(r);
    const double ew = (f.U1nom - 1.2 * f.R1 * f.I1) / f.W1;
    EXPECT_NEAR(f.W2[0] * ew - 1.2 * f.R2[0] * f.I2[0], f.W2[0] * f.ew - 1.2 * f.R2[0] * f.I2[0],
                1e-9);
    // The layers' cold losses add up to the run's copper loss over its factor 1.2.
    double P20 = 0;
    for (const HeatLayer& l : windingLayers(f)) P20 += l.P20_w;
    EXPECT_NEAR(P20 * 1.2, f.Pcu, 1e-9);
}

TEST(HotSpot, AWindingThatHeatsItselfWithoutBoundDoesNotSettle) {
    Record r;
    RunFigures f = calculated(r);
    // A thousandfold resistance: every kelvin adds more heat than it carries away.
    f.Pcu1 *= 1000;
    f.R2[0] *= 1000;
    const SteelResult s = steelModel(f, m800());
    EXPECT_EQ(s.work.heatingGap, FigureGap::notSettled);
    EXPECT_FALSE(s.work.hot_spot_c);
    EXPECT_FALSE(s.work.feasible);
    EXPECT_LE(s.work.rounds, 20);
    EXPECT_NE(std::find(s.work.reasons.begin(), s.work.reasons.end(),
                        SteelReason::heatingNotSettled),
              s.work.reasons.end());
}

TEST(Feasibility, DesignsThatCannotWorkSayWhy) {
    struct Case {
        const char* what;
        const char* key;
        const char* value;
        SteelReason reason;
    };
    const Case cases[] = {
        {"U1max below U1nom", "U1max", "12", SteelReason::supplyBelowNominal},
        {"Bm = 5 T", "Bm", "5", SteelReason::inductionAboveData},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        Record r;
        r.core = 3;
        if (std::string(k.key) == "U1max") r.U1max = k.value;
        else r.Bm = k.value;
        const RunFigures f = calculated(r);
        const SteelResult s = steelModel(f, m800());
        EXPECT_FALSE(s.work.feasible);
        ASSERT_FALSE(s.work.reasons.empty());
        EXPECT_EQ(s.work.reasons.front(), k.reason);
    }
    // Bm = 5 T on the tape cores' default grade: above its data and its saturation; the
    // loss, the current and the heating are not given, with the reason.
    Record r;
    r.Bm = "5";
    const SteelResult s = steelModel(calculated(r), m6());
    EXPECT_GT(s.work.B0_t, 2.03);
    EXPECT_EQ(s.work.reasons, (std::vector<SteelReason>{SteelReason::inductionAboveData,
                                                         SteelReason::inductionAboveSaturation}));
    EXPECT_EQ(s.work.lossGap, FigureGap::aboveLossData);
    EXPECT_EQ(s.work.magnetisingGap, FigureGap::aboveCurve);
    EXPECT_EQ(s.work.heatingGap, FigureGap::noLoss);
    EXPECT_FALSE(s.work.loss_w || s.work.I0_a || s.work.hot_spot_c || s.work.efficiency_pct);
}

TEST(Feasibility, TheDefaultDesignsWork) {
    // Impregnated, at 40 °C, class B: the default design on each kind with its default
    // grade's figures.
    HeatConditions wet;
    wet.impregnated = true;
    for (int core = 0; core <= 4; ++core) {
        SCOPED_TRACE(core);
        Record r;
        r.core = core;
        if (core == 0) makeRing(r);
        const RunFigures f = calculated(r);
        const SteelResult s = steelModel(f, core <= 2 ? m6() : m800(), wet);
        EXPECT_TRUE(s.work.feasible);
        EXPECT_TRUE(s.work.reasons.empty());
        EXPECT_TRUE(s.work.I0_a && s.work.hot_spot_c);
        EXPECT_GT(*s.work.class_margin_k, 0);
        // The net section with the construction's stacking: B0 = run's B0 · 0.9 / k.
        EXPECT_NEAR(s.work.B0_t, s.B0_t * 0.9 / s.work.stacking, 1e-12);
        EXPECT_EQ(s.work.stacking, core <= 2 ? 0.96 : 0.95);
    }
}

TEST(HeatConditions, ReadFromTheRecordsTexts) {
    struct Case {
        const char *Tamb, *ins;
        bool ok;
        double ambient, limit;
    };
    const Case cases[] = {{"40", "B", true, 40, 130}, {"25,5", "f", true, 25.5, 155},
                          {"-10", "180", true, -10, 180}, {"abc", "B", false, 0, 0},
                          {"40", "C", false, 0, 0},     {"150", "H", false, 0, 0}};
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.Tamb) + " " + k.ins);
        const std::optional<HeatConditions> c = heatConditions(k.Tamb, k.ins, 1);
        ASSERT_EQ(c.has_value(), k.ok);
        if (!c) continue;
        EXPECT_EQ(c->ambient, k.ambient);
        EXPECT_EQ(classLimit(c->insulation), k.limit);
        EXPECT_TRUE(c->impregnated);
    }
}

}  // namespace
