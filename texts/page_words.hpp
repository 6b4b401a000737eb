// The words of the browser page's own controls, headings and dialogs; the engine's
// results are worded by the rest of the texts module as everywhere else.
#pragma once

#include <span>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

// How the page names its words; each is the text "page.<key>" of every language.
std::span<const std::string_view> pageKeys();
std::string_view pageWord(std::string_view key, Lang lang);

}  // namespace velmora::texts
