// What velmora-cli prints about one run: a JSON object or a readable summary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "record.hpp"
#include "rectifier_design.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::cli {

// A JSON string literal of UTF-8 text; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view utf8);

// The inputs that are not wholly numbers, as the user gave them (taken before the
// calculation, which rewrites commas and derived sizes).
std::vector<texts::Misread> misreadTexts(const Record& r);

// The whole run as one JSON object: keys as in the design file, texts in `lang`; the
// steel object null when the model did not run. `rectifiers`: what the rectifier
// helper's rounds came to before the run; the "rectifiers" array lists every secondary
// with a rectifier.
std::string runAsJson(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                      const std::vector<texts::Misread>& misread, texts::Lang lang,
                      const SteelOutcome& steel = {}, const RectifierDesigns& rectifiers = {});

}  // namespace velmora::cli
