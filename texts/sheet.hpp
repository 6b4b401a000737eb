// The design sheet's content, for every place that prints it (the window's PDF and
// printer, the page's print layout): its title, its tables in order, the line that says
// a design cannot work, and the winding instruction. Each table is a block kept on one
// page with its heading; the printer only lays the blocks out.
#pragma once

#include <string>
#include <vector>

#include "calculation.hpp"
#include "record.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::texts {

enum class SheetWord {
    yes, no,
    inputsCore,      // the core, bobbin and wire inputs
    inputsWindings,
    resultsWindings,
    resultsWhole,
    pictures,        // the strip and the core picture
    instruction,
    bobbinLabel,     // the bobbin's width and height, one row
    cannotWork,      // the heading of the reasons a design cannot work
};
std::string_view sheetWord(SheetWord id, Lang lang);

struct SheetTable {
    std::string heading;
    std::vector<std::string> head;  // column heads; empty: a two-column table without
    std::vector<std::vector<std::string>> rows;
};

struct SheetContent {
    std::string title;               // the design's name, without the file's extension
    std::vector<SheetTable> tables;  // each with its heading on one page
    std::string picturesHeading;
    std::string instructionHeading;
    std::vector<std::string> instruction;  // the winding instruction, line by line
};

struct SheetInputs {
    const Record& r;
    const RunResult& run;
    const SteelOutcome* steel = nullptr;  // the steel and heating, when the model ran
    std::string fileName;                 // the design file's name or the proposed one
};

// The sheet of the design as calculated: the inputs (the core's dimensions by the names
// of its kind, no field the kind does not use, the bobbin's width and height in one
// row), the results per winding and as a whole, the steel and heating with the reasons
// a design cannot work, the rectifiers.
SheetContent sheetContent(const SheetInputs& in, Lang lang);

// Why the design cannot work, one line each; none for a design that can (or without
// the steel model's figures). The report's closing lines hold the same.
std::vector<std::string> cannotWorkLines(const SteelResult& s, Lang lang);
std::string cannotWorkReport(const SteelResult& s, Lang lang);

}  // namespace velmora::texts
