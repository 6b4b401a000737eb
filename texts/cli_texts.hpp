// velmora-cli's words that name things: the list of design keys (--keys) and the
// words of its text output, one row per id with its Russian and English text.
#pragma once

#include <string>
#include <string_view>

#include "calculation.hpp"
#include "texts.hpp"

namespace velmora::texts {

enum class CliWord {
    keysTitle,     // the heading of --keys
    keysRingNote,  // after a core dimension: what a ring keeps in it
    keysCoreNote,  // after the core key: its values
    keysPointer,   // where --help and a wrong key send the user
    keysWidth,     // hkar: the bobbin's width
    keysHeight,    // hkar1: its height
    keysOneOrZero, // a check box's values
    keysClasses,   // the insulation classes
    statusOk,
    statusOverfill,
    statusRefused,
};
std::string_view cliWord(CliWord id, Lang lang);

// The run's status as the text output says it ("выполнен", "done").
std::string_view statusWord(RunStatus s, Lang lang);

// The core kind as the English text output names it ("cut shell core (ШЛ)"); the
// Russian output keeps the type letters ("ШЛ").
std::string_view summaryCoreName(CoreKind kind, Lang lang);

// `velmora-cli --keys`: every key a design file or --set takes, with its meaning and
// unit, in the field table's order.
std::string designKeys(Lang lang);

}  // namespace velmora::texts
