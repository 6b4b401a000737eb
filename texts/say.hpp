// Looking texts up by id (internal to the texts module).
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

// The text of `id` in `lang`; the id itself when the language's table lacks it, so a
// missing row shows rather than hides.
std::string_view say(std::string_view id, Lang lang);
// The text of `id`, or `otherwise` when the language's table has no such row.
std::string_view sayOr(std::string_view id, Lang lang, std::string_view otherwise);
// The text of `id` with "%1".."%9" replaced by the arguments in order.
std::string say(std::string_view id, Lang lang, std::initializer_list<std::string_view> args);
std::string fill(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace velmora::texts
