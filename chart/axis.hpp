// Axis ticks at nice numbers (1, 2 or 5 times a power of ten), with the decimals
// that show them.
#pragma once

#include <string>
#include <vector>

namespace velmora::chart {

struct Ticks {
    double lo = 0, hi = 1;      // the axis range: the outer ticks
    double step = 1;
    int decimals = 0;
    std::vector<double> values;  // lo, lo + step, ..., hi
};

// About `target` intervals covering [lo, hi]; an empty or point range is widened
// around its value. Non-finite ends give the range 0..1.
Ticks niceTicks(double lo, double hi, int target = 5);

// A tick's text: '.' under every locale, no "-0".
std::string tickText(double v, int decimals);

}  // namespace velmora::chart
