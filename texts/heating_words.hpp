// The words of the heating inputs and of the marks that say a design cannot work, as
// ids of the languages' tables.
#pragma once

#include <string_view>

#include "texts.hpp"

namespace velmora::texts {

enum class HeatingText {
    ambientTip,          // the ambient temperature's tool-tip
    insulationTip,       // the insulation class's tool-tip
    impregnatedTip,      // the impregnation's tool-tip
    nominalAboveMax,     // the mark on U1nom when it exceeds U1max
    cannotWorkHeading,   // the banner's first line
    insulationOption,    // a class in the list: its letter and limit
};

std::string_view heatingText(HeatingText id, Lang lang);

}  // namespace velmora::texts
