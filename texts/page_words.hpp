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

}  // namespace velmora::texts
