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

// Inputs as "key\x1fvalue" pairs separated by '\x1e' (the CLI's --set keys and texts).
Record recordFrom(std::string_view inputs);
const SteelCatalogue& steels();
// The wire kinds, their sizes read once per kind and the steels, worded in `lang`.
EvaluationInputs catalogueInputs(texts::Lang lang);
// The design on the page, as last calculated.
DesignSession& session();
// The text result of a call, kept until the next.
const char* give(std::string s);

}  // namespace velmora::web
