// What velmora-cli prints about one run: a JSON object or a readable summary.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "record.hpp"

namespace velmora::cli {

// A JSON string literal of UTF-8 text; bytes that are not valid UTF-8 become U+FFFD.
std::string jsonString(std::string_view utf8);

// An input that is not wholly a number: its field, its text, the value it reads as.
struct MisreadText {
    const Field* field;
    std::string text;
    double reads;
};
std::vector<MisreadText> misreadTexts(const Record& r);

// `misread`: the input fields that were not wholly numbers, as the user gave them
// (taken before the calculation, which rewrites commas and derived sizes).
std::string runAsJson(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                      const std::vector<MisreadText>& misread = {});
std::string runAsSummary(const Record& r, const RunResult& run,
                         const std::vector<Message>& messages,
                         const std::vector<MisreadText>& misread = {});

}  // namespace velmora::cli
