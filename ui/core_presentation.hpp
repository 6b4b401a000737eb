// What changes with the core kind: the labels and hints of the dimension edits, the
// window-height edit (a ring has none) and the bobbin length (a ring has no bobbin);
// the bobbin sizes the core dimensions derive while the user types are the engine's.
#pragma once

#include <QString>
#include <string_view>

#include "core_typing.hpp"
#include "record.hpp"

namespace velmora::ui {

struct CorePresentation {
    std::string_view lstLabel, hstLabel, lokLabel, hokLabel;  // over the four edits
    std::string_view hkarPrefix, hkar1Prefix;                 // beside the bobbin sizes
    std::string_view lstHint, hstHint, lokHint;
    bool hokVisible;
    bool lkarEnabled;
};

// The steel cores or the ring; like the derivations of engine/core_typing.hpp, a
// number that names no kind (no button checked) counts as the ring.
const CorePresentation& presentationFor(int core);

// A label or hint of a presentation in the window's language.
QString presentationText(std::string_view source);

// The bobbin length edit is usable for the steel cores only.
inline bool lkarEnabledFor(int core) { return presentationFor(core).lkarEnabled; }

// The induction and the bobbin derivations of a core: engine/core_typing.hpp.

}  // namespace velmora::ui
