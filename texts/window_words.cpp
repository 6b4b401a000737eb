// The window program's terminal words, and the language of the environment.
#include "window_words.hpp"

#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {

std::string windowUsage(Lang lang) { return std::string(say("window.usage", lang)); }

std::string sheetFailure(SheetFailure f, const std::string& what, Lang lang) {
    return say(f == SheetFailure::cannotReadDesign ? "cli.cannotReadDesign" : "window.cannotWrite", lang, {what});
}

std::string windowUsageError(WindowUsageError e, const std::string& what, Lang lang) {
    switch (e) {
        case WindowUsageError::unknownOption: return say("window.unknownOption", lang, {what});
        case WindowUsageError::twoDesigns: return std::string(say("window.twoDesigns", lang));
        case WindowUsageError::pdfNeedsFile: return std::string(say("window.pdfNeedsFile", lang));
        case WindowUsageError::none: break;
    }
    return {};
}

std::string noDisplay(Lang lang) { return std::string(say("window.noDisplay", lang)); }

Lang langOfEnvironment(const EnvLookup& env) {
    if (!env) return Lang::ru;
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        std::optional<std::string> value = env(name);
        if (!value || value->empty()) continue;
        // LANGUAGE lists several, by preference; its first one counts.
        const size_t start = value->find_first_not_of(':');
        if (start == std::string::npos) continue;
        const std::string first = value->substr(start, value->find(':', start) - start);
        const bool english = first.rfind("en", 0) == 0 &&
                             (first.size() == 2 || first.find_first_of("_.@", 2) == 2);
        return english ? Lang::en : Lang::ru;
    }
    return Lang::ru;
}

}  // namespace velmora::texts
