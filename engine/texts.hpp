// Texts built from a design for the persistence commands: the proposed file name
// and the report.
#pragma once

#include <string>
#include <string_view>

#include "calculation.hpp"
#include "record.hpp"

namespace velmora {

// "Ш 25x32x25x40, 1,5Т, 3,5Амм2, 20Вх5А" + extension (".sav" or ".txt"); every '.'
// of the name becomes ',' and characters no file name can hold become '_'.
std::string DefaultDesignName(const Record& r, std::string_view extension);

struct ReportText {
    bool ok = false;
    std::string text;   // UTF-8, CR LF line ends
    std::string error;  // why no report can be made, when !ok
};

// The report of the last calculation: core header, induction, current density and
// the comment with the data of every winding inserted under its heading.
ReportText BuildReport(const Record& r, const RunResult& run);

}  // namespace velmora
