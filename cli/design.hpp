// velmora-cli --design: the designer over the built-in E-I series and the user's own
// list (or the list of --cores), ranked by the goal, with the chart as a file.
#pragma once

#include <filesystem>
#include <span>
#include <string>

#include "designer.hpp"
#include "options.hpp"

namespace velmora::cli {

// The request of the options: the goal and the limits given.
DesignRequest designRequest(const Options& opt);

// The designs as one JSON object: {"rows": [...], "rejected": {...}}, numbers as numbers.
std::string designAsJson(const DesignOutcome& d, std::span<const ListedCore> cores, DesignGoal goal);

// Runs the designer, prints its table (or JSON), writes the chart and returns the exit
// status: 0 a design found, 1 none, 2 a problem (said on standard error).
int design(const Options& opt, const Record& rec, const WireTable& wires, const std::filesystem::path& dataFolder,
           const std::filesystem::path& exeDir, texts::Lang lang);

}  // namespace velmora::cli
