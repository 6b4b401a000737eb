// The core advisor's words: the ranking choices, why cores were left out, the table's
// headings and the list file's problems, in Russian and English.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "advisor.hpp"
#include "core_list.hpp"
#include "texts.hpp"

namespace velmora::texts {

// The advisor window's own words, one row per id.
enum class AdvisorWord {
    heatLimit,          // the label before the heat limit's choice
    heatClass,          // hot spot within the insulation class
    heatRise,           // surface rise at most
    designSteel,        // the check box: the design's grade and Bm on every core
    designSteelTip,
    newCore,            // the button that enters a core by its sizes
    newCoreTitle,
    coreTitle,          // the title of the editor of a listed core
};
std::string_view advisorWord(AdvisorWord id, Lang lang);

std::string_view rankingName(Ranking by, Lang lang);  // "наименьшая масса стали", ...
std::string_view verdictName(Verdict v, Lang lang);   // "подходит", "переполнен", ...

// One line of counts: how many fit and how many were left out, by reason.
std::string adviceCounts(const AdviceCounts& c, Lang lang);
// What the advice comes to: the counts, or why no core of the list will do, or why
// there is no advice (a grade missing from the steel catalogue).
std::string adviceSummary(const Advice& a, int listed, Lang lang);

// A list of cores that cannot be read: the file, the entry and the key.
std::string coreListProblem(const CoreListProblem& p, Lang lang);

// The ranked table as text: a heading line, then one line per core (at most `top`).
std::string adviceTable(const Advice& a, std::span<const ListedCore> cores, int top, Lang lang);

}  // namespace velmora::texts
