// The rectifier helper in words.
#include <array>
#include <cmath>

#include "numtext.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string winding(int secondary) { return std::string("2.") + std::to_string(secondary + 1); }

std::string_view inputId(RectifierInput in) {
    switch (in) {
        case RectifierInput::kind: return "rectifier.in.kind";
        case RectifierInput::E: return "rectifier.in.E";
        case RectifierInput::F: return "rectifier.in.F";
        case RectifierInput::Rs: return "rectifier.in.Rs";
        case RectifierInput::Vd: return "rectifier.in.Vd";
        case RectifierInput::rd: return "rectifier.in.rd";
        case RectifierInput::C: return "rectifier.in.C";
        case RectifierInput::Idc: return "rectifier.in.Idc";
        case RectifierInput::path: return "rectifier.in.path";
        case RectifierInput::Udc: return "rectifier.in.Udc";
        case RectifierInput::none: break;
    }
    return {};
}

std::string_view whyId(RectifierRefusal refusal) {
    switch (refusal) {
        case RectifierRefusal::unknownKind: return "rectifier.why.unknownKind";
        case RectifierRefusal::notFinite: return "rectifier.why.notFinite";
        case RectifierRefusal::notPositive: return "rectifier.why.notPositive";
        case RectifierRefusal::negative: return "rectifier.why.negative";
        case RectifierRefusal::tooLarge: return "rectifier.why.tooLarge";
        case RectifierRefusal::tooSmall: return "rectifier.why.tooSmall";
        case RectifierRefusal::none: break;
    }
    return {};
}

// An id that names nothing says nothing.
std::string_view sayId(std::string_view id, Lang lang) { return id.empty() ? id : say(id, lang); }

std::string refusedText(RectifierRefusal refusal, RectifierInput input, Lang lang) {
    return say("rectifier.refused", lang, {sayId(inputId(input), lang), sayId(whyId(refusal), lang)});
}

std::string unreachableText(Lang lang) { return std::string(say("rectifier.unreachable", lang)); }
std::string overloadedText(Lang lang) { return std::string(say("rectifier.overloaded", lang)); }

std::string notSettledText(int rounds, Lang lang) {
    return say("rectifier.notSettled", lang, {std::to_string(rounds)});
}

std::string doneText(double Udc, double Idc, Lang lang) {
    return say("rectifier.done", lang, {fixed(Udc, 2), fixed(Idc, 2)});
}

std::string line(std::string_view label, double v, int decimals, std::string_view unit) {
    std::string s(label);
    s += " ";
    s += std::isfinite(v) ? fixed(v, decimals) : std::string("-");
    if (!unit.empty()) {
        s += " ";
        s += unit;
    }
    return s + "\r\n";
}

std::string section(const Record& r, const RunResult& run, int i, Lang lang) {
    const RectifierInputs s = rectifierInputs(r, i);
    const RectifierCircuit c = rectifierOnWinding(run.figures, i, s);
    const RectifierResult x = solveRectifier(c);
    const auto kind = static_cast<RectifierKind>(s.circuit);
    const bool tap = needsCentreTap(kind);
    const bool dual = kind == RectifierKind::dualRail;
    auto add = [&](std::string_view id, double v, int decimals, std::string_view unitId) {
        return line(say(id, lang), v, decimals, unitId.empty() ? unitId : say(unitId, lang));
    };
    std::string t = say("rectifier.section", lang, {std::to_string(i + 1)});
    t += say("rectifier.circuit", lang, {rectifierCircuit(s.circuit, lang)});
    t += add(dual ? "rectifier.UdcDual" : "rectifier.Udc", s.Udc, 2, "unit.V");
    t += add(dual ? "rectifier.IdcDual" : "rectifier.Idc", s.Idc, 3, "unit.A");
    t += add("rectifier.C", s.C_uF, 0, "unit.uF");
    t += add("rectifier.Vd", s.Vd, 2, "unit.V");
    t += add("rectifier.rd", s.rd, 3, "unit.Ohm");
    t += add("rectifier.E", c.E, 2, "unit.V");
    t += add("rectifier.Rs", c.Rs, 3, "unit.Ohm");
    if (x.status == RectifierStatus::settled || x.status == RectifierStatus::notSettled) {
        t += add("rectifier.reached", x.Udc, 2, "unit.V");
        t += add("rectifier.ripple", x.ripple, 2, "unit.V");
        t += add(tap ? "rectifier.IrmsHalf" : "rectifier.Irms", x.Irms, 3, "unit.A");
        t += add("rectifier.Ipeak", x.Ipeak, 2, "unit.A");
        t += add("rectifier.ratio", x.Irms / s.Idc, 2, {});
        t += add("rectifier.angle", x.angle, 1, {});
        const RectifierPower w = rectifierPower(c, x);
        t += add("rectifier.dcPower", w.dc, 2, "unit.W");
        t += add("rectifier.diodeLoss", w.diodes, 2, "unit.W");
    }
    if (x.status == RectifierStatus::notSettled) t += notSettledText(x.cycles, lang) + "\r\n";
    if (x.status == RectifierStatus::overloaded) t += overloadedText(lang) + "\r\n";
    if (x.status == RectifierStatus::refused) t += refusedText(x.refusal, x.input, lang) + "\r\n";
    if (s.circuit == static_cast<int>(RectifierKind::halfWave))
        t += rectifierWarning(RectifierWarning::dcMagnetisesCore, lang) + "\r\n";
    return t + "\r\n";
}

}  // namespace

std::string_view rectifierCircuit(int circuit, Lang lang) {
    const int k = circuit >= 1 && circuit <= 4 ? circuit : 0;
    return sayOr("circuit." + std::to_string(k), lang, {});
}

std::string rectifierTapNote(RectifierTap tap, int secondary, int circuit, Lang lang) {
    switch (tap) {
        case RectifierTap::kept: return {};
        case RectifierTap::set: return say("rectifier.tapSet", lang, {winding(secondary), rectifierCircuit(circuit, lang)});
        case RectifierTap::removed:
            return say("rectifier.tapRemoved", lang, {winding(secondary), rectifierCircuit(circuit, lang)});
    }
    return {};
}

std::string rectifierTapCaption(Lang lang) { return std::string(say("rectifier.tapCaption", lang)); }

std::string rectifierTapQuestion(int secondary, int circuit, Lang lang) {
    return say("rectifier.tapQuestion", lang, {winding(secondary), rectifierCircuit(circuit, lang)});
}

std::string rectifierStatus(const RectifierDesign& d, const RectifierInputs& s, Lang lang) {
    using S = RectifierDesignStatus;
    switch (d.status) {
        case S::none: return {};
        case S::settled: return doneText(d.reached.Udc, s.Idc, lang);
        case S::notSettled: return notSettledText(d.rounds, lang);
        case S::refused: return refusedText(d.refusal, d.input, lang);
        case S::unreachable: return unreachableText(lang);
        case S::overloaded: return overloadedText(lang);
        case S::designFailed:
            return std::string(say(d.run == RunStatus::overfill ? "rectifier.noFit" : "rectifier.designFailed", lang));
    }
    return {};
}

std::string rectifierWarning(RectifierWarning w, Lang lang) {
    if (w != RectifierWarning::dcMagnetisesCore) return {};
    return std::string(say("rectifier.halfWave", lang));
}

std::string rectifierMark(const RectifierInputs& s, Lang lang) {
    // "═" (U+2550) stands for direct current: the DC sign U+2393 is missing from the
    // fonts Debian installs (DejaVu, Liberation), which all have this one.
    return say("rectifier.mark", lang, {fixed(s.Udc, 1), fixed(s.Idc, 2)});
}

std::string rectifierMarkTip(const RectifierDesign& d, const RectifierInputs& s, Lang lang) {
    std::string tip(rectifierCircuit(s.circuit, lang));
    for (const std::string& t : {rectifierStatus(d, s, lang), rectifierWarning(d.warning, lang)})
        if (!t.empty()) tip.append("\n").append(t);
    return tip;
}

std::string rectifierReport(const Record& r, const RunResult& run, Lang lang) {
    if (run.status != RunStatus::ok) return {};
    std::string t;
    for (int i = 0; i < kSecondaries; ++i)
        if (hasRectifier(r, i) && run.figures.used[i]) t += section(r, run, i, lang);
    return t;
}

}  // namespace velmora::texts
