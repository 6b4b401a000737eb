// The window program's words on the terminal: its usage, its usage errors and why it
// cannot open a window. They are said before the window and its translations exist,
// so they are worded here, like velmora-cli's.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "texts.hpp"

namespace velmora::texts {

enum class WindowUsageError { none, unknownOption, twoDesigns, pdfNeedsFile };
// Why `velmora --print-pdf` wrote no sheet: the design or the PDF file named.
enum class SheetFailure { cannotReadDesign, cannotWritePdf };
std::string sheetFailure(SheetFailure f, const std::string& what, Lang lang);

std::string windowUsage(Lang lang);
std::string windowUsageError(WindowUsageError e, const std::string& what, Lang lang);
std::string noDisplay(Lang lang);

// The value of an environment variable, nothing when unset.
using EnvLookup = std::function<std::optional<std::string>(const char* name)>;

// The language the user's locale names, for what is said before the state file can be
// read: the first of LANGUAGE (its first entry), LC_ALL, LC_MESSAGES and LANG that is
// set and not empty decides; English when it names English ("en", "en_GB.UTF-8"),
// Russian for every other language and for "C" and "POSIX", as for no locale at all.
Lang langOfEnvironment(const EnvLookup& env);

}  // namespace velmora::texts
