#include "axis.hpp"

#include <algorithm>
#include <cmath>

#include "numtext.hpp"

namespace velmora::chart {
namespace {

// The nice number at or above x: 1, 2, 5 or 10 times a power of ten.
double niceAbove(double x) {
    const double p = std::pow(10.0, std::floor(std::log10(x)));
    const double f = x / p;
    const double nice = f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10;
    return nice * p;
}

}  // namespace

Ticks niceTicks(double lo, double hi, int target) {
    if (!std::isfinite(lo) || !std::isfinite(hi)) lo = 0, hi = 1;
    if (hi < lo) std::swap(lo, hi);
    if (hi == lo) {
        const double w = lo == 0 ? 1 : std::fabs(lo) * 0.1;
        lo -= w;
        hi += w;
    }
    target = std::max(target, 1);
    Ticks t;
    t.step = niceAbove((hi - lo) / target);
    // Whole multiples of the step, so that 0 is exactly 0.
    const double first = std::floor(lo / t.step), last = std::ceil(hi / t.step);
    for (double k = first; k <= last; ++k) t.values.push_back(k * t.step);
    t.lo = t.values.front();
    t.hi = t.values.back();
    t.decimals = std::max(0, static_cast<int>(-std::floor(std::log10(t.step) + 1e-9)));
    return t;
}

std::string tickText(double v, int decimals) {
    std::string s = fixed(v, decimals);
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

}  // namespace velmora::chart
