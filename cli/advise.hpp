// velmora-cli --advise: the design run on every core of the user's list, ranked.
#pragma once

#include <filesystem>
#include <string>

#include "core_advisor.hpp"
#include "options.hpp"

namespace velmora::cli {

// The advice as one JSON object: {"rows": [...], "counts": {...}}, numbers as numbers.
std::string adviceAsJson(const Advice& a, std::span<const ListedCore> cores, int top);

// Reads the list (--cores, else the user's own, made from the example on first use)
// and the steel catalogue, prints the advice and returns the exit status: 0 a core
// fits, 1 none does, 2 a problem (said on standard error).
int advise(const Options& opt, const Record& design, const WireTable& wires,
           const std::filesystem::path& dataFolder, const std::filesystem::path& exeDir, texts::Lang lang);

}  // namespace velmora::cli
