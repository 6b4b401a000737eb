// One evaluation as JSON: what velmora-cli --json prints and the page reads.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "pipeline.hpp"
#include "record.hpp"
#include "rectifier_design.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::json {

// A JSON string literal of UTF-8 text; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view utf8);

// A figure's number to its decimals in JSON (kShortest: the shortest text that reads
// back as it); null when it is no finite number.
std::string figureNumber(double v, int decimals);

// The whole run as one JSON object: keys as in the design file, texts in `lang`; the
// steel object null when the model did not run. `rectifiers`: what the rectifier
// helper's rounds came to before the run; the "rectifiers" array lists every secondary
// with a rectifier.
std::string runAsJson(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                      const std::vector<texts::Misread>& misread, texts::Lang lang,
                      const SteelOutcome& steel = {}, const RectifierDesigns& rectifiers = {});
// The same of an evaluation of the record.
std::string runAsJson(const Record& r, const Evaluation& e, texts::Lang lang);

}  // namespace velmora::json
