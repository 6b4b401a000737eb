// The arguments of `velmora`: --help, --version and at most one design file (as the
// desktop's "open with" passes it).
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "window_words.hpp"

namespace velmora::ui {

struct CommandLine {
    bool help = false;
    bool version = false;
    std::optional<std::string> design;  // a file to load after the start
    texts::WindowUsageError error = texts::WindowUsageError::none;  // the first wrong argument
    std::string what;                                               // the wrong option
    // --print-pdf FILE: the design sheet of the design (or of the last inputs) into
    // FILE, without the window.
    std::optional<std::string> printPdf;
};

// `args` without the program name. The toolkit's own options count as wrong ones, so
// the design and the error are taken from the arguments the toolkit has left.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

}  // namespace velmora::ui
