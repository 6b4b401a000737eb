// The design search's evaluator on today's engine: one core of the list, the
// calculation at each (Bm, j) and the steel model after it. The rectifier secondaries
// are solved once for the core, at a reference point, and their inputs then stand
// for the whole grid (the search's chosen point is to be solved again on its own).
#pragma once

#include <vector>

#include "advisor.hpp"
#include "design_search.hpp"
#include "rectifier_design.hpp"
#include "steel.hpp"

namespace velmora {

class RunEvaluator final : public DesignEvaluator {
public:
    // The design typed onto the core (as the advisor runs it), its rectifiers solved
    // at (BmRef, jRef).
    RunEvaluator(const Record& design, const ListedCore& core, const WireTable& wires,
                 const SteelGrade& grade, double BmRef, double jRef);

    DesignFigures evaluate(double Bm, double j) override;
    bool sameAt(double j) const override;
    DesignFloors floors() const override;
    bool floorsRise() const override { return lossRises_; }

    const Record& record() const { return base_; }  // the core's record, rectifiers solved
    const RectifierDesigns& rectifiers() const { return rect_; }
    bool rectifiersHold() const { return rectOk_; }
    const HeatConditions& heat() const { return heat_; }

private:
    Record base_;
    const WireTable& wires_;
    const SteelGrade& grade_;
    HeatConditions heat_;  // the record's, else the defaults
    RectifierDesigns rect_{};
    bool rectOk_ = true;
    bool lossRises_ = false;
    // Of the last evaluation.
    std::vector<WireRecord> choices_;
    DesignFloors floors_;
    double floorsBm_ = -1;  // the Bm floors_ belong to
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

// Whether a grade's loss points never fall as the induction rises (then the core loss
// never falls with Bm: the primary turns only fall as Bm rises, and B0 with them).
bool lossRisesWithInduction(const SteelGrade& g);

}  // namespace velmora
