// Inputs that no run can work with (internal to the engine).
#pragma once

#include <optional>
#include <string>

#include "design_state.hpp"

namespace velmora::calc {

// The first rule: the record's core must name a kind. Sets `kind`, or refuses.
std::optional<Message> checkCore(int core, CoreKind& kind);

// The refusal of the first failing rule of the rest, or nothing when the run may go
// on. d holds the parsed inputs and the accepted kind.
std::optional<Message> checkInputs(const Design& d, const Record& r, const WireTable& wires);

}  // namespace velmora::calc
