// The exact grid search of one core's design: over the peak induction Bm in 0.01 T
// steps and the current density j in 0.05 A/mm2 steps, the point that meets every
// limit with the least goal (total mass, total loss or hot spot). The designs come
// from an evaluator the caller plugs in; the search itself computes nothing of a
// transformer.
//
// The method, for the help text:
//  - The grid is walked row by row, Bm rising, and along each row j falling. The best
//    point is the one with the least goal; of equal goals the first in the order of
//    Bm rising, then j rising (the order of the table).
//  - A point is left out only where a bound proves it cannot win; every other point
//    is evaluated. These bounds are used, each the evaluator's to prove:
//    1. Same run: after an evaluation at (Bm, j0) the evaluator may say the run at
//       (Bm, j) is the very same run (the calculation depends on j only through the
//       standard wire each winding takes for I / j: where every choice stands, every
//       figure stands). Such a point takes the figures without a run.
//    2. Floors: after an evaluation at Bm the evaluator may give values no design at
//       that Bm goes below, whatever its j (for the mass: the steel mass; for the
//       loss: the core loss, which depends on Bm alone through the primary turns; for
//       the rise and the hot spot: the rise of the core loss alone from the largest
//       surface the windings can have). A row whose goal floor is not below the best
//       so far, or whose rise or hot-spot floor is above its limit, is not walked
//       further. Where the floors never fall as Bm rises, such a row ends the search.
//    3. Floors from j on (floorsFrom): values no design at Bm with j or above goes
//       below (the copper's loss rises with j). A point whose own floor is hopeless is
//       left; walking j down, such points are the top of a row.
//    4. The mass from j down (massFloorBelow), for the mass goal: where it is not
//       below the best, the rest of the row is left.
//    5. Overfill (overfillsAt): after a run that did not fit, whether a lower j does
//       not fit as surely; then the rest of the row is left.
//  - Nothing is pruned by the window fill (the first pass's primary of 5 aside), the
//    regulation or the no-load current:
//    lowering j thickens a winding, but it also lowers the primary's drop, which
//    raises the volts per turn and takes turns off the secondaries, and the strands
//    of the standard sizes come in steps; a lower j can take less of the window than
//    a higher one (the tests find such points). Losses move in opposite directions
//    with Bm (core up, copper down), so no goal is monotone along a row either.
#pragma once

#include <limits>

namespace velmora {

enum class DesignGoal { mass, loss, hotSpot };

inline constexpr double kNoLimit = std::numeric_limits<double>::infinity();

// What one design gives. NaN: unknown (an unknown figure fails any limit set on it).
struct DesignFigures {
    bool ran = false;       // the run ended ok and the steel model gave its figures
    bool feasible = false;  // the evaluator's own conditions (steel, rectifiers) hold
    bool overfilled = false;  // the windings did not fit
    double mass_kg = 0;     // steel and copper
    double loss_w = 0;      // copper (warm) and core
    double hot_c = 0;       // the hottest point, °C
    double rise_k = 0;      // over the ambient
    double regulation_pct = 0;  // no-load over loaded voltage, the worst secondary
    double noLoad_pct = 0;      // no-load current over the full-load primary current
    double fill = 0;            // share of the room the windings take
    // For the table: the parts of the mass and the loss, and the efficiency.
    double steel_kg = 0, copper_kg = 0, core_w = 0, copper_w = 0, efficiency_pct = 0;
};

// Why a core has no design, in the order a point gets further: no run ended, the
// windings did not fit, the design cannot work (the physics' reasons), or a limit.
enum class DesignMiss { refused, overfill, infeasible, hotSpot, rise, regulation, noLoad, fill, none };

// The builder's limits; kNoLimit: not set.
struct DesignLimits {
    double hot_c = kNoLimit;   // the insulation class's limit
    double rise_k = kNoLimit;  // or a limit on the rise
    double regulation_pct = kNoLimit;
    double noLoad_pct = kNoLimit;
    double fill = kNoLimit;    // the margin of the window, e.g. 0.9
};

// The grid: Bm from BmMin to BmMax (the lower of the kind's limit and the steel's
// feasible induction), j from jMin to jMax, both ends on the grid where they fall on it.
struct DesignGrid {
    double BmMin = 0.5, BmMax = 1.2;  // T
    double jMin = 1.5, jMax = 4.5;    // A/mm2
};
inline constexpr double kBmStep = 0.01;  // T
inline constexpr double kJStep = 0.05;   // A/mm2

// The grid values: Bm = i / 100 and j = m / 20 for whole i, m (exact decimals as the
// record's texts read them).
int bmIndexFrom(double BmMin);
int bmIndexTo(double BmMax);
int jIndexFrom(double jMin);
int jIndexTo(double jMax);
inline double bmAt(int i) { return i / 100.0; }
inline double jAt(int m) { return m / 20.0; }

// Values no design at one Bm goes below, whatever its j; -infinity where none is known.
struct DesignFloors {
    double mass_kg = -kNoLimit, loss_w = -kNoLimit, hot_c = -kNoLimit, rise_k = -kNoLimit;
};

class DesignEvaluator {
public:
    virtual ~DesignEvaluator() = default;
    // The design of this core at (Bm, j).
    virtual DesignFigures evaluate(double Bm, double j) = 0;
    // After evaluate(Bm, j0): whether evaluate(Bm, j) gives the very same figures.
    virtual bool sameAt(double /*j*/) const { return false; }
    // After evaluate(Bm, j0): the floors of every design at this Bm.
    virtual DesignFloors floors() const { return {}; }
    // After evaluate(Bm, j0): the floors of every design at this Bm with a current
    // density of j or above (they may rise with j, not fall as Bm rises).
    virtual DesignFloors floorsFrom(double /*j*/) const { return floors(); }
    // Whether no floor ever falls as Bm rises.
    virtual bool floorsRise() const { return false; }
    // After evaluate(Bm, j0): whether the run at j below j0 overfills as surely.
    virtual bool overfillsAt(double /*j*/) const { return false; }
    // After evaluate(Bm, j0): a floor of the mass of every design at this Bm with a
    // current density of j or below.
    virtual double massFloorBelow(double /*j*/) const { return floors().mass_kg; }
};

double goalOf(const DesignFigures& f, DesignGoal goal);
bool meetsLimits(const DesignFigures& f, const DesignLimits& limits);

struct DesignSearch {
    bool found = false;
    double Bm = 0, j = 0;
    DesignFigures best;
    int points = 0;   // of the grid
    int runs = 0;     // evaluations
    int reused = 0;   // points that took an evaluation's figures (same run)
    int pruned = 0;   // points left out by a floor
    // Without a design: why, from the point that came nearest (the furthest stage;
    // among limits, the fewest missed, then the first of them in DesignMiss's order).
    DesignMiss miss = DesignMiss::refused;
};

// Why one point is not a design (none: it meets every limit), and how many limits it misses.
struct PointMiss {
    DesignMiss miss = DesignMiss::none;
    int limits = 0;
};
PointMiss missOf(const DesignFigures& f, const DesignLimits& limits);

// The best point of the grid, or none (found false) where no point meets the limits.
// `beat`: only a goal below it counts (the best of other cores, so that a core that
// cannot beat it is cut short); infinity for a core on its own.
DesignSearch searchDesign(const DesignGrid& grid, const DesignLimits& limits, DesignGoal goal,
                          DesignEvaluator& evaluator, double beat = kNoLimit);

}  // namespace velmora
