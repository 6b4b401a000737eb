// One cycle of the rectifier in closed form (internal to the engine).
//
// Angles are θ = ωt. With g = e(θ) − Vn − v, the source's excess over the capacitor
// voltage v and the diode drops Vn, the path conducts while g > 0 and carries
// i = g / R. Off: v falls by q a radian. On: g' + k·g = Em·cos θ + q, so
//   g(θ) = S(θ) − S(θ0) + G0·(1 − e^(−k(θ − θ0))),  S = A·sin θ + B·cos θ,
//   A = Em / (1 + k²),  B = k·Em / (1 + k²),  G0 = S(θ0) + c,  c = Idc·R,
// which is zero at the start θ0. At any switching instant g = 0, so there
// g' = Em·cos θ + q in either state: conduction can start only where that is ≥ 0
// (θ in [θS, θC]) and end only where it is ≤ 0 (θ in [θC, θE]). Each cycle so has
// at most one start and one end, each the only crossing of a monotone stretch.
//
// The state is the gap s = Em − Vn − v between the crest and the capacitor, and a
// cycle is judged by its charge balance, F = ∫ g dθ − c·Θ (R times the charge in
// less the charge out): its start voltage then moves by k·F. Both stay exact to the
// rounding of the gap itself, however light the load, where the start and end
// voltages would cancel.
#pragma once

#include <cmath>

#include "rectifier.hpp"

namespace velmora::rect {

struct Path {
    double Em = 0;  // peak EMF, V
    double Vn = 0;  // drops of the diodes in the path, V
    double R = 0;   // Rs + n·rd, ohm
    double k = 0;   // 1 / (ωRC)
    double q = 0;   // Idc / (ωC), V a radian
    double c = 0;   // Idc·R, V
    double A = 0, B = 0;
    double thS = 0, thC = 0, thE = 0;  // the cycle: [thS, thE], charging can end after thC
    int pulses = 1;  // pulses a winding (half) carries each mains cycle
};

Path makePath(const RectifierCircuit& c);

struct Cycle {
    double s0 = 0;     // the gap Em − Vn − v at thS
    bool charges = false;
    double th0 = 0;    // conduction start
    double th1 = 0;    // conduction end (thE when it lasts to the cycle's end)
    double G0 = 0;
    double F = 0;      // charge balance ∫ g dθ − c·Θ, V·rad
};

Cycle runCycle(const Path& p, double s0);

// dF/ds0 = (1 − e^(−k·conduction)) / k: v and v' stay continuous at both switching
// instants, so only the charging's own decay carries a change of s0 through.
double balanceSlope(const Path& p, const Cycle& cy);

struct CycleFigures {
    double Udc = 0, Umin = 0, Umax = 0, Irms = 0, IdRms = 0, Ipeak = 0, angle = 0;
};
CycleFigures describe(const Path& p, const Cycle& cy);

// The path's g at θ while conducting from cy.th0, and its derivative.
struct Slope {
    double g, dg;
};
Slope onState(const Path& p, const Cycle& cy, double th);

// ∫ f over [a, b] by Gauss–Legendre on pieces no longer than `piece`; the first
// pieces grade from `layer` (a boundary layer of that width at a) upward.
template <class F>
double integrate(F f, double a, double b, double layer, double piece);

// The nodes and weights of the rule, on [−1, 1].
inline constexpr int kGaussNodes = 12;
struct GaussRule {
    double x[kGaussNodes];
    double w[kGaussNodes];
};
const GaussRule& gaussRule();

template <class F>
double integrate(F f, double a, double b, double layer, double piece) {
    const GaussRule& rule = gaussRule();
    auto rulePiece = [&](double lo, double hi) {
        const double h = 0.5 * (hi - lo), m = 0.5 * (hi + lo);
        double s = 0;
        for (int i = 0; i < kGaussNodes; ++i) s += rule.w[i] * f(m + h * rule.x[i]);
        return s * h;
    };
    auto even = [&](double lo, double hi) {
        const double n = std::ceil((hi - lo) / piece);
        const int count = n < 1 ? 1 : static_cast<int>(n);
        double s = 0;
        for (int j = 0; j < count; ++j)
            s += rulePiece(lo + (hi - lo) * j / count, lo + (hi - lo) * (j + 1) / count);
        return s;
    };
    double s = 0, lo = a;
    // Doubling pieces across the layer: at most about 70 even for the steepest path.
    for (double w = layer; layer > 0 && lo + w < b && w < piece; w *= 2) {
        s += rulePiece(lo, a + w);
        lo = a + w;
    }
    return s + even(lo, b);
}

}  // namespace velmora::rect
