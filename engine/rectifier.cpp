// The rectifier's steady state, by Newton's method on a cycle's charge balance as a
// function of the capacitor voltage at its start, and the EMF for a wanted DC voltage,
// by a bracketed search on the steady states.
#include "rectifier.hpp"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <numbers>

#include "rectifier_cycle.hpp"

namespace velmora {
namespace {

using In = RectifierInput;
using Why = RectifierRefusal;

constexpr double kSettle = 1e-6;      // V: a cycle that moves its start voltage less is settled
constexpr int kMaxEmfSolves = 60;     // steady states one EMF search may solve
constexpr double kEmfTolerance = 1e-6;  // of the wanted DC voltage
constexpr double kNarrowest = 1e-12;    // of E: a bracket no narrower can still part

using Check = RectifierCheck;

// A value that must be > 0 (lo > 0: and at least lo) and at most hi.
Check positive(double v, In input, double lo, double hi) {
    if (!std::isfinite(v)) return {Why::notFinite, input};
    if (!(v > 0)) return {Why::notPositive, input};
    if (v < lo) return {Why::tooSmall, input};
    if (v > hi) return {Why::tooLarge, input};
    return {};
}

Check nonNegative(double v, In input, double hi) {
    if (!std::isfinite(v)) return {Why::notFinite, input};
    if (v < 0) return {Why::negative, input};
    if (v > hi) return {Why::tooLarge, input};
    return {};
}

struct Settled {
    RectifierStatus status = RectifierStatus::notSettled;
    rect::Cycle cy;
    int cycles = 0;
};

// The gap s0 (crest less drops less capacitor voltage) whose cycle ends where it
// began: its charge balance F(s0) = 0, on [0, Em − Vn]. F rises with s0 at the rate
// (1 − e^(−k·conduction)) / k, which grows with s0 (more conduction), so Newton's
// method from above (an empty capacitor) falls to the root without overshooting; a
// step that leaves the bracket is halved instead. Settled when the start voltage moves
// by less than 1 µV a cycle and Newton's estimate of the gap's remaining error is
// below 1 µV and a millionth of the gap.
Settled settle(const rect::Path& p, double guess) {
    Settled s;
    const double top = p.Em - p.Vn;
    if (!(top > 0)) {  // the diodes' drop is above the EMF's crest
        s.status = RectifierStatus::overloaded;
        return s;
    }
    double lo = 0, hi = top;
    double x = guess > lo && guess < hi ? guess : top;
    bool triedTop = false;
    while (s.cycles < kRectifierMaxCycles) {
        ++s.cycles;
        s.cy = rect::runCycle(p, x);
        const double F = s.cy.F;
        if (x == top) {
            triedTop = true;
            if (!(F > 0)) {  // even an empty capacitor loses charge: no positive steady state
                s.status = RectifierStatus::overloaded;
                return s;
            }
        }
        if (F > 0) hi = x;
        else lo = x;
        const double slope = rect::balanceSlope(p, s.cy);
        double next = slope > 0 ? x - F / slope : std::numeric_limits<double>::quiet_NaN();
        const double tol = std::min(kSettle, kSettle * x);
        if (std::fabs(p.k * F) < kSettle && (std::fabs(next - x) < tol || hi - lo < tol)) {
            s.status = RectifierStatus::settled;
            return s;
        }
        if (!(next > lo && next < hi)) next = hi == top && !triedTop ? top : 0.5 * (lo + hi);
        x = next;
    }
    return s;
}

bool finite(const RectifierResult& r) {
    for (double x : {r.Udc, r.ripple, r.Umin, r.Umax, r.Irms, r.IdRms, r.Ipeak, r.angle})
        if (!std::isfinite(x)) return false;
    return true;
}

// The steady state from a first guess of the gap at the cycle's start; gap gets the
// settled one, for the next guess.
RectifierResult solveFrom(const RectifierCircuit& c, double guess, double* gap) {
    RectifierResult r;
    if (Check k = checkRectifier(c); k.refusal != Why::none) {
        r.refusal = k.refusal;
        r.input = k.input;
        return r;
    }
    const rect::Path p = rect::makePath(c);
    const Settled s = settle(p, guess);
    r.status = s.status;
    r.cycles = s.cycles;
    if (s.status == RectifierStatus::overloaded) return r;
    const rect::CycleFigures f = rect::describe(p, s.cy);
    r.Udc = f.Udc;
    r.Umin = f.Umin;
    r.Umax = f.Umax;
    r.ripple = f.Umax - f.Umin;
    r.Irms = f.Irms;
    r.IdRms = f.IdRms;
    r.Ipeak = f.Ipeak;
    r.angle = f.angle;
    if (gap) *gap = s.cy.s0;
    if (!finite(r)) {  // not expected within the limits; never hand it on
        RectifierResult none;
        none.status = RectifierStatus::notSettled;
        none.cycles = s.cycles;
        return none;
    }
    if (r.Umin <= 0) {  // a constant-current load below zero volts is no load at all
        RectifierResult none;
        none.status = RectifierStatus::overloaded;
        none.cycles = s.cycles;
        return none;
    }
    return r;
}

}  // namespace

RectifierLimits rectifierLimits() { return {}; }

RectifierCheck checkRectifier(const RectifierCircuit& c) {
    const RectifierLimits L = rectifierLimits();
    if (c.kind != RectifierKind::bridge && c.kind != RectifierKind::centreTap &&
        c.kind != RectifierKind::halfWave && c.kind != RectifierKind::dualRail)
        return {Why::unknownKind, In::kind};
    for (Check k : {positive(c.E, In::E, L.Emin, L.Emax), positive(c.F, In::F, L.Fmin, L.Fmax),
                    nonNegative(c.Rs, In::Rs, L.Rmax), nonNegative(c.Vd, In::Vd, L.Vdmax),
                    nonNegative(c.rd, In::rd, L.Rmax), positive(c.C, In::C, L.Cmin, L.Cmax),
                    positive(c.Idc, In::Idc, L.Idcmin, L.Idcmax)})
        if (k.refusal != Why::none) return k;
    if (c.Rs + diodesInPath(c.kind) * c.rd < L.Rpathmin) return {Why::tooSmall, In::path};
    return {};
}

RectifierCheck checkEmfRequest(const RectifierCircuit& c, double Udc) {
    const RectifierLimits L = rectifierLimits();
    RectifierCircuit placed = c;
    placed.E = L.Emax;  // any EMF in range: E is what the search finds
    const Check k = checkRectifier(placed);
    if (k.refusal != Why::none) return k;
    return positive(Udc, In::Udc, L.Emin, std::numbers::sqrt2 * L.Emax);
}

int diodesInPath(RectifierKind k) { return k == RectifierKind::bridge ? 2 : 1; }

int diodesInCircuit(RectifierKind k) {
    switch (k) {
        case RectifierKind::bridge: return 4;
        case RectifierKind::centreTap: return 2;
        case RectifierKind::halfWave: return 1;
        case RectifierKind::dualRail: return 4;
    }
    return 0;
}

int railsOf(RectifierKind k) { return k == RectifierKind::dualRail ? 2 : 1; }

bool needsCentreTap(RectifierKind k) {
    return k == RectifierKind::centreTap || k == RectifierKind::dualRail;
}

// Each diode carries one pulse a mains cycle; a rail's pulses a cycle (two but for the
// half wave) share its Idc, so a diode's mean current is Idc over them.
RectifierPower rectifierPower(const RectifierCircuit& c, const RectifierResult& r) {
    const double pulses = c.kind == RectifierKind::halfWave ? 1 : 2;
    const double one = c.Vd * c.Idc / pulses + c.rd * r.IdRms * r.IdRms;
    return {railsOf(c.kind) * r.Udc * c.Idc, diodesInCircuit(c.kind) * one};
}

RectifierResult solveRectifier(const RectifierCircuit& c) { return solveFrom(c, 0, nullptr); }

EmfSolution solveEmf(const RectifierCircuit& circuit, double Udc) {
    EmfSolution out;
    if (Check k = checkEmfRequest(circuit, Udc); k.refusal != Why::none) {
        out.refusal = k.refusal;
        out.input = k.input;
        return out;
    }
    RectifierCircuit c = circuit;
    const RectifierLimits L = rectifierLimits();

    // A point of the search: the DC voltage at E, or none when E is overloaded.
    struct Point {
        double E = 0, f = 0;  // f = Udc(E) − Udc
        bool valid = false;
        RectifierResult at;
    };
    double s0 = 0;  // the last settled gap: the next guess (the gap changes little with E)
    auto at = [&](double E) {
        c.E = E;
        double s = 0;
        out.at = solveFrom(c, s0, &s);
        out.E = E;
        ++out.solves;
        if (out.at.status == RectifierStatus::settled) s0 = s;
        return Point{E, out.at.Udc - Udc, out.at.status == RectifierStatus::settled, out.at};
    };

    // The EMF's crest must at least reach Udc across the diodes: below that, nothing.
    Point lo = at((Udc + diodesInPath(c.kind) * c.Vd) / std::numbers::sqrt2), hi;
    Point before;  // the low point before lo, for a secant while no point lies above
    int moved = 0;  // Illinois: the end the last point replaced (−1 lo, +1 hi)
    while (out.solves < kMaxEmfSolves) {
        if (out.at.status == RectifierStatus::notSettled) {
            out.status = EmfStatus::notSettled;
            return out;
        }
        double E;
        if (hi.valid && lo.valid) {  // regula falsi, the stale end's value halved
            E = lo.E - lo.f * (hi.E - lo.E) / (hi.f - lo.f);
            if (!(E > lo.E && E < hi.E)) E = 0.5 * (lo.E + hi.E);
        } else if (hi.valid) {
            E = 0.5 * (lo.E + hi.E);
        } else if (lo.E >= L.Emax) {
            out.status = EmfStatus::beyondRange;
            return out;
        } else if (lo.valid && before.valid && lo.f > before.f) {  // secant, at most doubling
            E = std::min(2 * lo.E, lo.E - lo.f * (lo.E - before.E) / (lo.f - before.f));
        } else {
            E = 2 * lo.E;
        }
        // Below hi every EMF lets the capacitor fall to zero: the wanted DC lies there.
        if (hi.valid && !lo.valid && hi.E - lo.E <= kEmfTolerance * hi.E) {
            out.status = EmfStatus::overloaded;
            out.E = hi.E;  // the least EMF that holds the load, and what it gives
            out.at = hi.at;
            return out;
        }
        if (hi.valid && hi.E - lo.E <= kNarrowest * hi.E) break;
        const Point p = at(std::min(E, L.Emax));
        if (p.valid && std::fabs(p.f) <= kEmfTolerance * Udc) {
            out.status = EmfStatus::found;
            return out;
        }
        if (p.valid && p.f > 0) {
            hi = p;
            if (moved == 1) lo.f *= 0.5;  // lo kept twice: weigh it less
            moved = 1;
        } else {
            before = lo;
            lo = p;
            if (moved == -1) hi.f *= 0.5;
            moved = -1;
        }
    }
    // The bound ran out, or the bracket closed on a jump the tolerance cannot meet.
    out.status = EmfStatus::notSettled;
    return out;
}

}  // namespace velmora
