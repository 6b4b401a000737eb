// The "rectifiers" array of an evaluation's JSON: the helper's inputs and every result
// of each secondary with a rectifier, as numbers.
#pragma once

#include <string>

#include "record.hpp"
#include "rectifier_design.hpp"
#include "texts.hpp"

namespace velmora::json {

std::string_view designStatusName(RectifierDesignStatus s);  // "settled", "notSettled", ...
std::string_view rectifierStatusName(RectifierStatus s);

// `"rectifiers": [...]` with its indent, no trailing comma.
std::string rectifiersJson(const Record& r, const RectifierDesigns& designs, texts::Lang lang);

}  // namespace velmora::json
