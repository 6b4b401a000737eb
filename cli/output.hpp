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

std::string runAsJson(const Record& r, const RunResult& run, const std::vector<Message>& messages);
std::string runAsSummary(const Record& r, const RunResult& run, const std::vector<Message>& messages);

}  // namespace velmora::cli
