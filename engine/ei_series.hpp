// The built-in series of waste-free E-I laminations (Ш cores, kind 3): the E and the
// I of one size are punched from one strip with nothing left over, which fixes the
// shape by the tongue width a alone. The designer offers these sizes besides the
// user's own list. Sources and what is confirmed: data/README.md, "The waste-free
// E-I series".
#pragma once

#include <array>
#include <vector>

#include "advisor.hpp"

namespace velmora {

// The geometric rule of the series, with a the tongue (centre leg) width, mm.
struct EiShape {
    double a = 0;  // tongue: lst
    double c = 0;  // window width: a / 2 (lok)
    double h = 0;  // window height: 1.5·a (hok)
    double width = 0;   // lamination width: 3·a (outer legs a / 2 each)
    double height = 0;  // E and I together: 2.5·a (yoke a / 2 each)
};
EiShape eiShape(double a);

// The tongue widths offered, mm (the designation EI-n has n = 3·a).
inline constexpr std::array<double, 12> kEiTongues{16, 18, 20, 22, 25, 28, 32, 35, 38, 40, 50, 64};
// The stack heights offered, as multiples of the tongue: a, 1.5·a, 2·a.
inline constexpr std::array<double, 3> kEiStacks{1.0, 1.5, 2.0};

// Every size of the series and every stack, as cores of the advisor's list: kind 3,
// lst = a, hst = b (the stack), lok = c, hok = h; named "Ш{a}х{b}", noted "EI-{3a}".
// Tongue by tongue, stacks rising.
std::vector<ListedCore> eiSeries();

}  // namespace velmora
