// What the page's engine calls share across their files: the inputs' reader, the
// catalogue read once, the design on the page and the text handed back to the page.
#pragma once

#include <string>
#include <string_view>

#include "design_session.hpp"
#include "pipeline.hpp"
#include "record.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::web {

// Each "key\x1fvalue" pair of a text the page packs ('\x1e' between pairs), in order.
template <class F>
void forEachPair(std::string_view packed, F&& f) {
    while (!packed.empty()) {
        const size_t end = packed.find('\x1e');
        const std::string_view pair = packed.substr(0, end);
        const size_t sep = pair.find('\x1f');
        if (sep != std::string_view::npos) f(pair.substr(0, sep), pair.substr(sep + 1));
        if (end == std::string_view::npos) break;
        packed.remove_prefix(end + 1);
    }
}

// Inputs as such pairs (the CLI's --set keys and texts).
Record recordFrom(std::string_view inputs);
const SteelCatalogue& steels();
// The wire kinds, their sizes read once per kind and the steels, worded in `lang`.
EvaluationInputs catalogueInputs(texts::Lang lang);
// The design on the page, as last calculated.
DesignSession& session();
// The text result of a call, kept until the next.
const char* give(std::string s);

}  // namespace velmora::web
