// The command line of velmora-cli.
#pragma once

#include <optional>
#include <string_view>
#include <string>
#include <utility>
#include <vector>

#include "texts.hpp"

namespace velmora::cli {

struct Options {
    std::optional<std::string> data;    // --data DIR
    std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE, in order
    int diagramWidth = 900;             // --diagram-width N
    bool json = false;                  // --json
    std::optional<std::string> report;  // --report FILE
    std::optional<std::string> save;    // --save FILE
    std::optional<std::string> design;  // DESIGN
    std::string lang = "ru";            // --lang: a code of the language registry
    bool help = false, version = false;
    bool keys = false;                  // --keys
    bool advise = false;                // --advise
    std::optional<std::string> cores;   // --cores FILE
    int top = 0;                        // --top N; 0: every core that fits
    bool designer = false;              // --design
    std::string goal = "mass";          // --goal mass|loss|hotspot
    std::vector<std::pair<std::string, double>> limits;  // --limit KEY=VALUE, in order
    std::optional<std::string> chart;   // --chart FILE.svg
};

// The keys --limit takes.
inline constexpr std::string_view kLimitKeys[] = {"hot_spot_c", "rise_k", "regulation_pct", "no_load_pct",
                                                  "fill", "j_min", "j_max"};

using texts::UsageError;  // worded by the texts module

struct Parsed {
    std::optional<Options> options;
    UsageError error = UsageError::none;  // when no options
    std::string what;                     // the argument it concerns
    std::string lang = "ru";              // --lang as far as it was read
};

Parsed parseArguments(const std::vector<std::string>& args);

}  // namespace velmora::cli
