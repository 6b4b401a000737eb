// The Pareto set of designs by total mass and total loss, both to be least: a design
// is on it when no other has neither more mass nor more loss and less of one of them.
#pragma once

#include <span>
#include <vector>

namespace velmora::chart {

struct MassLoss {
    double mass_kg = 0;
    double loss_w = 0;
};

// One flag per point, in order. Equal points are all on the set (none has less of
// either); a point with a NaN figure is neither on it nor keeps another off it.
// O(n log n).
std::vector<bool> paretoSet(std::span<const MassLoss> points);

}  // namespace velmora::chart
