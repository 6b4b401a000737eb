// The magnetising current under a sinusoidal flux: the grade's magnetisation curve,
// the shape's own magnetic path and the joints' gap, summed at each instant and taken
// as the rms over one cycle. Numbers only.
#pragma once

#include <optional>
#include <vector>

namespace velmora {

struct SteelGrade;

// Peak field against peak induction, rising, from every point a grade gives: its
// 1.0 / 1.5 / 1.7 T points, its further curve and the guaranteed bound at 800 A/m.
struct MagnetisationCurve {
    std::vector<double> B, H;  // T, A/m
    bool empty() const { return B.empty(); }
    double top() const { return B.empty() ? 0 : B.back(); }
};
MagnetisationCurve curveOf(const SteelGrade& g);

// H at |B|: log-log between the points; below the lowest point in proportion to B
// (the permeability of that point); none above the highest point or without points.
std::optional<double> curveField(const MagnetisationCurve& c, double B);

// Rms over one cycle of i(t) = (H(B(t))·lm + B(t)·g/μ0) / W1 under B(t) = B0·sin ωt,
// A; lm and g in m. None where B0 lies above the curve's top.
std::optional<double> magnetisingRms(const MagnetisationCurve& c, double B0, double lm, double g,
                                     double W1);

}  // namespace velmora
