// The words of the steel and heating group (its figures' words: figure_texts.hpp): warnings, the
// report section and the catalogue's refusals, in Russian or English.
#pragma once

#include <string>
#include <vector>

#include "figure_texts.hpp"
#include "steel.hpp"
#include "steels.hpp"
#include "texts.hpp"

namespace velmora::texts {

std::string steelGroupTitle(Lang lang);                   // "Сталь и нагрев"
std::string steelGradeLabel(Lang lang);                   // "Марка стали"
std::string steelGradeTip(Lang lang);
std::string steelWarning(const SteelWarning& w, Lang lang);
std::string steelStatus(SteelStatus status, Lang lang);   // why there are no results
std::string steelProblem(const SteelProblem& p, Lang lang);
std::string steelGradeMissing(const std::string& asked, const std::string& used, Lang lang);
// What the group says below its figures after a run: the grade used instead of a
// missing one, then the model's warnings, or why there are no figures.
std::vector<std::string> steelNotes(const SteelOutcome& outcome, Lang lang);

// Why the design cannot work, one sentence per reason; why a figure at work is not
// given; that the heat conditions of the design could not be read.
std::string steelReason(SteelReason reason, const WorkingFigures& w, Lang lang);
std::string steelFigureGap(FigureGap gap, Lang lang);
std::string heatConditionsDefaulted(Lang lang);

// The report's section (after the windings), and velmora-cli's lines.
std::string steelReport(const SteelResult& s, const SteelGrade& g, Lang lang);
std::string steelSummary(const SteelResult& s, const SteelGrade& g, Lang lang);

}  // namespace velmora::texts
