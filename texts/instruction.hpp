// The paragraph of one winding in the instruction (internal to the texts module): the
// report puts the winding's data between its heading and its body.
#pragma once

#include <string>

#include "texts.hpp"

namespace velmora::texts {

struct Paragraph {
    std::string before;   // the two-coil note ahead of the primary
    std::string heading;  // its line, with its line end
    std::string body;
};
Paragraph paragraph(const Instruction& in, Lang lang);
std::string_view secondariesHeading(Lang lang);

}  // namespace velmora::texts
