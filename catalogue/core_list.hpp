// The user's own list of cores "Сердечники.txt": for n = 1, 2, ... the keys name{n},
// core{n} (kind 0..4), lst{n}, hst{n}, lok{n}, hok{n} (mm, decimal comma or point;
// a ring has no hok) and optionally note{n}, in the key/value form of the wire
// catalogue. The list ends at the first missing name{n}.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "advisor.hpp"

namespace velmora {

inline constexpr std::string_view kCoreListFile = "Сердечники.txt";

// Why a list of cores was refused.
enum class CoreListRefusal {
    none,
    noFile,       // missing, or no regular file
    tooLarge,     // over the text-file limit
    badKind,      // core{n} is no kind 0..4
    missingSize,  // a size the kind needs is empty
    badNumber,    // key's value is no finite number
    notPositive,  // key's value is 0 or below
};

struct CoreListProblem {
    CoreListRefusal code = CoreListRefusal::none;
    int entry = 0;      // from 1; 0 for the file as a whole
    std::string key;    // the key concerned
    std::string value;  // the text it held
    std::string file;   // UTF-8 path
    bool operator==(const CoreListProblem&) const = default;
};

struct CoreList {
    bool ok = false;
    std::vector<ListedCore> cores;  // in file order
    CoreListProblem problem;        // when !ok
};

// The entries of a list text (decoded to UTF-8); `file` names it in a refusal. An
// entry that is not sound refuses the whole list, so that nothing is lost on saving.
CoreList ParseCoreList(std::string_view text, std::string_view file);
CoreList LoadCoreList(const std::filesystem::path& path);

// A name or note as an entry can hold it: control characters become blanks, '=' a
// '-' (a value holding "name2 = x" would read as that key's), blanks at either end go. A name empty after this cannot stand in the list (it would end it).
std::string listText(std::string_view text);

// The list as the file holds it (UTF-8; the writer encodes it): TAB, "= ", CR LF,
// sizes with a decimal comma, every note (empty too) and an empty name after the last. ParseCoreList reads it back to the same
// cores when names and notes are listText's own and every name is non-empty.
std::string FormatCoreList(const std::vector<ListedCore>& cores);

}  // namespace velmora
