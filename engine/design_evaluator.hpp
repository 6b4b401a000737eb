// The design search's evaluator on today's engine: one core of the list, the
// calculation at each (Bm, j) and the steel model after it, computing the figures the
// limits and the goals read (the efficiency is left out: NaN). The rectifier secondaries
// are solved once for the core, at a reference point, and their inputs then stand
// for the whole grid (the search's chosen point is to be solved again on its own).
#pragma once

#include <array>
#include <vector>

#include "advisor.hpp"
#include "design_search.hpp"
#include "rectifier_design.hpp"
#include "steel_parts.hpp"

namespace velmora {

// What bounds the copper section a winding takes for a required section Sreq: at
// least Sreq (the strands of the picked size hold it), at most the greater of
// ratio · Sreq and the smallest size (the size below the pick's is below a strand's
// share). None (ratio 0) unless the sizes rise and the smallest is at most half the
// largest (then only one strand takes the smallest size), or with a desired diameter.
struct WireBounds {
    double ratio = 0, smallest = 0;
    double density = 0;  // the least mass of one metre per mm2 of copper section, g/(m·mm2)
};
WireBounds wireBounds(const WireTable& wires, bool desiredSize);

// The floor of the cold copper loss along a row of one Bm (W1 fixed): each winding's
// length at least its turns on the bobbin's own perimeter, its turns at least those
// of no drop (the primary's W1, a secondary's U2·W1 / U1nom less one for the
// rounding), the primary's current at least that of no loss, and its copper section
// at most as WireBounds say for I / j. The floor rises with j.
// Likewise the copper's mass at least density · Σ W · Lturn0 · I / j (the section at
// least I / j), which falls as j rises.
struct CopperFloor {
    bool known = false;
    std::array<double, 1 + kSecondaries> k{}, I{};  // I² R ≥ k · I² / max(ratio · I / j, smallest)
    double massJ = 0;  // kg·A/mm2: the mass at j at least massJ / j
};
CopperFloor copperFloor(const RunFigures& f, const Record& r, double rho, const WireBounds& b);
double coldCopperFloor(const CopperFloor& c, const WireBounds& b, double j);

class RunEvaluator final : public DesignEvaluator {
public:
    // The design typed onto the core (as the advisor runs it), its rectifiers solved
    // at (BmRef, jRef). Without `noLoad` (a search with no limit on it) the no-load
    // current is left out (noLoad_pct NaN).
    RunEvaluator(const Record& design, const ListedCore& core, const WireTable& wires,
                 const SteelGrade& grade, double BmRef, double jRef, bool noLoad = true);

    DesignFigures evaluate(double Bm, double j) override;
    bool sameAt(double j) const override;
    DesignFloors floors() const override;
    DesignFloors floorsFrom(double j) const override;
    bool overfillsAt(double j) const override;
    double massFloorBelow(double j) const override;
    bool floorsRise() const override { return lossRises_; }

    const Record& record() const { return base_; }  // the core's record, rectifiers solved
    const RectifierDesigns& rectifiers() const { return rect_; }
    bool rectifiersHold() const { return rectOk_; }
    const HeatConditions& heat() const { return heat_; }

private:
    Record base_;
    Record run_;  // the record of the run under way
    const WireTable& wires_;
    const SteelGrade& grade_;
    bool noLoad_;
    HeatConditions heat_;  // the record's, else the defaults
    RectifierDesigns rect_{};
    bool rectOk_ = true;
    bool lossRises_ = false;
    WireBounds bounds_;
    double rho_ = 0;  // the run's own cold copper resistivity, once an ok run gives it
    bool dizRises_ = false;  // the enamelled diameters rise with the sections
    // Of the last evaluation.
    std::vector<WireRecord> choices_;
    bool primaryOverfill_ = false;  // the primary did not fit in the first pass
    // Of the row under way.
    DesignFloors floors_;
    double floorsBm_ = -1;  // the Bm floors_ belong to
    SurfaceCooling widest_;  // of the largest surface its windings can take
    CopperFloor copper_;
    // The steel's part of the model and the run it was computed for.
    SteelResult steel_;
    RunFigures steelOf_;
    bool haveSteel_ = false;
};

// The grid of a core: Bm up to the lower of the kind's induction limit and the grade's
// knee (kSteel.knee: above it the steel nears saturation), from `lowShare` of that
// (0.6: 0.72 T for laminations, 1.02 T for tape-wound cores; a choice, below it the
// core only grows); j over the range.
DesignGrid gridFor(int core, const SteelGrade& grade, double lowShare = 0.6, double jMin = 1.5,
                   double jMax = 4.5);

// The figures of a run that ended ok and its steel model: the figures at work (the
// copper at its temperature, the hot spot, the physics' verdict).
DesignFigures designFigures(const RunResult& run, const SteelResult& steel);

// The floors of every design at the Bm of this run (ok or overfilled): the steel mass,
// the core loss, and the rise of the core loss alone from the largest surface the
// windings can take (a steel core's build-up reaching the room, a ring's hole
// closed) at the ambient; none where the steel model has no core loss.
DesignFloors designFloors(const RunFigures& f, const SteelResult& steel, double ambient);
Surface widestSurface(const RunFigures& f);

// Whether a grade's loss points never fall as the induction rises (then the core loss
// never falls with Bm: the primary turns only fall as Bm rises, and B0 with them).
bool lossRisesWithInduction(const SteelGrade& g);

}  // namespace velmora
