// Pieces the texts share (internal to the texts module).
#pragma once

#include <string>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

// "первичной обмотки", "вторичной обмотки 2.3" / "of the primary winding", "of
// secondary winding 2.3"; empty for 0 (the core).
std::string windingOf(int winding, Lang lang);

}  // namespace velmora::texts
