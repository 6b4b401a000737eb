// One cycle of the rectifier: the switching instants, the cycle's charge balance, and
// the figures of a cycle (mean and extreme voltage, rms and peak current, conduction
// angle).
#include "rectifier_cycle.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::rect {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kAngleTol = 1e-14;  // radians: below the rounding of the angles near 2π
constexpr int kMaxRootSteps = 200;   // halving [0, 2π] to kAngleTol takes under 50
constexpr double kPiece = 0.5;       // radians: the longest piece of one quadrature rule

// The one crossing in [a, b] of a function whose sign at a is `aboveAtA` (f > 0)
// and the other at b: Newton steps inside the shrinking bracket, halving when a
// step would leave it.
template <class F>
double crossing(F f, double a, double b, bool aboveAtA) {
    double lo = a, hi = b;  // lo on a's side of the crossing, hi on b's
    double x = 0.5 * (a + b);
    for (int step = 0; step < kMaxRootSteps; ++step) {
        const Slope s = f(x);
        if ((s.g > 0) == aboveAtA) lo = x;
        else hi = x;
        const double left = std::min(lo, hi), right = std::max(lo, hi);
        double next = x - s.g / s.dg;
        if (!(next > left && next < right)) next = 0.5 * (lo + hi);
        if (std::fabs(next - x) <= kAngleTol || right - left <= kAngleTol) return next;
        x = next;
    }
    return x;
}

// Off, from the gap s0 at thS: g = s0 − Em·(1 − sin θ) + q·(θ − thS), with
// 1 − sin θ = 2·sin²(π/4 − θ/2) exact near the crest.
Slope offState(const Path& p, double s0, double th) {
    const double fall = std::sin(kPi / 4 - th / 2);
    return {s0 - 2 * p.Em * fall * fall + p.q * (th - p.thS), p.Em * std::cos(th) + p.q};
}

// ∫ e^(−k·u) du over [0, d], without cancellation for small k·d.
double decayed(double k, double d) { return -std::expm1(-k * d) / k; }

// The width of the charging's boundary layer, when it is narrower than the charge.
double layerOf(const Path& p, const Cycle& cy) {
    return p.k * (cy.th1 - cy.th0) > 1 ? 1 / p.k : 0;
}

}  // namespace

Path makePath(const RectifierCircuit& c) {
    Path p;
    const int n = diodesInPath(c.kind);
    const double w = 2 * kPi * c.F;
    p.Em = std::numbers::sqrt2 * c.E;
    p.Vn = n * c.Vd;
    p.R = c.Rs + n * c.rd;
    p.k = 1 / (w * p.R * c.C);
    p.q = c.Idc / (w * c.C);
    p.c = c.Idc * p.R;
    const double kk = 1 + p.k * p.k;
    p.A = p.Em / kk;
    p.B = p.k * p.Em / kk;
    p.thC = p.q < p.Em ? std::acos(-p.q / p.Em) : kPi;
    if (c.kind == RectifierKind::halfWave) {
        p.thS = -p.thC;
        p.thE = 2 * kPi - p.thC;
        p.pulses = 1;
    } else {
        p.thS = 0;
        p.thE = kPi;
        // A bridge's winding carries both half-cycles' pulses, a dual rail's halves one
        // to each rail; a centre tap's half, every other one.
        p.pulses = c.kind == RectifierKind::centreTap ? 1 : 2;
    }
    return p;
}

Slope onState(const Path& p, const Cycle& cy, double th) {
    const double u = th - cy.th0, m = 0.5 * (th + cy.th0);
    const double dS = 2 * std::sin(0.5 * u) * (p.A * std::cos(m) - p.B * std::sin(m));
    const double g = dS - cy.G0 * std::expm1(-p.k * u);
    return {g, p.Em * std::cos(th) + p.q - p.k * g};
}

Cycle runCycle(const Path& p, double s0) {
    Cycle cy;
    cy.s0 = s0;
    cy.F = -p.c * (p.thE - p.thS);
    auto off = [&](double th) { return offState(p, s0, th); };
    if (!(off(p.thC).g > 0)) return cy;  // the source never rises above the capacitor
    cy.charges = true;
    cy.th0 = off(p.thS).g >= 0 ? p.thS : crossing(off, p.thS, p.thC, false);
    cy.G0 = p.A * std::sin(cy.th0) + p.B * std::cos(cy.th0) + p.c;

    auto on = [&](double th) { return onState(p, cy, th); };
    const double a = std::max(p.thC, cy.th0);
    if (on(p.thE).g > 0) cy.th1 = p.thE;  // conducts on into the next cycle
    else cy.th1 = on(a).g > 0 ? crossing(on, a, p.thE, true) : a;
    cy.F += integrate([&](double th) { return on(th).g; }, cy.th0, cy.th1, layerOf(p, cy),
                      kPiece);
    return cy;
}

double balanceSlope(const Path& p, const Cycle& cy) {
    return cy.charges ? decayed(p.k, cy.th1 - cy.th0) : 0.0;
}

CycleFigures describe(const Path& p, const Cycle& cy) {
    CycleFigures f;
    const double period = p.thE - p.thS;
    const double v0 = p.Em - p.Vn - cy.s0;
    if (!cy.charges) {
        f.Udc = v0 - 0.5 * p.q * period;
        f.Umax = v0;
        f.Umin = v0 - p.q * period;
        return f;
    }
    const double th0 = cy.th0, th1 = cy.th1, d = th1 - th0;
    auto on = [&](double th) { return onState(p, cy, th); };

    // Mean voltage: falling lines before and after the charge, v = e − Vn − g within it.
    const double before = th0 - p.thS, after = p.thE - th1;
    const double v1 = p.Em * std::sin(th1) - p.Vn - on(th1).g;
    const double intG = cy.F + p.c * period;
    const double intV = v0 * before - 0.5 * p.q * before * before +
                        p.Em * (std::cos(th0) - std::cos(th1)) - p.Vn * d - intG +
                        v1 * after - 0.5 * p.q * after * after;
    f.Udc = intV / period;

    // Rms over a mains cycle (2π) of a winding that carries `pulses` such pulses.
    double gMax = 0, thMax = th0;  // the largest g the rule meets, and where
    const double intG2 = integrate(
        [&](double th) {
            const double g = on(th).g;
            if (g > gMax) {
                gMax = g;
                thMax = th;
            }
            return g * g;
        },
        th0, th1, layerOf(p, cy), kPiece);
    f.Irms = std::sqrt(p.pulses * intG2 / (2 * kPi)) / p.R;
    f.IdRms = std::sqrt(intG2 / (2 * kPi)) / p.R;

    // The peak: g'' = −Em·sin θ − k·g' is negative wherever g' = 0 while the source is
    // positive, so g rises to one maximum and falls. Where g' is lost in rounding at
    // the ends (a capacitor that follows the source), the rule's largest g stands in.
    auto rise = [&](double th) {
        const double dg = on(th).dg;
        return Slope{dg, -p.Em * std::sin(th) - p.k * dg};
    };
    double thPeak = th0;
    if (rise(th1).g >= 0) thPeak = th1;
    else if (rise(th0).g > 0) thPeak = crossing(rise, th0, th1, true);
    if (on(thPeak).g < gMax) thPeak = thMax;
    const double gPeak = on(thPeak).g;
    f.Ipeak = std::max(0.0, gPeak) / p.R;

    // v' = k·(g − c): the trough and the crest are where the current equals the load's.
    // The ends of the charge and of the cycle count too, should the load's current be
    // lost in the rounding of g (a capacitor that follows the source).
    auto v = [&](double th) { return p.Em * std::sin(th) - p.Vn - on(th).g; };
    const double vEnd = th1 < p.thE ? v1 - p.q * after : v1;
    f.Umax = std::max({v0, v(th0), v1, vEnd});
    f.Umin = std::min({v0, v(th0), v1, vEnd});
    if (gPeak > p.c) {
        auto above = [&](double th) {
            const Slope s = on(th);
            return Slope{s.g - p.c, s.dg};
        };
        const double thLow = crossing(above, th0, thPeak, false);
        const double thHigh = above(th1).g < 0 ? crossing(above, thPeak, th1, true) : th1;
        f.Umin = std::min(f.Umin, v(thLow));
        f.Umax = std::max(f.Umax, v(thHigh));
    }
    f.angle = d * 180 / kPi;
    return f;
}

const GaussRule& gaussRule() {
    // Nodes: the zeros of the Legendre polynomial P_n, by Newton's method from the
    // zeros of the Chebyshev polynomial T_n; P_n by its three-term recurrence,
    // P_n' = n·(x·P_n − P_(n−1)) / (x² − 1); weights 2 / ((1 − x²)·P_n'²).
    static const GaussRule rule = [] {
        GaussRule r{};
        constexpr int n = kGaussNodes;
        for (int i = 0; i < n; ++i) {
            double x = std::cos(kPi * (i + 0.5) / n), dp = 1;
            for (int step = 0; step < 100; ++step) {
                double p0 = 1, p1 = x;
                for (int j = 2; j <= n; ++j) {
                    const double p2 = ((2 * j - 1) * x * p1 - (j - 1) * p0) / j;
                    p0 = p1;
                    p1 = p2;
                }
                dp = n * (x * p1 - p0) / (x * x - 1);
                const double dx = p1 / dp;
                x -= dx;
                if (std::fabs(dx) < 1e-15) break;
            }
            r.x[i] = x;
            r.w[i] = 2 / ((1 - x * x) * dp * dp);
        }
        return r;
    }();
    return rule;
}

}  // namespace velmora::rect
