// Pieces the texts share (internal to the texts module).
#pragma once

#include <string>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

// The ring's labels of the three core sizes ("D, мм"), empty for other fields.
std::string_view ringLabel(std::string_view name, Lang lang);

// "первичной обмотки", "вторичной обмотки 2.3" / "of the primary winding", "of
// secondary winding 2.3"; empty for 0 (the core).
std::string windingOf(int winding, Lang lang);

inline bool ru(Lang lang) { return lang == Lang::ru; }

}  // namespace velmora::texts
