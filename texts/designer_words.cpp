#include "designer_words.hpp"

#include <array>

#include "say.hpp"

namespace velmora::texts {
namespace {

// The id of each text in the languages' tables, in the order of DesignerText.
constexpr std::string_view kIds[] = {
    "designer.goalMass",
    "designer.goalLoss",
    "designer.goalHotSpot",
    "designer.missRefused",
    "designer.missOverfill",
    "designer.missInfeasible",
    "designer.missHotSpot",
    "designer.missRise",
    "designer.missRegulation",
    "designer.missNoLoad",
    "designer.missFill",
    "designer.colCore",
    "designer.colKind",
    "designer.colBm",
    "designer.colJ",
    "designer.colMass",
    "designer.colSteel",
    "designer.colCopper",
    "designer.colLoss",
    "designer.colCoreLoss",
    "designer.colCopperLoss",
    "designer.colEfficiency",
    "designer.colHotSpot",
    "designer.colRegulation",
    "designer.colNoLoad",
    "designer.colFill",
    "designer.colPareto",
    "designer.chartTitle",
    "designer.chartMass",
    "designer.chartLoss",
    "designer.chartHot",
    "designer.chartFront",
    "designer.chartChosen",
    "designer.dialogTitle",
    "designer.menuItem",
    "designer.goal",
    "designer.hotLimit",
    "designer.riseLimit",
    "designer.regulationLimit",
    "designer.noLoadLimit",
    "designer.fillLimit",
    "designer.withinClass",
    "designer.jRange",
    "designer.seriesToo",
    "designer.run",
    "designer.apply",
    "designer.found",
    "designer.noneFound",
    "designer.rejected",
    "designer.method",
    "designer.usage",
    "designer.badGoal",
    "designer.badLimit",
    "designer.undoText",
    "designer.chartNotWritten",
    "designer.noGrade",
};
static_assert(std::size(kIds) == static_cast<size_t>(DesignerText::count_), "one id per text");

}  // namespace

std::string_view designerText(DesignerText id, Lang lang) {
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kIds) ? say(kIds[i], lang) : std::string_view{};
}

std::string_view goalName(DesignGoal g, Lang lang) {
    return designerText(static_cast<DesignerText>(static_cast<int>(DesignerText::goalMass) + static_cast<int>(g)), lang);
}

std::string_view missName(DesignMiss m, Lang lang) {
    return designerText(static_cast<DesignerText>(static_cast<int>(DesignerText::missRefused) + static_cast<int>(m)), lang);
}

}  // namespace velmora::texts
