// What typing a core sets in the record: the bobbin sizes derived from the core's
// dimensions and the induction a change of kind proposes. The window's handlers and
// the core advisor share these, so a core tried by the advisor and the same core
// typed in compute alike.
#pragma once

#include <string_view>

#include "record.hpp"

namespace velmora {

// The induction a core change proposes: tape-wound cores and the ring 1.5 T,
// laminated ones 1.2 T.
std::string_view inductionFor(int core);

// The derivations of the dimension handlers ("%.1f"). Each reads its dimensions with
// the record's number rule; a bobbin wall or the ring's insulation of 1 mm adds 2,
// as the calculation's own derivation does, so the sizes do not jump when it runs.
// Anything that is no steel core (kinds 1..4) counts as the ring.
void deriveFromLst(Record& r);  // steel cores: hkar = lst + 2
void deriveFromHst(Record& r);  // steel cores: hkar1 = hst + 2; ring: hkar = (lst - hst) / 2 + 2
void deriveFromLok(Record& r);  // ring: hkar1 = lok + 2
void deriveFromHok(Record& r);  // steel cores: lkar = hok - 2

// A whole core typed in: kind and the four sizes (a ring: D, d, H in lst, hst, lok;
// its hok is left as it was), then every derivation of that kind, as the window's
// handlers run them. Laminated kinds (3, 4) lower an induction above their 1.2 T to it.
void typeCore(Record& r, int core, double lst, double hst, double lok, double hok);

}  // namespace velmora
