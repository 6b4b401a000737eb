// Message boxes: warnings of a run, its overfill and refusals, and the wire
// catalogue's faults.
#include "numtext.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

std::string quoted(std::string_view s, Lang lang) {
    std::string q(say("quote.open", lang));  // appended: GCC 12 misreads "..." + std::string at -O3
    q += s;
    return q += say("quote.close", lang);
}

std::string withWinding(std::string what, int winding, Lang lang) {
    if (std::string w = windingOf(winding, lang); !w.empty()) what += " " + w;
    return what;
}

// «label» of a field as the window shows it for the core, with its winding.
std::string fieldName(const Message& m, Lang lang) {
    const Field* f = findField(m.field);
    const std::string_view shown = f ? coreSizeLabel(m.field, m.core, lang) : m.field;
    std::string s = quoted(shown, lang);
    if (m.field == "hkar") s += say("field.hkarWidth", lang);
    if (m.field == "hkar1") s += say("field.hkar1Height", lang);
    return withWinding(s, f ? f->winding : 0, lang);
}

std::string_view quantityId(Quantity q) {
    switch (q) {
        case Quantity::strands: return "quantity.strands";
        case Quantity::diagramSize: return "quantity.diagramSize";
        case Quantity::wirePasses: return "quantity.wirePasses";
        case Quantity::turnsPerLayer: return "quantity.turnsPerLayer";
        case Quantity::maxLayers: return "quantity.maxLayers";
        case Quantity::wireDiameter: return "quantity.wireDiameter";
        case Quantity::wireSection: return "quantity.wireSection";
        case Quantity::windingSection: return "quantity.windingSection";
        case Quantity::wireMass: return "quantity.wireMass";
        case Quantity::innerDiameter: return "quantity.innerDiameter";
        case Quantity::coilWidth: return "quantity.coilWidth";
        case Quantity::none: break;
    }
    return "quantity.none";
}

// What a refused run is named by: a computed quantity, or a result field.
std::string subject(const Message& m, Lang lang) {
    if (const Field* f = m.field.empty() ? nullptr : findField(m.field))
        return withWinding(say("subject.value", lang, {quoted(label(*f, lang), lang)}), f->winding, lang);
    return withWinding(std::string(say(quantityId(m.what), lang)), m.winding, lang);
}

std::string refusalReason(const Message& m, Lang lang) {
    const std::string field = m.field.empty() ? std::string() : fieldName(m, lang);
    switch (m.why) {
        case Refusal::notPositive: return say("refusal.notPositive", lang, {field});
        case Refusal::notNegative: return say("refusal.notNegative", lang, {field});
        case Refusal::notFinite: return say("refusal.notFinite", lang, {field});
        case Refusal::coreKind: return say("refusal.coreKind", lang, {std::to_string(m.core)});
        case Refusal::ringDiameters: return std::string(say("refusal.ringDiameters", lang));
        case Refusal::windowTooLow: return std::string(say("refusal.windowTooLow", lang));
        case Refusal::noSizeTable: return say("refusal.noSizeTable", lang, {m.text});
        case Refusal::tooLarge: return say("refusal.tooLarge", lang, {subject(m, lang)});
        case Refusal::undefined: return say("refusal.undefined", lang, {subject(m, lang)});
        case Refusal::turnsBelowOne: return say("refusal.turnsBelowOne", lang, {windingOf(m.winding, lang)});
        case Refusal::beyondWires: return say("refusal.beyondWires", lang, {field});
        case Refusal::primaryDrop: return std::string(say("refusal.primaryDrop", lang));
        case Refusal::internal:
        case Refusal::none:
            break;
    }
    return std::string(say("refusal.internal", lang));
}

std::string catalogueFault(const Message& m, Lang lang) {
    const std::string v = "\"" + m.value + "\"", v2 = "\"" + m.value2 + "\"";
    auto at = [&](std::string_view id, std::initializer_list<std::string_view> args) {
        return say("catalogue.at", lang, {std::to_string(m.entry), say(id, lang, args)});
    };
    switch (m.fault) {
        case CatalogueFault::noSizes: return std::string(say("catalogue.noSizes", lang));
        case CatalogueFault::dNotNumber: return at("catalogue.dNotNumber", {v});
        case CatalogueFault::dizNotNumber: return at("catalogue.dizNotNumber", {v});
        case CatalogueFault::mNotNumber: return at("catalogue.mNotNumber", {v});
        case CatalogueFault::dBelowMin: return at("catalogue.dBelowMin", {v});
        case CatalogueFault::notAscending:
            return at("catalogue.notAscending", {v, std::to_string(m.entry - 1), v2});
        case CatalogueFault::dizBelowD: return at("catalogue.dizBelowD", {v, v2});
        case CatalogueFault::negativeMass: return at("catalogue.negativeMass", {v});
        case CatalogueFault::none:
        case CatalogueFault::tooLarge:
        case CatalogueFault::noEntry:
            break;
    }
    return {};
}

std::string tooLarge(const Message& m, Lang lang) {
    if (m.fault != CatalogueFault::tooLarge) return {};
    return say("catalogue.tooLarge", lang, {m.path});
}

std::string noSizeFile(const Message& m, Lang lang) { return say("catalogue.noSizeFile", lang, {m.text}); }

std::string text(const Message& m, Lang lang) {
    switch (m.code) {
        case MessageCode::inductionTape: return std::string(say("message.inductionTape", lang));
        case MessageCode::inductionLaminated: return std::string(say("message.inductionLaminated", lang));
        case MessageCode::diameterReplaced: {
            const std::string whose =
                m.winding == 1 ? std::string(say("message.whosePrimary", lang))
                               : say("message.whoseSecondary", lang,
                                     {say("ordinal." + std::to_string((m.winding - 2) % kSecondaries + 1), lang)});
            return say("message.diameterReplaced", lang, {whose, fixed(m.a, 3), fixed(m.b, 3)});
        }
        case MessageCode::kindMissing: return say("message.kindMissing", lang, {m.text, m.text2});
        case MessageCode::overfill: return std::string(say("message.overfill", lang));
        case MessageCode::refused: return say("message.refused", lang, {refusalReason(m, lang)});
        case MessageCode::noKindList: {
            std::string s(say("message.noKindList", lang));
            if (m.fault == CatalogueFault::noEntry) s += say("message.noKindEntry", lang);
            return s + tooLarge(m, lang);
        }
        case MessageCode::noSizeFile:
            return noSizeFile(m, lang) + tooLarge(m, lang);
        case MessageCode::badSizeFile:
            return say("message.badSizeFile", lang, {noSizeFile(m, lang), m.path, catalogueFault(m, lang)});
    }
    return {};
}

}  // namespace

std::string windingOf(int winding, Lang lang) {
    if (winding == 1) return std::string(say("winding.primary", lang));
    if (winding >= 2 && winding < 2 + kSecondaries)
        return say("winding.secondary", lang, {std::to_string(winding - 1)});
    return {};
}

std::string_view warningCaption(Lang lang) { return say("message.warning", lang); }

Shown message(const Message& m, Lang lang) {
    return {std::string(warningCaption(lang)), text(m, lang)};
}

std::string refusalSentence(const Message& m, Lang lang) {
    std::string s = refusalReason(m, lang);
    // The first letter up: every refusal begins with a lower-case word of these two.
    if (s.rfind("значение", 0) == 0) s.replace(0, 2, "З");
    else if (s.rfind("число", 0) == 0) s.replace(0, 2, "Ч");
    else if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

}  // namespace velmora::texts
