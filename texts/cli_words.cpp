// velmora-cli's own words.
#include "languages.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

// The codes --lang takes, joined: "ru|en" in the usage, "ru или en" in its error.
std::string codes(std::string_view between, std::string_view last) {
    std::vector<std::string_view> offered;
    for (const Language& l : languages())
        if (!l.forTests) offered.push_back(l.code);
    std::string s;
    for (std::size_t i = 0; i < offered.size(); ++i)
        s.append(i == 0 ? "" : i + 1 == offered.size() ? last : between).append(offered[i]);
    return s;
}

}  // namespace

std::string usage(Lang lang) { return say("cli.usage", lang, {codes("|", "|")}); }

std::string usageError(UsageError e, const std::string& what, Lang lang) {
    switch (e) {
        case UsageError::needsValue: return say("cli.needsValue", lang, {what});
        case UsageError::badWidth: return say("cli.badWidth", lang, {what});
        case UsageError::badSet: return say("cli.badSet", lang, {what});
        case UsageError::unknownKey: return say("cli.unknownKey", lang, {what});
        case UsageError::unknownOption: return say("cli.unknownOption", lang, {what});
        case UsageError::twoDesigns: return std::string(say("cli.twoDesigns", lang));
        case UsageError::badLang: return say("cli.badLang", lang, {codes(", ", say("word.or", lang)), what});
        case UsageError::badTop: return say("cli.badTop", lang, {what});
        case UsageError::none:
            break;
    }
    return {};
}

std::string cliFailure(CliFailure f, const std::string& what, Lang lang) {
    switch (f) {
        case CliFailure::cannotReadDesign: return say("cli.cannotReadDesign", lang, {what});
        case CliFailure::noCatalogue: return say("cli.noCatalogue", lang, {what});
        case CliFailure::badSteels: return say("cli.badSteels", lang, {what});
    }
    return {};
}

}  // namespace velmora::texts
