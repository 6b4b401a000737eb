// The designer's words, in one table keyed by id with a Russian and an English column:
// its goals, why a core has no design, the table's columns, the chart's words, the
// dialog's labels and the command line's lines.
#pragma once

#include <string>
#include <string_view>

#include "design_search.hpp"
#include "texts.hpp"

namespace velmora::texts {

enum class DesignerText {
    goalMass, goalLoss, goalHotSpot,
    missRefused, missOverfill, missInfeasible, missHotSpot, missRise, missRegulation, missNoLoad, missFill,
    colCore, colKind, colBm, colJ, colMass, colSteel, colCopper, colLoss, colCoreLoss, colCopperLoss,
    colEfficiency, colHotSpot, colRegulation, colNoLoad, colFill, colPareto,
    chartTitle, chartMass, chartLoss, chartHot, chartFront, chartChosen,
    dialogTitle, menuItem, goal, hotLimit, riseLimit, regulationLimit, noLoadLimit, fillLimit, withinClass,
    jRange, seriesToo, run, apply, found, noneFound, rejected, method,
    usage, badGoal, badLimit, undoText, chartNotWritten, noGrade,
    count_
};

std::string_view designerText(DesignerText id, Lang lang);

std::string_view goalName(DesignGoal g, Lang lang);
std::string_view missName(DesignMiss m, Lang lang);

}  // namespace velmora::texts
