// The steel catalogue "Стали.txt" of the data folder: one entry per grade, in the
// key/value form of the wire catalogue (data/README.md describes the keys).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record.hpp"
#include "steel.hpp"

namespace velmora {

inline constexpr std::string_view kSteelFile = "Стали.txt";

// Why a steel catalogue was refused.
enum class SteelRefusal {
    none,
    noFile,          // missing, or no regular file
    tooLarge,        // over the text-file limit
    noEntry,         // no grade1
    badNumber,       // key's value is no finite number
    notPositive,     // key's value is 0 or below
    missingValue,    // a required key is empty (family, thickness, density)
    noLoss,          // the entry has no loss point
    badFamily,       // value neither GO nor NO
    lossNotRising,   // key's loss is not above the loss at the induction before it
    fieldNotRising,  // key's field is not above the field at the induction before it
    typicalAboveMax, // key's typical loss exceeds the maximum at the same induction
    duplicateName,   // the grade's name (case aside) came in an earlier entry
};

// A refusal: the code, the entry (1-based, 0 for the file as a whole), the key and
// the text it held, and the file.
struct SteelProblem {
    SteelRefusal code = SteelRefusal::none;
    int entry = 0;
    std::string key;
    std::string value;
    std::string file;  // UTF-8 path
};

struct SteelCatalogue {
    bool ok = false;
    std::vector<SteelGrade> grades;  // in file order
    SteelProblem problem;            // when !ok
};

// The entries of a catalogue text (already decoded to UTF-8); `file` names it in a
// refusal. Any entry that is not sound refuses the whole catalogue.
SteelCatalogue ParseSteels(std::string_view text, std::string_view file);
// Reads "<folder>/Стали.txt".
SteelCatalogue LoadSteels(const std::filesystem::path& folder);

// The grade of that name (case aside), or nullptr.
const SteelGrade* FindSteelGrade(const std::vector<SteelGrade>& grades, std::string_view name);

// The grade a design asks for (its field Steel): that grade, or the core kind's default
// when it asks for none or for one the catalogue lacks (`missing` then says so).
// A copy of the grade, so the choice outlives the catalogue it came from.
struct SteelChoice {
    std::optional<SteelGrade> grade;  // none only when the catalogue lacks the default too
    int index = -1;                   // the grade's entry in the catalogue, -1 with none
    bool missing = false;
    std::string asked;
};
SteelChoice ChooseSteel(const std::vector<SteelGrade>& grades, std::string_view asked, int core);

// The steel model after a run, for the grade the record asks for: no result when the
// run did not end ok, the catalogue was refused or holds no grade for the kind.
// The heat conditions come from the record's Tamb, Insulation and Impregnated; where
// those cannot be read the defaults stand and `conditionsDefaulted` says so.
struct SteelOutcome {
    SteelChoice choice;
    std::optional<SteelResult> result;
    HeatConditions conditions;
    bool conditionsDefaulted = false;
};
SteelOutcome RunSteel(const SteelCatalogue& catalogue, const Record& r, const RunResult& run);

}  // namespace velmora
