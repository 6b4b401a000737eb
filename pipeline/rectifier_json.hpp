// The "rectifiers" array of an evaluation's JSON: the helper's inputs and every result
// of each secondary with a rectifier, as numbers.
#pragma once

#include <string>
#include <vector>

#include "record.hpp"
#include "rectifier_design.hpp"
#include "texts.hpp"

namespace velmora::json {

std::string_view designStatusName(RectifierDesignStatus s);  // "settled", "notSettled", ...
std::string_view rectifierStatusName(RectifierStatus s);

// The top-level warnings of the centre taps the helper removed (no one is asked here):
// each `{"field": "double2_i", "text": "1", "reads": 0, "note": ...}`.
std::vector<std::string> rectifierTapWarnings(const Record& r, const RectifierDesigns& designs,
                                              texts::Lang lang);

// `"rectifiers": [...]` with its indent, no trailing comma.
std::string rectifiersJson(const Record& r, const RectifierDesigns& designs, texts::Lang lang);

}  // namespace velmora::json
