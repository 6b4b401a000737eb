// What typing a core sets in the record: the bobbin sizes derived from the core's
// dimensions and the induction a change of kind proposes. The window's handlers, the
// page and the core advisor share these, so a core tried by the advisor and the same
// core typed in compute alike. The record's kind is the integer it holds; a number
// that names no kind counts as the ring here.
#pragma once

#include <string_view>

#include "core_shape.hpp"
#include "advisor.hpp"
#include "record.hpp"

namespace velmora {

// The induction a core change proposes: tape-wound cores and the ring 1.5 T,
// laminated ones 1.2 T.
std::string_view inductionFor(int core);

// The derivation of an edit of one dimension ("%.1f"): every bobbin size the kind
// derives from that edit (CoreGeometry::derivedOn), from the kind's bobbin formula. The
// edited dimension and those the formula reads are read with the record's number rule.
void deriveFrom(Record& r, CoreDim edited);
void deriveFromLst(Record& r);  // steel cores: hkar = lst + 2
void deriveFromHst(Record& r);  // steel cores: hkar1 = hst + 2; ring: hkar = (lst - hst) / 2 + 2
void deriveFromLok(Record& r);  // ring: hkar1 = lok + 2
void deriveFromHok(Record& r);  // steel cores: lkar = hok - 2

// A kind chosen by the user: the bobbin sizes the kind derives from its dimensions
// (those of the edits that derive something, in dimension order) and its induction.
void chooseCore(Record& r, int core);

// A whole core typed in: kind and the four sizes (a ring: D, d, H in lst, hst, lok;
// its hok is left as it was), then every derivation of that kind, as the window's
// handlers run them. Laminated kinds lower an induction above their limit to theirs.
void typeCore(Record& r, int core, double lst, double hst, double lok, double hok);

// The record as the advisor and the designer run it on one core of a list: the
// design with that core typed in.
Record designOnCore(const Record& design, const ListedCore& c);

}  // namespace velmora
