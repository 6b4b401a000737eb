// The words of the steel and heating group: labels, values, tool-tips, warnings, the
// report section and the catalogue's refusals, in Russian or English.
#pragma once

#include <string>
#include <vector>

#include "steel.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::texts {

// The results of the group, in the order shown.
enum class SteelItem { massSteel, loss, I0, efficiency, supplyEfficiency, rise, massCopper, massTotal };
inline constexpr SteelItem kSteelItems[] = {SteelItem::massSteel,  SteelItem::loss,
                                            SteelItem::I0,         SteelItem::efficiency,
                                            SteelItem::supplyEfficiency,
                                            SteelItem::rise,       SteelItem::massCopper,
                                            SteelItem::massTotal};
// Whether the item has a value for this result: the supply's efficiency only where
// some secondary has a rectifier.
bool steelItemShown(SteelItem item, const SteelResult& s);

std::string steelGroupTitle(Lang lang);                   // "Сталь и нагрев"
std::string steelGradeLabel(Lang lang);                   // "Марка стали"
std::string steelGradeTip(Lang lang);
std::string steelLabel(SteelItem item, Lang lang);        // "масса стали, кг"
std::string steelValue(SteelItem item, const SteelResult& s);  // "0.991"; "—" when not available
std::string steelTip(SteelItem item, const SteelResult& s, const SteelGrade& g, Lang lang);
std::string steelWarning(const SteelWarning& w, Lang lang);
std::string steelStatus(SteelStatus status, Lang lang);   // why there are no results
std::string steelProblem(const SteelProblem& p, Lang lang);
std::string steelGradeMissing(const std::string& asked, const std::string& used, Lang lang);
// What the group says below its figures after a run: the grade used instead of a
// missing one, then the model's warnings, or why there are no figures.
std::vector<std::string> steelNotes(const SteelOutcome& outcome, Lang lang);

// The report's section (after the windings), and velmora-cli's lines.
std::string steelReport(const SteelResult& s, const SteelGrade& g, Lang lang);
std::string steelSummary(const SteelResult& s, const SteelGrade& g, Lang lang);

}  // namespace velmora::texts
