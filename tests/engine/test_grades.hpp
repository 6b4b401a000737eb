// Steel grades the steel tests share.
#pragma once

#include "steel.hpp"

namespace velmora::testgrades {

// A non-oriented grade with a maker's typical figures (the M800-50A row of the steel
// reference: 2.60 / 5.52 / 7.08 W/kg, 198 / 680 / 3789 A/m) and its guaranteed maximum.
inline SteelGrade m800() {
    SteelGrade g;
    g.name = "M800";
    g.family = SteelFamily::nonOriented;
    g.thickness = 0.5;
    g.density = 7.65;
    g.lossMax = {0, 8.00, 0};
    g.lossTyp = {2.60, 5.52, 7.08};
    g.H = {198, 680, 3789};
    return g;
}

}  // namespace velmora::testgrades
