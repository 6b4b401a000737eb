// The rectifier helper's inputs as the design record holds them (the appended keys
// rect2_i, Udc2_i, Idc2_i, C2_i, Vd2_i, rd2_i), and the re-solve that runs before
// every calculation of a design with rectifier secondaries.
#pragma once

#include "rectifier_design.hpp"
#include "record.hpp"

namespace velmora {

// Secondary i's inputs: texts read by the record's number rule (',' or '.'); an empty
// diode drop or slope resistance takes the field's default.
RectifierInputs rectifierInputs(const Record& r, int i);
RectifierInputSets rectifierInputSets(const Record& r);
// Writes the inputs into the record's keys (the shortest texts that read back).
void setRectifierInputs(Record& r, int i, const RectifierInputs& s);

bool hasRectifier(const Record& r, int i);

// The circuit the helper's dialog opens on for secondary i: the one it has, where it
// agrees with the winding's centre tap; else the one the winding suits (full wave with
// centre tap on a tapped winding, the bridge otherwise).
int openingCircuit(const Record& r, int i);
bool anyRectifier(const Record& r);

// The helper's rounds for every secondary with a rectifier; the inputs they set stand
// in the record (the caller calculates). Nothing changes without a rectifier.
RectifierDesigns resolveRectifiers(Record& r, const WireTable& wires);

// The key whose hand edit detaches secondary i from its rectifier: U2_i or I2_i.
// Returns the secondary (0..4), or -1 for any other key.
int secondaryDetachedBy(std::string_view key);

}  // namespace velmora
