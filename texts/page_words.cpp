#include "page_words.hpp"

#include <array>
#include <string>

#include "say.hpp"

namespace velmora::texts {

std::span<const std::string_view> pageKeys() {
    static constexpr std::array<std::string_view, 56> kKeys{
        "language", "core", "totals", "calculate", "load", "save", "saveReport", "help", "about",
        "fill", "comment", "primary", "secondary", "bobbinWidth", "bobbinHeight", "ringDHint",
        "ringdHint", "ringHHint", "steelLsHint", "steelHsHint", "steelLokHint", "hole", "noFit",
        "aboutText", "ok", "rectifier", "rectifierNone", "rectifierUdc", "rectifierIdc",
        "rectifierC", "rectifierVd", "rectifierRd", "rectifierDiodeTip", "apply", "close",
        "loading", "calculated", "stale", "notCalculated", "addSecondary", "reset", "copyLink",
        "linkCopied", "linkShown", "updateReady", "reload", "fillShares", "fillFree",
        "appDescription", "insulationOption", "tambTip", "insulationTip", "impregnatedTip",
        "designer", "designerBusy", "designerBadLimit"};
    return kKeys;
}

std::string_view pageWord(std::string_view key, Lang lang) { return sayOr("page." + std::string(key), lang, {}); }

}  // namespace velmora::texts
