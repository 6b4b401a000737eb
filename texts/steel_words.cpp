// The steel and heating group in words.
#include "figure_texts.hpp"
#include "numtext.hpp"
#include "say.hpp"
#include "steel_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string num(double v, int decimals) { return fixed(v, decimals); }

std::string_view familyName(SteelFamily f, Lang lang) {
    return say(f == SteelFamily::grainOriented ? "steel.family.go" : "steel.family.no", lang);
}

}  // namespace

std::string steelGroupTitle(Lang lang) { return std::string(say("steel.title", lang)); }
std::string steelGradeLabel(Lang lang) { return std::string(say("steel.gradeLabel", lang)); }
std::string steelGradeTip(Lang lang) { return std::string(say("steel.gradeTip", lang)); }

std::string steelWarning(const SteelWarning& w, Lang lang) {
    if (w.code == SteelWarningCode::riseAboveLimit)
        return say("steel.riseAboveLimit", lang, {num(w.value, 1), num(w.limit, 0)});
    if (w.code == SteelWarningCode::hotSpotAboveClass)
        return say("steel.hotSpotAboveClass", lang, {num(w.value, 0), num(w.limit, 0)});
    return say("steel.inductionAboveLimit", lang, {num(w.value, 2), num(w.limit, 2)});
}

std::string steelReason(SteelReason reason, const WorkingFigures& w, Lang lang) {
    switch (reason) {
        case SteelReason::inductionAboveData:
            return say("steel.inductionAboveData", lang, {num(w.B0_t, 2), num(w.dataTop_t, 2)});
        case SteelReason::inductionAboveSaturation:
            return say("steel.inductionAboveSaturation", lang, {num(w.B0_t, 2), num(w.saturation_t, 2)});
        case SteelReason::supplyBelowNominal: return std::string(say("steel.supplyBelowNominal", lang));
        case SteelReason::heatingNotSettled: return std::string(say("steel.heatingNotSettled", lang));
    }
    return {};
}

std::string steelFigureGap(FigureGap gap, Lang lang) {
    switch (gap) {
        case FigureGap::noCurve: return std::string(say("steel.gap.noCurve", lang));
        case FigureGap::aboveCurve: return std::string(say("steel.gap.aboveCurve", lang));
        case FigureGap::aboveLossData: return std::string(say("steel.gap.aboveLossData", lang));
        case FigureGap::noLoss: return std::string(say("steel.gap.noLoss", lang));
        case FigureGap::notSettled: return std::string(say("steel.gap.notSettled", lang));
        case FigureGap::none:
            break;
    }
    return {};
}

std::string heatConditionsDefaulted(Lang lang) { return std::string(say("steel.heatDefaulted", lang)); }

std::string steelStatus(SteelStatus status, Lang lang) {
    switch (status) {
        case SteelStatus::noLossData: return std::string(say("steel.noLossData", lang));
        case SteelStatus::noDensity: return std::string(say("steel.noDensity", lang));
        case SteelStatus::badFigures:
        case SteelStatus::ok:
            break;
    }
    return {};
}

std::string steelProblem(const SteelProblem& p, Lang lang) {
    if (p.code == SteelRefusal::noFile) return std::string(say("steel.noFile", lang));
    std::string_view id;
    switch (p.code) {
        case SteelRefusal::tooLarge: id = "steel.tooLarge"; break;
        case SteelRefusal::noEntry: id = "steel.noEntry"; break;
        case SteelRefusal::badNumber: id = "steel.badNumber"; break;
        case SteelRefusal::notPositive: id = "steel.notPositive"; break;
        case SteelRefusal::missingValue: id = "steel.missingValue"; break;
        case SteelRefusal::noLoss: id = "steel.noLoss"; break;
        case SteelRefusal::badFamily: id = "steel.badFamily"; break;
        case SteelRefusal::lossNotRising: id = "steel.lossNotRising"; break;
        case SteelRefusal::fieldNotRising: id = "steel.fieldNotRising"; break;
        case SteelRefusal::typicalAboveMax: id = "steel.typicalAboveMax"; break;
        case SteelRefusal::duplicateName: id = "steel.duplicateName"; break;
        case SteelRefusal::none:
        case SteelRefusal::noFile:
            break;
    }
    const std::string why = id.empty() ? std::string() : say(id, lang, {std::to_string(p.entry), p.key, p.value});
    return say("steel.fileRefused", lang, {p.file, why});
}

std::string steelGradeMissing(const std::string& asked, const std::string& used, Lang lang) {
    return say("steel.gradeMissing", lang, {asked, used});
}

std::vector<std::string> steelNotes(const SteelOutcome& outcome, Lang lang) {
    std::vector<std::string> notes;
    const bool shown = outcome.result && outcome.result->status == SteelStatus::ok && outcome.choice.grade;
    if (outcome.choice.missing && outcome.choice.grade)
        notes.push_back(steelGradeMissing(outcome.choice.asked, outcome.choice.grade->name, lang));
    if (shown)
        for (const SteelWarning& w : outcome.result->warnings) notes.push_back(steelWarning(w, lang));
    else if (outcome.result)
        notes.push_back(steelStatus(outcome.result->status, lang));
    return notes;
}

namespace {

// Label: value lines, with the line end given.
std::string lines(const SteelResult& s, const SteelGrade& g, Lang lang, std::string_view indent,
                  std::string_view end) {
    std::string o;
    o.append(indent).append(steelGradeLabel(lang)).append(": ").append(g.name).append(" (")
        .append(familyName(g.family, lang)).append(")").append(end);
    for (const SteelFigure& f : kSteelFigures)  // the heading figures (B0), then the group's
        if (!f.inGroup) o.append(indent).append(figureLabel(f.id, lang)).append(": ").append(figureValue(f, s)).append(end);
    for (const SteelFigure& f : kSteelFigures)
        if (f.inGroup && figureShown(f, s)) o.append(indent).append(figureLabel(f.id, lang)).append(": ").append(figureValue(f, s)).append(end);
    for (const SteelWarning& w : s.warnings) o.append(indent).append(steelWarning(w, lang)).append(end);
    return o;
}

}  // namespace

std::string steelReport(const SteelResult& s, const SteelGrade& g, Lang lang) {
    return std::string(say("steel.reportHeading", lang)) +
           lines(s, g, lang, "", "\r\n") + "\r\n";
}

std::string steelSummary(const SteelResult& s, const SteelGrade& g, Lang lang) {
    // Appended, not "\n" + title: GCC 12 at -O3 sees a false overlap in that form.
    std::string o = "\n";
    o.append(steelGroupTitle(lang)).append("\n").append(lines(s, g, lang, "  ", "\n"));
    return o;
}

}  // namespace velmora::texts
