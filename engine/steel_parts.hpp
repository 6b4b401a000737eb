// The steel model in its two parts, steelModel being the one after the other. The
// steel's part reads the core, the supply and the primary turns only (the figures
// sameSteel compares), so one stands for every run that shares them at one grade and
// one set of heat conditions: the designer's search computes it once per Bm. The
// windings' part adds the copper, the heating and the figures that read them.
#pragma once

#include "steel.hpp"

namespace velmora {

// Without `noLoad` the figures at work leave the magnetising and the no-load current
// out (their integral over the cycle is the steel's dearest figure).
SteelResult steelPart(const RunFigures& f, const SteelGrade& g, const HeatConditions& c, bool noLoad = true);
SteelResult withWindings(SteelResult steel, const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                         const DeliveredPower& out);
// Whether two runs give the steel's part the same figures.
bool sameSteel(const RunFigures& a, const RunFigures& b);

// The figures at work in the same two parts (workingFigures is the one after the other).
WorkingFigures workingSteel(const RunFigures& f, const SteelGrade& g, const HeatConditions& c,
                            Construction construction, double volume_mm3, bool noLoad = true);
void workingHeat(WorkingFigures& w, const RunFigures& f, const HeatConditions& c);

}  // namespace velmora
