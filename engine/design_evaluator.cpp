#include "design_evaluator.hpp"

#include <cmath>
#include <limits>

#include "core_shape.hpp"
#include "core_typing.hpp"
#include "numtext.hpp"
#include "output_power.hpp"
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
    RunFigures widest = f;
    const double build = shapeOf(f.core).ring ? 0 : f.room;
    widest.build1 = build;
    for (int i = 0; i < kSecondaries; ++i) widest.build2[i] = build;
    out.rise_k = surfaceRise(outerSurface(widest), *w.loss_w, nullptr, ambient);
    out.hot_c = ambient + out.rise_k;
    return out;
}

RunEvaluator::RunEvaluator(const Record& design, const ListedCore& core, const WireTable& wires,
                           const SteelGrade& grade, double BmRef, double jRef)
    : base_(designOnCore(design, core)), wires_(wires), grade_(grade),
      heat_(heatConditions(design.Tamb, design.Insulation, design.Impregnated).value_or(HeatConditions{})),
      lossRises_(lossRisesWithInduction(grade)) {
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
    Record r = base_;
    r.Bm = shortest(Bm);
    r.j = shortest(j);
    RunResult run = Calculate(r, wires_);
    choices_ = std::move(run.wireChoices);
    // The steel model: for the figures of a run that ended ok, and once per Bm for the
    // floors (they hold for every j at it, whether or not the run ended ok).
    const bool ok = run.status == RunStatus::ok;
    if (!ok && floorsBm_ == Bm) return notRun(run);
    const OutputPower p = outputPower(r, run.figures);
    const SteelResult s = steelModel(run.figures, grade_, heat_, {p.delivered(), p.useful(), p.rectified});
    if (floorsBm_ != Bm) {
        floors_ = designFloors(run.figures, s, heat_.ambient);
        floorsBm_ = Bm;
    }
    if (!ok) return notRun(run);
    DesignFigures d = designFigures(run, s);
    d.feasible = d.feasible && rectOk_;
    return d;
}

bool RunEvaluator::sameAt(double j) const { return sameWireChoices(wires_, choices_, j); }

DesignFloors RunEvaluator::floors() const { return floors_; }

}  // namespace velmora
