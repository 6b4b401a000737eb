// Inputs that no run can work with (internal to the engine).
#pragma once

#include <optional>
#include <string>

#include "design_state.hpp"

namespace velmora::calc {

// The refusal of the first failing rule, or nothing when the run may go on. d holds
// the parsed inputs.
std::optional<Message> checkInputs(const Design& d, const Record& r, const WireTable& wires);

}  // namespace velmora::calc
