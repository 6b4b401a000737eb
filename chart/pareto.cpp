#include "pareto.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace velmora::chart {

std::vector<bool> paretoSet(std::span<const MassLoss> p) {
    std::vector<bool> on(p.size(), false);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (!std::isnan(p[i].mass_kg) && !std::isnan(p[i].loss_w)) order.push_back(i);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return p[a].mass_kg < p[b].mass_kg || (p[a].mass_kg == p[b].mass_kg && p[a].loss_w < p[b].loss_w);
    });
    // Walk the masses up, group by group of equal mass: the group's least loss is on
    // the set where every lighter design lost more; its other points lose more than it.
    double lighter = std::numeric_limits<double>::infinity();  // least loss of lighter ones
    for (std::size_t g = 0; g < order.size();) {
        std::size_t end = g;
        while (end < order.size() && p[order[end]].mass_kg == p[order[g]].mass_kg) ++end;
        const double least = p[order[g]].loss_w;
        if (least < lighter)
            for (std::size_t k = g; k < end && p[order[k]].loss_w == least; ++k) on[order[k]] = true;
        lighter = std::min(lighter, least);
        g = end;
    }
    return on;
}

}  // namespace velmora::chart
