// The rectifier helper's words: its status and warning, the mark of a secondary it
// set, the names of the circuits, and its section of the report.
#pragma once

#include <string>
#include <string_view>

#include "rectifier_design.hpp"
#include "texts.hpp"

namespace velmora::texts {

// "Мостовая" / "Bridge" for circuit 1..4, "Нет выпрямителя" / "No rectifier" otherwise.
std::string_view rectifierCircuit(int circuit, Lang lang);

// What the helper did to secondary i's (0..4) centre tap for `circuit`: empty when it
// kept it.
std::string rectifierTapNote(RectifierTap tap, int secondary, int circuit, Lang lang);
// The question before a circuit without a tap takes a centre-tapped winding.
std::string rectifierTapCaption(Lang lang);
std::string rectifierTapQuestion(int secondary, int circuit, Lang lang);

// What the helper's rounds came to, for secondary `s`'s inputs.
std::string rectifierStatus(const RectifierDesign& d, const RectifierInputs& s, Lang lang);
// Empty without a warning.
std::string rectifierWarning(RectifierWarning w, Lang lang);

// The mark in a secondary's column: "═ 30.0 В 2.00 А".
std::string rectifierMark(const RectifierInputs& s, Lang lang);
// The mark's tool-tip: the circuit, then what the helper came to and its warning.
std::string rectifierMarkTip(const RectifierDesign& d, const RectifierInputs& s, Lang lang);

// The report's rectifier section of every secondary with one, after the winding
// data; empty when no secondary has one or the run did not end ok.
std::string rectifierReport(const Record& r, const RunResult& run, Lang lang);

}  // namespace velmora::texts
