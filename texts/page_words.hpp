// The words of the browser page's own controls, headings and dialogs; the engine's
// results are worded by the rest of the texts module as everywhere else.
#pragma once

#include <span>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

struct PageWord {
    std::string_view key;  // how the page names it
    std::string_view ru, en;
};
std::span<const PageWord> pageWords();

// The label of a core size edit (lst, hst, lok, hok) for the core kind: the ring's
// own letters, else the field's label.
std::string_view coreSizeLabel(std::string_view name, int core, Lang lang);

}  // namespace velmora::texts
