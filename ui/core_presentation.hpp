// What changes with the core kind: the labels and hints of the dimension edits, the
// window-height edit (a ring has none) and the bobbin length (a ring has no bobbin);
// and the bobbin sizes derived from the core dimensions while the user types.
#pragma once

#include <QString>
#include <string_view>

#include "record.hpp"

namespace velmora::ui {

struct CorePresentation {
    std::string_view lstLabel, hstLabel, lokLabel, hokLabel;  // over the four edits
    std::string_view hkarPrefix, hkar1Prefix;                 // beside the bobbin sizes
    std::string_view lstHint, hstHint, lokHint;
    bool hokVisible;
    bool lkarEnabled;
};

// The steel cores (kinds 1..4) or the ring; like the derivations below, anything
// that is no steel core (no button checked) counts as the ring.
const CorePresentation& presentationFor(int core);

// A label or hint of a presentation in the window's language.
QString presentationText(std::string_view source);

// The bobbin length edit is usable for the steel cores only.
inline bool lkarEnabledFor(int core) { return presentationFor(core).lkarEnabled; }

// The induction a core change proposes: tape-wound cores and the ring 1.5 T,
// laminated ones 1.2 T.
std::string_view inductionFor(int core);

// The derivations of the dimension handlers ("%.1f"). Each reads its dimensions with
// the record's number rule; a bobbin wall or the ring's insulation of 1 mm adds 2,
// as the calculation's own derivation does, so the sizes do not jump when it runs.
void deriveFromLst(Record& r);  // steel cores: hkar = lst + 2
void deriveFromHst(Record& r);  // steel cores: hkar1 = hst + 2; ring: hkar = (lst - hst) / 2 + 2
void deriveFromLok(Record& r);  // ring: hkar1 = lok + 2
void deriveFromHok(Record& r);  // steel cores: lkar = hok - 2

}  // namespace velmora::ui
