// The standard wire a winding takes for a required copper section, as a pure
// function, and the record of every such choice a run made. The run depends on the
// current density j only through these choices (Sreq = I / j), so a run whose every
// choice stands at another j computes the very same design there.
#pragma once

#include <optional>
#include <span>

#include "calculation.hpp"

namespace velmora {

// Free choice (no desired diameter): one strand up to the largest size, else as many
// strands of the largest as the section needs; then the first size whose section is
// above the strand's share. None where the strand count leaves 32 bits.
std::optional<WirePick> pickWire(const WireTable& wires, double Sreq);
// A desired diameter fixes the entry k: the strands of it the section needs, at least
// one. None where the count leaves 32 bits.
std::optional<double> strandsOf(const WireTable& wires, double Sreq, int k);

// Whether every choice of a run comes out the same at current density j: then the
// run at j is the same run, result for result (j enters nowhere else but the
// shown figure Pgab).
bool sameWireChoices(const WireTable& wires, std::span<const WireRecord> choices, double j);

}  // namespace velmora
