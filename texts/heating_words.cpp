#include "heating_words.hpp"

#include <array>
#include <utility>

#include "say.hpp"

namespace velmora::texts {
namespace {

// The id of each text in the languages' tables.
constexpr std::array kIds{
    std::pair{HeatingText::ambientTip, std::string_view{"heating.ambientTip"}},
    std::pair{HeatingText::insulationTip, std::string_view{"heating.insulationTip"}},
    std::pair{HeatingText::impregnatedTip, std::string_view{"heating.impregnatedTip"}},
    std::pair{HeatingText::nominalAboveMax, std::string_view{"heating.nominalAboveMax"}},
    std::pair{HeatingText::cannotWorkHeading, std::string_view{"heating.cannotWorkHeading"}},
    std::pair{HeatingText::insulationOption, std::string_view{"heating.insulationOption"}},
};

}  // namespace

std::string_view heatingText(HeatingText id, Lang lang) {
    for (const auto& [e, key] : kIds)
        if (e == id) return say(key, lang);
    return {};
}

}  // namespace velmora::texts
