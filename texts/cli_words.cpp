// velmora-cli's own words.
#include <algorithm>

#include "cli_texts.hpp"
#include "core_shape.hpp"
#include "languages.hpp"
#include "record.hpp"
#include "rectifier_texts.hpp"
#include "say.hpp"
#include "designer_words.hpp"
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
        case UsageError::badGoal:
            return std::string(designerText(DesignerText::badGoal, lang)) + " \"" + what + "\"";
        case UsageError::badLimit:
            return std::string(designerText(DesignerText::badLimit, lang)) + " \"" + what + "\"";
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

namespace velmora::texts {
namespace {

constexpr std::string_view kCliIds[] = {
    "cli.keysTitle", "cli.keysRingNote", "cli.keysCoreNote", "cli.keysPointer", "cli.keysWidth", "cli.keysHeight",
    "cli.keysOneOrZero", "cli.keysClasses", "cli.statusOk", "cli.statusOverfill", "cli.statusRefused",
};

}  // namespace

std::string_view cliWord(CliWord id, Lang lang) {
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kCliIds) ? say(kCliIds[i], lang) : std::string_view{};
}

std::string_view statusWord(RunStatus s, Lang lang) {
    switch (s) {
        case RunStatus::ok: return cliWord(CliWord::statusOk, lang);
        case RunStatus::overfill: return cliWord(CliWord::statusOverfill, lang);
        case RunStatus::refused: break;
    }
    return cliWord(CliWord::statusRefused, lang);
}

std::string_view summaryCoreName(CoreKind kind, Lang lang) {
    static constexpr std::string_view kIds[] = {"cli.coreName.0", "cli.coreName.1", "cli.coreName.2",
                                                "cli.coreName.3", "cli.coreName.4"};
    return say(kIds[kindIndex(kind)], lang);
}

std::string designKeys(Lang lang) {
    std::string o = std::string(cliWord(CliWord::keysTitle, lang)) + "\n";
    const CoreShape& ring = shapeOf(CoreKind::ring);
    for (const Field& f : designFields()) {
        std::string key(f.name);
        key.resize(std::max<std::size_t>(key.size(), 12), ' ');
        o += "  " + key + " " + std::string(label(f, lang));
        if (std::string_view u = unit(f, lang); !u.empty()) o += ", " + std::string(u);
        // What the label leaves open: the values of a choice, which of two sizes, which winding.
        auto note = [&](std::string_view text) { o += "; " + std::string(text); };
        if (f.name == "core") note(cliWord(CliWord::keysCoreNote, lang));
        if (f.name == "hkar") note(cliWord(CliWord::keysWidth, lang));
        if (f.name == "hkar1") note(cliWord(CliWord::keysHeight, lang));
        if (f.name == "Insulation") note(cliWord(CliWord::keysClasses, lang));
        if (f.control == ControlKind::check || f.name == "Impregnated") note(cliWord(CliWord::keysOneOrZero, lang));
        if (f.name.rfind("rect2_", 0) == 0)
            for (int c = 0; c <= 4; ++c)
                note(std::to_string(c) + " " + std::string(rectifierCircuit(c, lang)));
        for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
            if (f.name == kCoreDimFields[k] && !ring.dimNames[k].empty())
                note(std::string(cliWord(CliWord::keysRingNote, lang)) +
                     std::string(coreSizeLabel(f.name, coreNumber(CoreKind::ring), lang)));
        if (f.winding >= 1) note(windingOf(f.winding, lang));
        o += "\n";
    }
    return o;
}

}  // namespace velmora::texts
