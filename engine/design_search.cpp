#include "design_search.hpp"

#include <cmath>
#include <utility>

namespace velmora {
namespace {

// Grid indices of a range's ends: a value within a millionth of a step is on it.
constexpr double kOnStep = 1e-6;
int indexFrom(double v, double per) { return static_cast<int>(std::ceil(v * per - kOnStep)); }
int indexTo(double v, double per) { return static_cast<int>(std::floor(v * per + kOnStep)); }

bool within(double v, double limit) { return limit == kNoLimit || v <= limit; }

double goalFloor(const DesignFloors& f, DesignGoal goal) {
    switch (goal) {
        case DesignGoal::loss: return f.loss_w;
        case DesignGoal::hotSpot: return f.hot_c;
        case DesignGoal::mass: break;
    }
    return f.mass_kg;
}

// Whether no design with these floors can meet the limits or go below `bar` (reach it,
// where a tie wins).
bool hopeless(const DesignFloors& f, const DesignLimits& l, DesignGoal goal, double bar, bool tieWins) {
    const double g = goalFloor(f, goal);
    return (tieWins ? g > bar : !(g < bar)) || f.rise_k > l.rise_k || f.hot_c > l.hot_c;
}

// The miss of a row left for a floor above a limit (a goal floor is no miss).
PointMiss floorMiss(const DesignFloors& f, const DesignLimits& l) {
    if (f.hot_c > l.hot_c) return {DesignMiss::hotSpot, 1};
    if (f.rise_k > l.rise_k) return {DesignMiss::rise, 1};
    return {};
}

// Whether miss a came nearer to a design than b.
bool nearer(const PointMiss& a, const PointMiss& b) {
    const bool la = a.limits > 0, lb = b.limits > 0;
    if (la != lb) return la;
    if (la) return a.limits < b.limits || (a.limits == b.limits && a.miss < b.miss);
    return a.miss > b.miss;
}

}  // namespace

int bmIndexFrom(double BmMin) { return indexFrom(BmMin, 100); }
int bmIndexTo(double BmMax) { return indexTo(BmMax, 100); }
int jIndexFrom(double jMin) { return indexFrom(jMin, 20); }
int jIndexTo(double jMax) { return indexTo(jMax, 20); }

double goalOf(const DesignFigures& f, DesignGoal goal) {
    switch (goal) {
        case DesignGoal::loss: return f.loss_w;
        case DesignGoal::hotSpot: return f.hot_c;
        case DesignGoal::mass: break;
    }
    return f.mass_kg;
}

PointMiss missOf(const DesignFigures& f, const DesignLimits& l) {
    if (!f.ran) return {f.overfilled ? DesignMiss::overfill : DesignMiss::refused, 0};
    if (!f.feasible || !std::isfinite(f.mass_kg) || !std::isfinite(f.loss_w) || !std::isfinite(f.hot_c))
        return {DesignMiss::infeasible, 0};
    // A NaN figure compares false: it fails any limit set on it.
    const std::pair<bool, DesignMiss> checks[] = {
        {within(f.hot_c, l.hot_c), DesignMiss::hotSpot},
        {within(f.rise_k, l.rise_k), DesignMiss::rise},
        {within(f.regulation_pct, l.regulation_pct), DesignMiss::regulation},
        {within(f.noLoad_pct, l.noLoad_pct), DesignMiss::noLoad},
        {within(f.fill, l.fill), DesignMiss::fill}};
    PointMiss out;
    for (const auto& [met, miss] : checks) {
        if (met) continue;
        if (out.limits++ == 0) out.miss = miss;
    }
    return out;
}

bool meetsLimits(const DesignFigures& f, const DesignLimits& l) {
    return missOf(f, l).miss == DesignMiss::none;
}

DesignSearch searchDesign(const DesignGrid& grid, const DesignLimits& limits, DesignGoal goal,
                          DesignEvaluator& ev, double beat) {
    DesignSearch out;
    const int i0 = bmIndexFrom(grid.BmMin), i1 = bmIndexTo(grid.BmMax);
    const int m0 = jIndexFrom(grid.jMin), m1 = jIndexTo(grid.jMax);
    if (i1 < i0 || m1 < m0 || i0 < 1 || m0 < 1) return out;
    const int row = m1 - m0 + 1;
    out.points = (i1 - i0 + 1) * row;
    double bar = beat;  // a point counts only below it
    PointMiss nearest{DesignMiss::refused, 0};
    auto note = [&](const PointMiss& m) {
        if (m.miss != DesignMiss::none && nearer(m, nearest)) nearest = m;
    };

    for (int i = i0; i <= i1; ++i) {
        const double Bm = bmAt(i);
        DesignFigures f;
        bool have = false;  // an evaluation at this Bm stands in the evaluator
        DesignFloors floor;
        for (int m = m1; m >= m0; --m) {
            const double j = jAt(m);
            // A tie with the best wins in its own row: a lower j comes first in the order.
            const bool tieWins = out.found && out.Bm == Bm;
            if (have) {
                // A row that cannot go below the best is left, and so is every row
                // above it where the floor only rises.
                if (hopeless(floor, limits, goal, bar, tieWins)) {
                    note(floorMiss(floor, limits));
                    if (ev.floorsRise()) {
                        out.pruned += (m - m0 + 1) + (i1 - i) * row;
                        out.miss = out.found ? DesignMiss::none : nearest.miss;
                        return out;
                    }
                    out.pruned += m - m0 + 1;
                    break;
                }
                // A point whose own floor cannot (those above it in the row cannot either).
                const DesignFloors at = ev.floorsFrom(j);
                if (hopeless(at, limits, goal, bar, tieWins)) {
                    note(floorMiss(at, limits));
                    ++out.pruned;
                    continue;
                }
                // The rest of a row whose windings overfill as surely, or whose mass
                // cannot go below the best.
                const double massFloor = goal == DesignGoal::mass ? ev.massFloorBelow(j) : -kNoLimit;
                if (ev.overfillsAt(j) || (tieWins ? massFloor > bar : !(massFloor < bar))) {
                    out.pruned += m - m0 + 1;
                    break;
                }
            }
            if (have && ev.sameAt(j)) {
                ++out.reused;
            } else {
                f = ev.evaluate(Bm, j);
                ++out.runs;
                if (!have) floor = ev.floors();
                have = true;
            }
            const PointMiss pm = missOf(f, limits);
            note(pm);
            if (pm.miss != DesignMiss::none) continue;
            const double g = goalOf(f, goal);
            if (g < bar || (g == bar && out.found && out.Bm == Bm)) {
                bar = g;
                out.found = true;
                out.Bm = Bm;
                out.j = j;
                out.best = f;
            }
        }
    }
    out.miss = out.found ? DesignMiss::none : nearest.miss;
    return out;
}

}  // namespace velmora
