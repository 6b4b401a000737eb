// What the window, velmora-cli and the page say of a designer's outcome, worded in the
// chosen language: the count of designs and of the cores without one, by why; the
// trade-off chart of the designs (row i of the outcome is the point "row-i").
#pragma once

#include <string>

#include "designer.hpp"
#include "texts.hpp"

namespace velmora {

std::string designSummary(const DesignOutcome& d, texts::Lang lang);
std::string designChart(const DesignOutcome& d, texts::Lang lang);

}  // namespace velmora
