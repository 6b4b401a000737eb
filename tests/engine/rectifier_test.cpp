// The rectifier solver: its limits against a hand derivation, the EMF search and its
// round trip, the refusals, a sweep that must always end finite within its bounds;
// then the helper that sizes secondaries for DC loads on whole designs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

#include "numtext.hpp"
#include "rectifier.hpp"
#include "rectifier_cycle.hpp"
#include "output_power.hpp"
#include "rectifier_design.hpp"
#include "rectifier_fields.hpp"
#include "steel.hpp"
#include "test_wires.hpp"

using namespace velmora;
using test::testWires;

namespace {

constexpr double kPi = std::numbers::pi;
constexpr RectifierKind kKinds[] = {RectifierKind::bridge, RectifierKind::centreTap,
                                    RectifierKind::halfWave, RectifierKind::dualRail};

// The derivations below take this diode: 0.7 V and 0.02 Ω.
RectifierCircuit circuit(RectifierKind kind, double E, double Rs, double C, double Idc) {
    RectifierCircuit c;
    c.kind = kind;
    c.Vd = 0.7;
    c.rd = 0.02;
    c.E = E;
    c.F = 50;
    c.Rs = Rs;
    c.C = C;
    c.Idc = Idc;
    return c;
}

// Radians of one cycle of the solver: a half mains cycle for full wave.
double period(RectifierKind k) { return k == RectifierKind::halfWave ? 2 * kPi : kPi; }
// Pulses a winding (one half of a centre tap) carries each mains cycle: a dual rail's
// half one to each rail.
double pulses(RectifierKind k) {
    return k == RectifierKind::bridge || k == RectifierKind::dualRail ? 2 : 1;
}

// Narrow pulses on a stiff capacitor. Near the crest the source less the drops is
// Em − Vn − Em·x²/2 (x from the crest); over a capacitor held at Em − Vn − d the path
// carries i = (d − Em·x²/2)/R for |x| < a = √(2d/Em). Then
//   ∫ i dx = (4/3)·a·d / R, which must be Idc·Θ a cycle Θ, so d^(3/2) = 3·R·Idc·Θ / (4·√(2/Em)),
//   ∫ i² dx = (16/15)·a·d² / R², so Irms² = pulses·(16/15)·a·d² / (2π·R²).
struct NarrowPulse {
    double d, Irms;
};
NarrowPulse narrowPulse(RectifierKind k, double Em, double R, double Idc) {
    const double d = std::pow(3 * R * Idc * period(k) / (4 * std::sqrt(2 / Em)), 2.0 / 3);
    const double a = std::sqrt(2 * d / Em);
    return {d, std::sqrt(pulses(k) * 16 / 15 * a * d * d / (2 * kPi)) / R};
}

}  // namespace

// ---- Limits -------------------------------------------------------------------------

// C → large and the path's resistance → 0: the DC voltage tends to √2·E less the diode
// drops, and what is left of the gap and the rms current follow the narrow-pulse
// derivation above.
TEST(RectifierLimit, StiffCapacitorAndIdealPathGiveTheCrestLessTheDrops) {
    for (RectifierKind k : kKinds) {
        double lastGap = INFINITY;
        for (double rd : {1e-2, 1e-3, 1e-4}) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(k) << " rd " << rd);
            RectifierCircuit c = circuit(k, 24, 0, 1000, 1);
            c.rd = rd;
            const RectifierResult r = solveRectifier(c);
            ASSERT_EQ(r.status, RectifierStatus::settled);
            const double n = diodesInPath(k), Em = std::numbers::sqrt2 * 24;
            const double gap = Em - n * 0.7 - r.Udc;
            const NarrowPulse p = narrowPulse(k, Em, n * rd, 1);
            EXPECT_NEAR(gap, p.d, 0.03 * p.d);
            EXPECT_NEAR(r.Irms, p.Irms, 0.03 * p.Irms);
            EXPECT_LT(gap, lastGap);
            lastGap = gap;
        }
        EXPECT_LT(lastGap, 1e-3 * std::numbers::sqrt2 * 24);  // within 0.1 % of the crest
    }
}

// A tiny load: the rms current falls towards zero with the load, as narrow pulses do
// (about as Idc^(5/6): the pulses narrow only slowly).
TEST(RectifierLimit, TinyLoadDrawsAVanishingRmsCurrent) {
    for (RectifierKind k : kKinds) {
        double last = INFINITY;
        for (double Idc : {1e-2, 1e-4, 1e-6}) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(k) << " Idc " << Idc);
            const RectifierCircuit c = circuit(k, 24, 0.5, 4700e-6, Idc);
            const RectifierResult r = solveRectifier(c);
            ASSERT_EQ(r.status, RectifierStatus::settled);
            const NarrowPulse p = narrowPulse(k, std::numbers::sqrt2 * 24,
                                              0.5 + diodesInPath(k) * 0.02, Idc);
            EXPECT_NEAR(r.Irms, p.Irms, 0.05 * p.Irms);
            EXPECT_LT(r.Irms, last);
            last = r.Irms;
        }
        EXPECT_LT(last, 1e-4);
    }
}

// ---- The EMF for a wanted DC voltage ------------------------------------------------

TEST(RectifierEmf, FoundEmfGivesTheWantedDcBack) {
    struct Load {
        double Udc, Idc, C, Rs;
    };
    const Load loads[] = {{30, 2, 4700e-6, 0.5}, {5, 0.01, 100e-6, 2}, {300, 0.2, 47e-6, 30},
                          {12, 10, 0.1, 0.05}};
    for (RectifierKind k : kKinds)
        for (const Load& l : loads) {
            SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(k) << " Udc " << l.Udc);
            const RectifierCircuit c = circuit(k, 0, l.Rs, l.C, l.Idc);
            const EmfSolution s = solveEmf(c, l.Udc);
            ASSERT_EQ(s.status, EmfStatus::found);
            EXPECT_LE(s.solves, 60);
            // The crest must exceed the DC voltage and the drops.
            EXPECT_GT(std::numbers::sqrt2 * s.E, l.Udc + diodesInPath(k) * 0.7);
            RectifierCircuit back = c;
            back.E = s.E;
            const RectifierResult r = solveRectifier(back);
            ASSERT_EQ(r.status, RectifierStatus::settled);
            EXPECT_NEAR(r.Udc, l.Udc, 2e-6 * l.Udc);
            EXPECT_NEAR(r.Irms, s.at.Irms, 1e-6 * r.Irms);
        }
}

TEST(RectifierEmf, DcVoltageRisesWithTheEmf) {
    for (RectifierKind k : kKinds) {
        double last = 0;
        for (double E = 5; E <= 60; E += 0.5) {
            const RectifierResult r = solveRectifier(circuit(k, E, 0.8, 2200e-6, 1));
            if (r.status != RectifierStatus::settled) continue;  // too low to hold the load
            EXPECT_GT(r.Udc, last) << "E " << E;
            last = r.Udc;
        }
        EXPECT_GT(last, 0);
    }
}

TEST(RectifierEmf, SaysWhyItFindsNone) {
    // 2 A from 100 µF: at every EMF that could give 30 V the capacitor empties.
    const EmfSolution small = solveEmf(circuit(RectifierKind::bridge, 0, 0.5, 100e-6, 2), 30);
    EXPECT_EQ(small.status, EmfStatus::overloaded);
    EXPECT_GT(small.at.Udc, 30);  // the least EMF that holds the load gives more
    EXPECT_EQ(small.at.status, RectifierStatus::settled);

    // A 100 kohm path at 10 A would need far more than the limit of EMF.
    EXPECT_EQ(solveEmf(circuit(RectifierKind::bridge, 0, 1e5, 1, 10), 1e6).status,
              EmfStatus::beyondRange);

    const RectifierCircuit c = circuit(RectifierKind::bridge, 0, 0.5, 4700e-6, 2);
    struct Bad {
        double Udc;
        RectifierRefusal why;
    };
    for (Bad b : {Bad{0, RectifierRefusal::notPositive}, Bad{-5, RectifierRefusal::notPositive},
                  Bad{NAN, RectifierRefusal::notFinite}, Bad{INFINITY, RectifierRefusal::notFinite},
                  Bad{1e7, RectifierRefusal::tooLarge}, Bad{1e-9, RectifierRefusal::tooSmall}}) {
        const EmfSolution s = solveEmf(c, b.Udc);
        EXPECT_EQ(s.status, EmfStatus::refused) << b.Udc;
        EXPECT_EQ(s.refusal, b.why) << b.Udc;
        EXPECT_EQ(s.input, RectifierInput::Udc) << b.Udc;
        EXPECT_EQ(s.solves, 0);
    }
    RectifierCircuit noC = c;
    noC.C = 0;
    EXPECT_EQ(solveEmf(noC, 30).input, RectifierInput::C);
}

// ---- Refusals and termination -------------------------------------------------------

TEST(RectifierInputs, EachRefusalNamesItsInput) {
    using Why = RectifierRefusal;
    using In = RectifierInput;
    struct Rule {
        void (*set)(RectifierCircuit&);
        Why why;
        In input;
    };
    const Rule rules[] = {
        {[](RectifierCircuit& c) { c.kind = static_cast<RectifierKind>(7); }, Why::unknownKind,
         In::kind},
        {[](RectifierCircuit& c) { c.kind = static_cast<RectifierKind>(0); }, Why::unknownKind,
         In::kind},
        {[](RectifierCircuit& c) { c.E = 0; }, Why::notPositive, In::E},
        {[](RectifierCircuit& c) { c.E = -24; }, Why::notPositive, In::E},
        {[](RectifierCircuit& c) { c.E = NAN; }, Why::notFinite, In::E},
        {[](RectifierCircuit& c) { c.E = 2e6; }, Why::tooLarge, In::E},
        {[](RectifierCircuit& c) { c.E = 1e-280; }, Why::tooSmall, In::E},
        {[](RectifierCircuit& c) { c.F = 0; }, Why::notPositive, In::F},
        {[](RectifierCircuit& c) { c.F = 1e-9; }, Why::tooSmall, In::F},
        {[](RectifierCircuit& c) { c.F = INFINITY; }, Why::notFinite, In::F},
        {[](RectifierCircuit& c) { c.Rs = -0.1; }, Why::negative, In::Rs},
        {[](RectifierCircuit& c) { c.Rs = 1e12; }, Why::tooLarge, In::Rs},
        {[](RectifierCircuit& c) { c.Vd = -0.7; }, Why::negative, In::Vd},
        {[](RectifierCircuit& c) { c.Vd = 1e5; }, Why::tooLarge, In::Vd},
        {[](RectifierCircuit& c) { c.rd = NAN; }, Why::notFinite, In::rd},
        {[](RectifierCircuit& c) { c.C = 0; }, Why::notPositive, In::C},
        {[](RectifierCircuit& c) { c.C = 1e-15; }, Why::tooSmall, In::C},
        {[](RectifierCircuit& c) { c.C = 1e6; }, Why::tooLarge, In::C},
        {[](RectifierCircuit& c) { c.Idc = 0; }, Why::notPositive, In::Idc},
        {[](RectifierCircuit& c) { c.Idc = -1; }, Why::notPositive, In::Idc},
        {[](RectifierCircuit& c) { c.Idc = 1e9; }, Why::tooLarge, In::Idc},
        {[](RectifierCircuit& c) { c.Idc = 1e-300; }, Why::tooSmall, In::Idc},
        {[](RectifierCircuit& c) { c.Rs = 0; c.rd = 0; }, Why::tooSmall, In::path},
    };
    for (const Rule& rule : rules) {
        RectifierCircuit c = circuit(RectifierKind::bridge, 24, 0.5, 4700e-6, 2);
        rule.set(c);
        const RectifierResult r = solveRectifier(c);
        EXPECT_EQ(r.status, RectifierStatus::refused);
        EXPECT_EQ(r.refusal, rule.why);
        EXPECT_EQ(r.input, rule.input);
        EXPECT_EQ(r.cycles, 0);
        EXPECT_EQ(r.Udc, 0);
    }
    // Zero is fine where nothing divides by it.
    RectifierCircuit ideal = circuit(RectifierKind::halfWave, 24, 0, 4700e-6, 2);
    ideal.Vd = 0;
    EXPECT_EQ(solveRectifier(ideal).status, RectifierStatus::settled);
}

TEST(RectifierInputs, EmfBelowTheDropsOrLoadBeyondTheCapacitorIsOverloaded) {
    RectifierCircuit c = circuit(RectifierKind::bridge, 1, 0.5, 4700e-6, 1);  // crest 1.41 V
    EXPECT_EQ(solveRectifier(c).status, RectifierStatus::overloaded);
    c.E = 24;
    c.C = 10e-6;  // 1 A drains 10 µF by far more than the crest in a half cycle
    const RectifierResult r = solveRectifier(c);
    EXPECT_EQ(r.status, RectifierStatus::overloaded);
    EXPECT_EQ(r.Udc, 0);
    EXPECT_LE(r.cycles, kRectifierMaxCycles);
}

// Log-uniform circuits over the whole range the solver takes: each ends within its
// bound, every figure finite, and a settled state keeps the physics of any cycle:
// mean within trough and crest, below the crest of the EMF less the drops, an rms no
// lower than the mean current it carries, a peak no lower than the pulse's mean.
TEST(RectifierInputs, SweepEndsFiniteWithinItsBounds) {
    std::mt19937_64 gen(20240611);
    auto logUniform = [&](double lo, double hi) {
        return std::exp(std::uniform_real_distribution<double>(std::log(lo), std::log(hi))(gen));
    };
    const RectifierLimits L = rectifierLimits();
    int settled = 0;
    for (int n = 0; n < 3000; ++n) {
        RectifierCircuit c;
        c.kind = kKinds[n % 4];
        c.E = logUniform(0.1, L.Emax);
        c.F = logUniform(L.Fmin, L.Fmax);
        c.Rs = n % 7 == 0 ? 0 : logUniform(1e-6, L.Rmax);
        c.Vd = n % 5 == 0 ? 0 : logUniform(1e-3, 10);
        c.rd = logUniform(1e-6, 1e3);
        c.C = logUniform(L.Cmin, L.Cmax);
        c.Idc = logUniform(1e-9, L.Idcmax);
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << " E " << c.E
                                        << " F " << c.F << " Rs " << c.Rs << " Vd " << c.Vd
                                        << " rd " << c.rd << " C " << c.C << " Idc " << c.Idc);
        const RectifierResult r = solveRectifier(c);
        ASSERT_NE(r.status, RectifierStatus::refused);
        ASSERT_LE(r.cycles, kRectifierMaxCycles);
        if (r.status != RectifierStatus::overloaded) {
            ASSERT_GE(r.cycles, 1);
        }
        for (double x : {r.Udc, r.ripple, r.Umin, r.Umax, r.Irms, r.Ipeak, r.angle})
            ASSERT_TRUE(std::isfinite(x));
        if (r.status != RectifierStatus::settled) continue;
        ++settled;
        const double tol = 1e-9 * std::numbers::sqrt2 * c.E;
        EXPECT_LE(r.Umin, r.Udc + tol);
        EXPECT_LE(r.Udc, r.Umax + tol);
        EXPECT_NEAR(r.ripple, r.Umax - r.Umin, tol);
        EXPECT_LT(r.Umax, std::numbers::sqrt2 * c.E - diodesInPath(c.kind) * c.Vd + tol);
        const double meanPerWinding =
            c.kind == RectifierKind::centreTap ? c.Idc / std::numbers::sqrt2 : c.Idc;
        EXPECT_GE(r.Irms, meanPerWinding * (1 - 1e-6));
        EXPECT_GT(r.angle, 0);
        EXPECT_LE(r.angle, period(c.kind) * 180 / kPi + 1e-9);
        EXPECT_GE(r.Ipeak, c.Idc * 180 * period(c.kind) / kPi / r.angle * (1 - 1e-6));
    }
    EXPECT_GT(settled, 300);  // the sweep reaches real steady states, not only refusals
}

// The quadrature the rms current rests on: exact for polynomials up to degree 2n − 1,
// and a steep boundary layer integrated through its graded pieces.
TEST(RectifierQuadrature, GaussRuleAndGradedLayer) {
    const rect::GaussRule& g = rect::gaussRule();
    for (int j = 0; j < 2 * rect::kGaussNodes; ++j) {
        double s = 0;
        for (int i = 0; i < rect::kGaussNodes; ++i) s += g.w[i] * std::pow(g.x[i], j);
        EXPECT_NEAR(s, j % 2 ? 0.0 : 2.0 / (j + 1), 1e-14) << "x^" << j;
    }
    const double k = 1e6;
    const double layer =
        rect::integrate([&](double x) { return std::exp(-k * x); }, 0, 1, 1 / k, 0.5);
    EXPECT_NEAR(layer, -std::expm1(-k) / k, 1e-12 / k);
}

// ---- The helper on whole designs ----------------------------------------------------

namespace {

// The primary carries both halves of a dual rail at once: twice its drop per half.
double sourceResistance(const RunFigures& f, int i, RectifierKind k = RectifierKind::bridge) {
    const double halves = k == RectifierKind::dualRail ? 2 : 1;
    return 1.2 * (f.R2[i] + halves * f.R1 * std::pow(f.W2[i] / f.W1, 2));
}

// The design's own figures put back into the solver.
RectifierResult designGives(const Record& r, const RectifierInputs& s, int i,
                            RunFigures* out = nullptr) {
    Record w = r;
    const RunResult run = Calculate(w, testWires());
    EXPECT_EQ(run.status, RunStatus::ok);
    RectifierCircuit c;
    c.kind = static_cast<RectifierKind>(s.circuit);
    c.E = run.figures.U2xx[i];
    c.F = run.figures.F;
    c.Rs = sourceResistance(run.figures, i, c.kind);
    c.Vd = s.Vd;
    c.rd = s.rd;
    c.C = s.C_uF * 1e-6;
    c.Idc = s.Idc;
    if (out) *out = run.figures;
    return solveRectifier(c);
}

// How far whole turns can keep the DC voltage from the wanted one: half a turn step
// (two turns on two coils) of EMF, through the slope of Udc over E.
double turnLimit(const RunFigures& f, const RectifierInputs& s, int i) {
    const double step = (f.core == CoreKind::pl || f.core == CoreKind::g ? 2 : 1) * f.E1xx / f.W1;
    RectifierCircuit c;
    c.kind = static_cast<RectifierKind>(s.circuit);
    c.F = f.F;
    c.Rs = sourceResistance(f, i, c.kind);
    c.Vd = s.Vd;
    c.rd = s.rd;
    c.C = s.C_uF * 1e-6;
    c.Idc = s.Idc;
    c.E = f.U2xx[i] + step / 2;
    const double up = solveRectifier(c).Udc;
    c.E = f.U2xx[i] - step / 2;
    return (up - solveRectifier(c).Udc) / 2;
}

}  // namespace

TEST(RectifierHelper, BridgeThirtyVoltsTwoAmperesOnTheDefaultDesign) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 2, 4700, 0.7, 0.02};
    const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
    ASSERT_EQ(d[0].status, RectifierDesignStatus::settled);
    EXPECT_EQ(d[0].warning, RectifierWarning::none);
    EXPECT_GE(d[0].rounds, 2);  // the first guess is never the answer
    EXPECT_LE(d[0].rounds, kRectifierMaxRounds);
    EXPECT_EQ(r.double2[0], 0);
    for (int i = 1; i < kSecondaries; ++i) EXPECT_EQ(d[i].status, RectifierDesignStatus::none);

    RunFigures f;
    const RectifierResult back = designGives(r, inputSets[0], 0, &f);
    ASSERT_EQ(back.status, RectifierStatus::settled);
    EXPECT_NEAR(back.Udc, 30, 0.005 * 30);
    EXPECT_EQ(back.Udc, d[0].reached.Udc);  // what the helper reports is the design's
    EXPECT_EQ(d[0].W2, f.W2[0]);
    // The winding is sized for the rms current it carries (a capacitor-input rectifier
    // draws well over its DC current).
    EXPECT_NEAR(textToDouble(r.I2[0]), back.Irms, 0.001 * back.Irms + 0.0005);
    EXPECT_GT(back.Irms, 1.5 * 2);
    // U2 is the loaded voltage of the chosen turns, as the calculation gives it.
    Record w = r;
    ASSERT_EQ(Calculate(w, testWires()).status, RunStatus::ok);
    EXPECT_NEAR(textToDouble(r.U2[0]), textToDouble(w.U2h[0]), 0.011);
}

TEST(RectifierHelper, FiveRectifiersAtOnce) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 1, 4700, 0.7, 0.02};
    inputSets[1] = {2, 15, 0.5, 2200, 0.7, 0.02};
    inputSets[2] = {3, 12, 0.2, 1000, 0.7, 0.02};
    inputSets[3] = {1, 48, 0.3, 470, 1.0, 0.05};
    inputSets[4] = {2, 5, 1, 10000, 0.4, 0.01};
    const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
    for (int i = 0; i < kSecondaries; ++i) {
        SCOPED_TRACE(testing::Message() << "secondary " << i + 1);
        ASSERT_EQ(d[i].status, RectifierDesignStatus::settled);
        EXPECT_EQ(r.double2[i], inputSets[i].circuit == 2 ? 1 : 0);
        EXPECT_EQ(d[i].warning, inputSets[i].circuit == 3 ? RectifierWarning::dcMagnetisesCore
                                                      : RectifierWarning::none);
        RunFigures f;
        const RectifierResult back = designGives(r, inputSets[i], i, &f);
        ASSERT_EQ(back.status, RectifierStatus::settled);
        // Within 0.5 %, unless whole turns are coarser than that (the 5 V winding has
        // some twenty turns): then within half a turn.
        const double limit = std::max(0.005 * inputSets[i].Udc, turnLimit(f, inputSets[i], i) * 1.001);
        EXPECT_NEAR(back.Udc, inputSets[i].Udc, limit);
        if (inputSets[i].Udc >= 30) {
            EXPECT_NEAR(back.Udc, inputSets[i].Udc, 0.005 * inputSets[i].Udc);
        }
        EXPECT_NEAR(textToDouble(r.I2[i]), back.Irms, 0.001 * back.Irms + 0.0005);
    }
}

TEST(RectifierHelper, TwoCoilCoreGetsEvenTurns) {
    Record r;
    r.core = 1;  // ПЛ: every winding split over two coils
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 24, 1.5, 3300, 0.7, 0.02};
    inputSets[1] = {2, 12, 0.5, 2200, 0.7, 0.02};
    const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(d[i].status, RectifierDesignStatus::settled);
        EXPECT_EQ(std::fmod(d[i].W2, 2.0), 0.0);
        RunFigures f;
        const RectifierResult back = designGives(r, inputSets[i], i, &f);
        EXPECT_NEAR(back.Udc, inputSets[i].Udc,
                    std::max(0.005 * inputSets[i].Udc, turnLimit(f, inputSets[i], i) * 1.001));
    }
}

TEST(RectifierHelper, ApplyingAgainChangesNothing) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 2, 4700, 0.7, 0.02};
    inputSets[2] = {2, 9, 0.8, 4700, 0.7, 0.02};
    applyRectifiers(r, testWires(), inputSets);
    Record again = r;
    const RectifierDesigns d = applyRectifiers(again, testWires(), inputSets);
    EXPECT_EQ(d[0].status, RectifierDesignStatus::settled);
    for (int i = 0; i < kSecondaries; ++i) {
        EXPECT_EQ(again.U2[i], r.U2[i]);
        EXPECT_EQ(again.I2[i], r.I2[i]);
        EXPECT_EQ(again.double2[i], r.double2[i]);
    }
}

TEST(RectifierHelper, InputsItCannotTakeLeaveTheirSecondaryAlone) {
    struct Bad {
        RectifierInputs inputs;
        RectifierRefusal why;
        RectifierInput input;
    };
    const Bad bad[] = {
        {{5, 30, 2, 4700, 0.7, 0.02}, RectifierRefusal::unknownKind, RectifierInput::kind},
        {{-1, 30, 2, 4700, 0.7, 0.02}, RectifierRefusal::unknownKind, RectifierInput::kind},
        {{1, NAN, 2, 4700, 0.7, 0.02}, RectifierRefusal::notFinite, RectifierInput::Udc},
        {{1, 30, 0, 4700, 0.7, 0.02}, RectifierRefusal::notPositive, RectifierInput::Idc},
        {{1, 30, 2, 0, 0.7, 0.02}, RectifierRefusal::notPositive, RectifierInput::C},
        {{3, 30, 2, 4700, -0.7, 0.02}, RectifierRefusal::negative, RectifierInput::Vd},
    };
    for (const Bad& b : bad) {
        Record r;
        const Record before = r;
        RectifierInputSets inputSets{};
        inputSets[0] = b.inputs;
        const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
        EXPECT_EQ(d[0].status, RectifierDesignStatus::refused);
        EXPECT_EQ(d[0].refusal, b.why);
        EXPECT_EQ(d[0].input, b.input);
        EXPECT_EQ(r.U2[0], before.U2[0]);
        EXPECT_EQ(r.I2[0], before.I2[0]);
        EXPECT_EQ(d[0].rounds, 0);
    }
    // No rectifier anywhere: nothing runs, nothing changes.
    Record r;
    const RectifierDesigns d = applyRectifiers(r, testWires(), RectifierInputSets{});
    for (const RectifierDesign& x : d) EXPECT_EQ(x.status, RectifierDesignStatus::none);
    EXPECT_EQ(r.U2, Record().U2);
    EXPECT_EQ(r.I2, Record().I2);
}

TEST(RectifierHelper, LoadsTheDesignCannotCarrySayWhy) {
    {  // far beyond the window of the default core
        Record r;
        RectifierInputSets inputSets{};
        inputSets[0] = {1, 30, 200, 100000, 0.7, 0.02};
        const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
        EXPECT_EQ(d[0].status, RectifierDesignStatus::designFailed);
        EXPECT_NE(d[0].run, RunStatus::ok);
    }
    {  // 2 A from 100 µF: the capacitor empties within every half cycle
        Record r;
        RectifierInputSets inputSets{};
        inputSets[0] = {1, 30, 2, 100, 0.7, 0.02};
        inputSets[1] = {1, 30, 0.5, 4700, 0.7, 0.02};
        const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
        EXPECT_EQ(d[0].status, RectifierDesignStatus::overloaded);
        EXPECT_EQ(d[1].status, RectifierDesignStatus::settled);  // the other goes on
    }
}

// ±15 V at 1 A each from a bridge on a centre-tapped winding: the tap is set, each
// rail gives its Udc on the design's own winding, the source resistance counts the
// primary twice, and the winding's current is one half's rms.
TEST(RectifierHelper, DualRailOnTheDefaultDesign) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {4, 15, 1, 4700, kDiodeVd, kDiodeRd};
    const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
    ASSERT_EQ(d[0].status, RectifierDesignStatus::settled);
    EXPECT_EQ(r.double2[0], 1);
    EXPECT_EQ(d[0].tap, RectifierTap::set);
    RunFigures f;
    const RectifierResult back = designGives(r, inputSets[0], 0, &f);
    ASSERT_EQ(back.status, RectifierStatus::settled);
    EXPECT_NEAR(back.Udc, 15, std::max(0.005 * 15, turnLimit(f, inputSets[0], 0) * 1.001));
    EXPECT_NEAR(d[0].Rs, 1.2 * (f.R2[0] + 2 * f.R1 * std::pow(f.W2[0] / f.W1, 2)), 1e-12);
    EXPECT_NEAR(textToDouble(r.I2[0]), back.Irms, 0.001 * back.Irms + 0.0005);
    // Both rails' 15 W pass through the winding: each half carries pulses to both.
    EXPECT_GT(back.Irms, 1.0);
}

// The centre tap per circuit and winding: the circuits that use it set it, the others
// remove it and say so; the dialog opens on a circuit that agrees with the winding.
TEST(RectifierHelper, EachCircuitKeepsSetsOrRemovesTheTap) {
    struct Case {
        int circuit;
        int tapped;
        RectifierTap tap;
        int after;
    };
    const Case cases[] = {
        {1, 0, RectifierTap::kept, 0}, {1, 1, RectifierTap::removed, 0},
        {2, 0, RectifierTap::set, 1},  {2, 1, RectifierTap::kept, 1},
        {3, 0, RectifierTap::kept, 0}, {3, 1, RectifierTap::removed, 0},
        {4, 0, RectifierTap::set, 1},  {4, 1, RectifierTap::kept, 1},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << "circuit " << k.circuit << " tapped " << k.tapped);
        EXPECT_EQ(rectifierTapChange(k.circuit, k.tapped != 0), k.tap);
        Record r;
        r.U2[0] = "25";
        r.I2[0] = "2";
        r.double2[0] = k.tapped;
        RectifierInputSets inputSets{};
        inputSets[0] = {k.circuit, 12, 0.3, 4700, kDiodeVd, kDiodeRd};
        const RectifierDesigns d = applyRectifiers(r, testWires(), inputSets);
        EXPECT_EQ(d[0].status, RectifierDesignStatus::settled);
        EXPECT_EQ(d[0].tap, k.tap);
        EXPECT_EQ(r.double2[0], k.after);
        // Opening: the circuit the secondary has, when it agrees with its winding.
        r.rect2[0] = k.circuit;
        EXPECT_EQ(openingCircuit(r, 0), k.circuit);
        r.double2[0] = 1 - k.after;
        EXPECT_EQ(openingCircuit(r, 0), r.double2[0] ? 2 : 1);
    }
    EXPECT_EQ(rectifierTapChange(0, true), RectifierTap::kept);  // no rectifier: nothing
}

// The diode's defaults against the two points of the GI750–GI758 data sheet's forward
// characteristic they were fitted to (0.90 V at 6.0 A, 1.25 V at 100 A): the line
// Vd + rd·I meets each within 5 mV.
TEST(RectifierDiode, DefaultsFollowTheDataSheetPoints) {
    struct Point {
        double I, V;
    };
    for (const Point p : {Point{6.0, 0.90}, Point{100.0, 1.25}}) {
        SCOPED_TRACE(p.I);
        EXPECT_NEAR(kDiodeVd + kDiodeRd * p.I, p.V, 0.005);
    }
    // The record's defaults are these.
    EXPECT_EQ(rectifierInputs(Record(), 0).Vd, kDiodeVd);
    EXPECT_EQ(rectifierInputs(Record(), 0).rd, kDiodeRd);
}

// Diode loss per circuit: each diode carries one pulse a cycle, so its rms current is
// the winding's over √(pulses the winding carries) and its mean Idc over the rail's
// pulses; the DC output counts every rail.
TEST(RectifierDiode, LossFollowsEachDiodesShareOfTheCurrent) {
    for (RectifierKind k : kKinds) {
        SCOPED_TRACE(static_cast<int>(k));
        RectifierCircuit c = circuit(k, 24, 0.3, 4700e-6, k == RectifierKind::halfWave ? 0.5 : 2);
        c.Vd = kDiodeVd;
        c.rd = kDiodeRd;
        const RectifierResult r = solveRectifier(c);
        ASSERT_EQ(r.status, RectifierStatus::settled);
        EXPECT_NEAR(r.IdRms, r.Irms / std::sqrt(pulses(k)), 1e-9 * r.Irms);
        const double railPulses = k == RectifierKind::halfWave ? 1 : 2;
        const double diodes = k == RectifierKind::centreTap ? 2 : k == RectifierKind::halfWave ? 1 : 4;
        const RectifierPower p = rectifierPower(c, r);
        EXPECT_NEAR(p.diodes, diodes * (c.Vd * c.Idc / railPulses + c.rd * r.IdRms * r.IdRms), 1e-9);
        EXPECT_NEAR(p.dc, (k == RectifierKind::dualRail ? 2 : 1) * r.Udc * c.Idc, 1e-9);
    }
}

// The power balance of a design: the windings deliver the DC output and the diodes'
// loss, not U2·I2; the transformer's efficiency is that over itself plus copper and
// core, and the supply's leaves the diodes out.
TEST(RectifierPowerBalance, EfficienciesCountRealPower) {
    Record r;
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 24, 3, 10000, kDiodeVd, kDiodeRd};
    ASSERT_EQ(applyRectifiers(r, testWires(), inputSets)[0].status, RectifierDesignStatus::settled);
    setRectifierInputs(r, 0, inputSets[0]);
    Record w = r;
    const RunResult run = Calculate(w, testWires());
    ASSERT_EQ(run.status, RunStatus::ok);
    const OutputPower p = outputPower(r, run.figures);
    ASSERT_TRUE(p.rectified);
    EXPECT_NEAR(p.dc, 72, 0.005 * 72);   // 24 V at 3 A
    EXPECT_GT(p.diodes, 4 * kDiodeVd * 3 / 2);  // at least the drops at the mean current
    const double others = run.figures.Pzad - textToDouble(r.U2[0]) * textToDouble(r.I2[0]);
    EXPECT_NEAR(p.resistive, others, 1e-9 + 1e-9 * others);
    // U2·I2 of the rectifier's winding is volt-amperes, above what it delivers.
    EXPECT_GT(textToDouble(r.U2[0]) * textToDouble(r.I2[0]), p.dc + p.diodes);

    SteelGrade g;
    g.name = "NO test";
    g.family = SteelFamily::nonOriented;
    g.density = 7.65;
    g.lossTyp = {2.60, 5.52, 7.08};
    const SteelResult s = steelModel(run.figures, g, {p.delivered(), p.useful(), true});
    ASSERT_EQ(s.status, SteelStatus::ok);
    const double input = p.delivered() + run.figures.Pcu + s.loss_w;
    EXPECT_NEAR(s.input_w, input, 1e-9 * input);
    EXPECT_NEAR(s.efficiency_pct, 100 * p.delivered() / input, 1e-9);
    ASSERT_TRUE(s.supply_efficiency_pct.has_value());
    EXPECT_NEAR(*s.supply_efficiency_pct, 100 * p.useful() / input, 1e-9);
    EXPECT_LT(s.efficiency_pct, steelModel(run.figures, g).efficiency_pct);
    EXPECT_FALSE(steelModel(run.figures, g).supply_efficiency_pct.has_value());
}
