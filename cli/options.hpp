// The command line of velmora-cli.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace velmora::cli {

struct Options {
    std::optional<std::string> data;    // --data DIR
    std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE, in order
    int diagramWidth = 900;             // --diagram-width N
    bool json = false;                  // --json
    std::optional<std::string> report;  // --report FILE
    std::optional<std::string> save;    // --save FILE
    std::optional<std::string> design;  // DESIGN
    bool help = false, version = false;
};

struct Parsed {
    std::optional<Options> options;
    std::string error;  // a usage error, when no options
};

Parsed parseArguments(const std::vector<std::string>& args);

extern const char* const kUsage;

}  // namespace velmora::cli
