// The rounds that fit each rectifier secondary's inputs to the DC its builder needs:
// calculate, solve the rectifier on the winding the calculation gave, set U2_i and
// I2_i to match, and again, until the inputs stand still.
#include "rectifier_design.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numtext.hpp"

namespace velmora {
namespace {

using Status = RectifierDesignStatus;

constexpr double kWarm = 1.2;     // the calculation's warm factor of copper resistance
constexpr double kMicro = 1e-6;   // µF to F

RectifierCircuit circuitOf(const RectifierInputs& s, double F, double Rs) {
    RectifierCircuit c;
    c.kind = static_cast<RectifierKind>(s.circuit);
    c.F = F;
    c.Rs = Rs;
    c.Vd = s.Vd;
    c.rd = s.rd;
    c.C = s.C_uF * kMicro;
    c.Idc = s.Idc;
    return c;
}

bool knownCircuit(int circuit) { return circuit >= 1 && circuit <= 4; }

bool tapOf(int circuit) { return needsCentreTap(static_cast<RectifierKind>(circuit)); }

// The winding (one half of a centre tap) as a source: its warm resistance and the
// primary's referred to it, twice over for a dual rail, whose two halves the primary
// carries at once (see the header).
double sourceResistance(const RunFigures& f, int i, int circuit) {
    const double ratio = f.W2[i] / f.W1;
    const double halves = circuit == static_cast<int>(RectifierKind::dualRail) ? 2 : 1;
    return kWarm * (f.R2[i] + halves * f.R1 * ratio * ratio);
}

// The whole turns (even on two coils, as the calculation makes them) whose no-load
// EMF E1xx·W2/W1 lies nearest E.
double turnsFor(const RunFigures& f, double E) {
    const double step = shapeOf(f.core).twoCoils ? 2 : 1;
    const double ideal = E * f.W1 / f.E1xx;
    const double below = std::max(step, std::floor(ideal / step) * step);
    const double above = below + step;
    return ideal - below <= above - ideal ? below : above;
}

// The first guess, before any winding exists: the EMF whose crest just reaches Udc
// across the diodes, and the least rms current a winding can carry for Idc (an rms
// is never below the mean of the current's magnitude; a centre tap's half carries
// the path's pulses every other half-cycle). Both are below the answer; the rounds
// raise them.
void firstGuess(Record& r, int i, const RectifierInputs& s) {
    const auto kind = static_cast<RectifierKind>(s.circuit);
    const double E = (s.Udc + diodesInPath(kind) * s.Vd) / std::numbers::sqrt2;
    const double I = kind == RectifierKind::centreTap ? s.Idc / std::numbers::sqrt2 : s.Idc;
    r.U2[i] = fixed(E, kRectifierU2Decimals);
    r.I2[i] = fixed(I, kRectifierI2Decimals);
}

bool moved(double before, double after) {
    return !(std::fabs(after - before) < kRectifierSettle * std::fabs(before));
}

Status statusOf(EmfStatus s) {
    switch (s) {
        case EmfStatus::found:
            return Status::settled;
        case EmfStatus::notSettled:
            return Status::notSettled;
        case EmfStatus::beyondRange:
            return Status::unreachable;
        case EmfStatus::overloaded:
            return Status::overloaded;
        case EmfStatus::refused:
            return Status::refused;
    }
    return Status::refused;
}

// One secondary in one round: the EMF and current its rectifier needs on the winding
// the calculation gave, written into its inputs. False when it cannot go on.
bool fit(Record& r, const RunFigures& f, int i, const RectifierInputs& s, RectifierDesign& d,
         bool& anyMoved) {
    d.Rs = sourceResistance(f, i, s.circuit);
    const EmfSolution emf = solveEmf(circuitOf(s, f.F, d.Rs), s.Udc);
    d.E = emf.E;
    if (emf.status != EmfStatus::found) {
        d.status = statusOf(emf.status);
        d.refusal = emf.refusal;
        d.input = emf.input;
        return false;
    }
    // U2 = the loaded voltage of the chosen turns, so that the calculation's own
    // rounding, (U2 + drop) / ew, falls in the middle of those turns.
    const double W2 = turnsFor(f, emf.E);
    const double I2 = textToDouble(fixed(emf.at.Irms, kRectifierI2Decimals));
    const double U2 = textToDouble(fixed(W2 * f.ew - kWarm * f.R2[i] * I2, kRectifierU2Decimals));
    if (!(U2 > 0 && I2 > 0)) {  // the winding's own drop eats its EMF
        d.status = Status::unreachable;
        return false;
    }
    anyMoved = anyMoved || moved(textToDouble(r.U2[i]), U2) || moved(textToDouble(r.I2[i]), I2);
    r.U2[i] = fixed(U2, kRectifierU2Decimals);
    r.I2[i] = fixed(I2, kRectifierI2Decimals);
    r.double2[i] = tapOf(s.circuit) ? 1 : 0;
    return true;
}

}  // namespace

RectifierTap rectifierTapChange(int circuit, bool tapped) {
    if (!knownCircuit(circuit) || tapOf(circuit) == tapped) return RectifierTap::kept;
    return tapped ? RectifierTap::removed : RectifierTap::set;
}

RectifierCircuit rectifierOnWinding(const RunFigures& f, int i, const RectifierInputs& s) {
    RectifierCircuit c = circuitOf(s, f.F, sourceResistance(f, i, s.circuit));
    c.E = f.U2xx[i];
    return c;
}

RectifierDesigns applyRectifiers(Record& r, const WireTable& wires, const RectifierInputSets& inputSets) {
    RectifierDesigns out;
    std::array<bool, kSecondaries> active{};
    bool any = false;
    for (int i = 0; i < kSecondaries; ++i) {
        const RectifierInputs& s = inputSets[i];
        RectifierDesign& d = out[i];
        if (s.circuit == 0) continue;
        d.status = Status::refused;
        if (!knownCircuit(s.circuit)) {
            d.refusal = RectifierRefusal::unknownKind;
            d.input = RectifierInput::kind;
            continue;
        }
        // The design supplies F and Rs later; any value in range stands in for them.
        const RectifierLimits L = rectifierLimits();
        const RectifierCheck k = checkEmfRequest(circuitOf(s, L.Fmin, L.Rpathmin), s.Udc);
        if (k.refusal != RectifierRefusal::none) {
            d.refusal = k.refusal;
            d.input = k.input;
            continue;
        }
        if (s.circuit == static_cast<int>(RectifierKind::halfWave))
            d.warning = RectifierWarning::dcMagnetisesCore;
        d.status = Status::notSettled;
        firstGuess(r, i, s);
        d.tap = rectifierTapChange(s.circuit, r.double2[i] != 0);
        r.double2[i] = tapOf(s.circuit) ? 1 : 0;
        active[i] = any = true;
    }
    if (!any) return out;

    auto failAll = [&](RunStatus run) {
        for (int i = 0; i < kSecondaries; ++i)
            if (active[i]) {
                out[i].status = Status::designFailed;
                out[i].run = run;
            }
        return out;
    };

    bool settled = false;
    for (int round = 1; round <= kRectifierMaxRounds && !settled; ++round) {
        Record w = r;
        const RunResult run = Calculate(w, wires);
        if (run.status != RunStatus::ok) return failAll(run.status);
        bool anyMoved = false;
        for (int i = 0; i < kSecondaries; ++i) {
            if (!active[i]) continue;
            out[i].rounds = round;
            active[i] = fit(r, run.figures, i, inputSets[i], out[i], anyMoved);
        }
        settled = !anyMoved;
    }

    // What the design now gives: its own EMF and resistance put back into the solver.
    Record w = r;
    const RunResult run = Calculate(w, wires);
    if (run.status != RunStatus::ok) return failAll(run.status);
    for (int i = 0; i < kSecondaries; ++i) {
        if (!active[i]) continue;
        RectifierDesign& d = out[i];
        const RunFigures& f = run.figures;
        d.W2 = f.W2[i];
        const RectifierCircuit c = rectifierOnWinding(f, i, inputSets[i]);
        d.Rs = c.Rs;
        d.reached = solveRectifier(c);
        d.status = settled && d.reached.status == RectifierStatus::settled ? Status::settled
                                                                           : Status::notSettled;
    }
    return out;
}

}  // namespace velmora
