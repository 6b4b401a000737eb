#include "design_evaluator.hpp"

#include <cmath>
#include <limits>

#include "core_shape.hpp"
#include "core_typing.hpp"
#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "wire_choice.hpp"

namespace velmora {
namespace {

// A run that did not end ok: nothing but why.
DesignFigures notRun(const RunResult& run) {
    DesignFigures d;
    d.overfilled = run.status == RunStatus::overfill;
    return d;
}

// The cold resistivity the run's primary was computed with: R1 = ρ · Lpr1 / (S1 · n1²).
double runResistivity(const RunFigures& f, const std::vector<WireRecord>& choices, const WireTable& wires) {
    const WireRecord* primary = nullptr;
    for (const WireRecord& c : choices)
        if (c.winding == 1) primary = &c;  // the last pass's
    if (!primary || !(f.Lpr1 > 0) || !(f.R1 > 0)) return 0;
    const double S1 = wires.S[static_cast<size_t>(primary->pick.k)];
    return f.R1 * S1 * f.n1 * f.n1 / f.Lpr1;
}

bool nonFalling(const std::array<double, 3>& v) {
    double prev = 0;
    for (double x : v) {
        if (x <= 0) continue;  // not given
        if (x < prev) return false;
        prev = x;
    }
    return true;
}

}  // namespace

bool lossRisesWithInduction(const SteelGrade& g) {
    // The model extrapolates with a positive exponent and interpolates log-log between
    // the points of one basis: rising points give a rising loss.
    return nonFalling(lossPoints(g).v);
}

DesignFigures designFigures(const RunResult& run, const SteelResult& s) {
    DesignFigures d;
    const RunFigures& f = run.figures;
    const WorkingFigures& w = s.work;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    d.ran = run.status == RunStatus::ok && s.status == SteelStatus::ok;
    d.overfilled = run.status == RunStatus::overfill;
    // The figures at work: the physics' own verdict, the copper at its temperature, the
    // hot spot against the class.
    d.feasible = w.feasible && w.hot_spot_c && w.loss_w && w.Pcu_w;
    d.steel_kg = w.mass_steel_kg;
    d.copper_kg = s.mass_copper_kg;
    d.mass_kg = d.steel_kg + d.copper_kg;
    d.core_w = w.loss_w.value_or(nan);
    d.copper_w = w.Pcu_w.value_or(nan);
    d.loss_w = d.core_w + d.copper_w;
    d.hot_c = w.hot_spot_c.value_or(nan);
    d.rise_k = w.rise_k.value_or(nan);
    d.efficiency_pct = w.efficiency_pct.value_or(nan);
    d.regulation_pct = 0;
    for (int i = 0; i < kSecondaries; ++i) {
        if (!f.used[i]) continue;
        const double U2h = w.U2_load_v[i].value_or(nan);
        d.regulation_pct = std::fmax(d.regulation_pct, (f.U2xx[i] - U2h) / U2h * 100);
        if (std::isnan(U2h)) d.regulation_pct = nan;
    }
    d.noLoad_pct = w.I0_a && f.I1 > 0 ? *w.I0_a / f.I1 * 100 : nan;
    d.fill = f.room > 0 ? (shapeOf(f.core).ring ? (f.room - lastBuild(f)) / f.room : lastBuild(f) / f.room)
                        : nan;
    return d;
}

DesignGrid gridFor(int core, const SteelGrade& grade, double lowShare, double jMin, double jMax) {
    DesignGrid g;
    const int fam = grade.family == SteelFamily::grainOriented ? 0 : 1;
    const CoreShape* shape = shapeOf(core);
    g.BmMax = std::fmin(shape ? shape->inductionLimit : 0.0, kSteel.knee[fam]);
    g.BmMin = lowShare * g.BmMax;
    g.jMin = jMin;
    g.jMax = jMax;
    return g;
}

DesignFloors designFloors(const RunFigures& f, const SteelResult& s, double ambient) {
    DesignFloors out;
    // The steel's figures hold for every j at this Bm (the primary turns come from Bm
    // alone), whether or not the run ended ok.
    const WorkingFigures& w = s.work;
    if (s.status != SteelStatus::ok || !w.loss_w) return out;
    out.mass_kg = w.mass_steel_kg;  // the copper comes on top
    out.loss_w = *w.loss_w;         // and the copper's loss
    // The surface only grows with the windings' build-up (the faces and their lengths
    // with it), and a larger surface carries the same loss at a lower rise; the hot
    // spot lies above the surface.
    out.rise_k = surfaceRise(widestSurface(f), *w.loss_w, nullptr, ambient);
    out.hot_c = ambient + out.rise_k;
    return out;
}

Surface widestSurface(const RunFigures& f) {
    RunFigures widest = f;
    const double build = shapeOf(f.core).ring ? 0 : f.room;
    widest.build1 = build;
    for (int i = 0; i < kSecondaries; ++i) widest.build2[i] = build;
    return outerSurface(widest);
}

WireBounds wireBounds(const WireTable& wires, bool desiredSize) {
    const int last = wires.last();
    if (desiredSize || last < 1 || !(wires.S[0] > 0) || !(2 * wires.S[0] <= wires.S[last])) return {};
    WireBounds b{1, wires.S[0], wires.M[0] / wires.S[0]};
    for (int k = 1; k <= last; ++k) {
        if (!(wires.S[k] > wires.S[k - 1])) return {};
        b.ratio = std::fmax(b.ratio, wires.S[k] / wires.S[k - 1]);
        b.density = std::fmin(b.density, wires.M[k] / wires.S[k]);
    }
    if (!(b.density > 0)) b.density = 0;
    return b;
}

CopperFloor copperFloor(const RunFigures& f, const Record& r, double rho, const WireBounds& b) {
    CopperFloor c;
    const double Lturn0 = 2 * f.hkar + 2 * f.hkar1;  // mm, the first turn's
    if (!(rho > 0) || !(Lturn0 > 0) || !(f.W1 > 0) || !(f.U1nom > 0)) return c;
    const double perTurn = rho * Lturn0 / 1000;  // ohm mm2 per turn
    const double Ia1 = f.Pzad > 0 ? f.Pzad / f.U1nom : 0;
    c.k[0] = perTurn * f.W1;
    c.I[0] = std::sqrt(Ia1 * Ia1 + f.Imu * f.Imu);
    for (int i = 0; i < kSecondaries; ++i) {
        if (!f.used[i]) continue;
        // No drop takes turns off (a negative current's could): W2 ≥ 1 where it might.
        std::string U2 = r.U2[i];  // the calculation's own reading of its text
        const double U2v = f.I2[i] >= 0 ? number(U2) : 0;
        const double W2 = std::fmax(1, U2v * f.W1 / f.U1nom - 1);
        c.k[1 + i] = perTurn * W2 * (f.centre[i] ? 2 : 1);
        c.I[1 + i] = f.I2[i];
    }
    // Σ W · I, each W as in k (W1 for the primary).
    double WI = 0;
    for (size_t w = 0; w < c.k.size(); ++w) WI += c.k[w] / perTurn * std::fabs(c.I[w]);
    c.massJ = b.density * Lturn0 * 1e-6 * WI;  // g/(m·mm2) · mm · A/(A/mm2) → kg at j = 1
    c.known = true;
    return c;
}

double coldCopperFloor(const CopperFloor& c, const WireBounds& b, double j) {
    double P = 0;
    for (size_t w = 0; w < c.k.size(); ++w) {
        const double I = std::fabs(c.I[w]);
        if (c.k[w] > 0 && I > 0) P += c.k[w] * I * I / std::fmax(b.ratio * I / j, b.smallest);
    }
    return P * (1 - 1e-9);  // clear of the rounding of the run's own sums
}

RunEvaluator::RunEvaluator(const Record& design, const ListedCore& core, const WireTable& wires,
                           const SteelGrade& grade, double BmRef, double jRef, bool noLoad)
    : base_(designOnCore(design, core)), wires_(wires), grade_(grade), noLoad_(noLoad),
      heat_(heatConditions(design.Tamb, design.Insulation, design.Impregnated).value_or(HeatConditions{})),
      lossRises_(lossRisesWithInduction(grade)), bounds_(wireBounds(wires, base_.use_d != 0)) {
    dizRises_ = !wires.Diz.empty();
    for (int k = 1; k <= wires.last(); ++k)
        dizRises_ = dizRises_ && wires.S[k] >= wires.S[k - 1] && wires.Diz[k] >= wires.Diz[k - 1];
    if (anyRectifier(base_)) {
        Record r = base_;
        r.Bm = shortest(BmRef);
        r.j = shortest(jRef);
        rect_ = resolveRectifiers(r, wires_);
        for (int i = 0; i < kSecondaries; ++i) {
            base_.U2[i] = r.U2[i];
            base_.I2[i] = r.I2[i];
            base_.double2[i] = r.double2[i];
            const RectifierDesignStatus st = rect_[i].status;
            if (st != RectifierDesignStatus::none && st != RectifierDesignStatus::settled) rectOk_ = false;
        }
    }
}

DesignFigures RunEvaluator::evaluate(double Bm, double j) {
    // The core's record again at each point, into the texts of the last (no allocation).
    Record& r = run_;
    r = base_;
    r.Bm = shortest(Bm);
    r.j = shortest(j);
    RunResult run = CalculateFigures(r, wires_);
    choices_ = std::move(run.wireChoices);
    // The first pass's primary is its only choice so far.
    primaryOverfill_ = run.status == RunStatus::overfill && run.overfilled == 1 && choices_.size() == 1;
    // The steel model: for the figures of a run that ended ok, and once per Bm for the
    // floors (they hold for every j at it, whether or not the run ended ok).
    const bool ok = run.status == RunStatus::ok;
    if (!ok && floorsBm_ == Bm) return notRun(run);
    // The steel's part reads the figures of Bm alone (the core, the supply, the primary
    // turns): once per Bm, on the very figures it would read at every j.
    if (!haveSteel_ || !sameSteel(steelOf_, run.figures)) {
        steel_ = steelPart(run.figures, grade_, heat_, noLoad_);
        steelOf_ = run.figures;
        haveSteel_ = true;
    }
    // What the windings deliver moves the efficiency alone, which no limit or goal
    // reads: the loads count as resistive here, and the winner's whole evaluation
    // solves each rectifier on its winding.
    const SteelResult s = withWindings(steel_, run.figures, grade_, heat_, resistiveOutput(run.figures));
    if (ok && rho_ == 0 && bounds_.ratio > 0) rho_ = runResistivity(run.figures, choices_, wires_);
    if (floorsBm_ != Bm) {
        floors_ = designFloors(run.figures, s, heat_.ambient);
        floorsBm_ = Bm;
        widest_ = surfaceCooling(widestSurface(run.figures));
        copper_ = {};
    }
    if (!copper_.known && rho_ > 0) copper_ = copperFloor(run.figures, base_, rho_, bounds_);
    if (!ok) return notRun(run);
    DesignFigures d = designFigures(run, s);
    d.feasible = d.feasible && rectOk_;
    d.efficiency_pct = std::numeric_limits<double>::quiet_NaN();
    return d;
}

bool RunEvaluator::sameAt(double j) const { return sameWireChoices(wires_, choices_, j); }

double RunEvaluator::massFloorBelow(double j) const {
    if (!copper_.known || !std::isfinite(floors_.mass_kg)) return floors_.mass_kg;
    return floors_.mass_kg + copper_.massJ / j * (1 - 1e-9);
}

// The first pass sizes the primary for the current of no loss (no copper loss yet, no
// drop), which Bm alone sets; a lower j asks more section of it. Where that takes as
// many strands of a size no smaller, each strand is as thick or thicker: fewer turns
// go in a layer (a ring's layer), each layer is as thick or thicker, and the winding
// that did not fit does not fit again.
bool RunEvaluator::overfillsAt(double j) const {
    if (!primaryOverfill_ || !dizRises_ || choices_[0].fixedSize) return false;
    const WireRecord& c = choices_[0];
    const std::optional<WirePick> p = pickWire(wires_, c.I / j);
    return p && p->n == c.pick.n && p->k >= c.pick.k;
}

DesignFloors RunEvaluator::floors() const { return floors_; }

DesignFloors RunEvaluator::floorsFrom(double j) const {
    DesignFloors f = floors_;
    if (!copper_.known || !std::isfinite(f.loss_w) || bounds_.ratio == 0) return f;
    // The copper at work is the cold loss times 1 + α(T − 20 °C), T the winding's mean,
    // which lies at the ambient or above it.
    const double warm = std::fmin(1, 1 + kHeat.alphaCu * (heat_.ambient - kHeat.coldC));
    const double P = f.loss_w + warm * coldCopperFloor(copper_, bounds_, j);
    f.loss_w = P;
    const double rise = surfaceRise(widest_, P, nullptr, heat_.ambient);
    f.rise_k = rise - 1e-6 * (1 + rise);  // clear of the solution's own tolerance
    f.hot_c = heat_.ambient + f.rise_k;
    return f;
}

}  // namespace velmora
