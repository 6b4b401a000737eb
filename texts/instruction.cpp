// The winding instruction of the comment box, and the tool-tips of the results.
#include "instruction.hpp"

#include <array>

#include "numtext.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

// Ring: the wire passes per layer, the last layer taking the rest.
std::string layerList(const Instruction& in) {
    std::string s;
    int k = 1;
    for (int turns : in.layers) s += std::to_string(k++) + ". " + std::to_string(turns) + ",  ";
    return s + std::to_string(k) + ". " + std::to_string(in.rest) + "\r\n\r\n";
}

std::string secondaryNumber(const Instruction& in) { return std::to_string(in.winding - 1); }

}  // namespace

Paragraph paragraph(const Instruction& in, Lang lang) {
    const bool primary = in.winding == 1;
    const std::string n = secondaryNumber(in);
    Paragraph p;
    if (primary && in.layout == Layout::twoCoils) p.before = say("instruction.twoCoils", lang);
    p.heading = primary ? std::string(say("instruction.primaryHeading", lang))
                        : say("instruction.secondaryHeading", lang, {n});
    // Russian declines the ordinal by the secondary's number ("1-ой", "3-ей").
    const std::string whose =
        primary ? std::string(say("instruction.whosePrimary", lang))
                : say("instruction.whoseSecondary." + std::to_string((in.winding - 2) % kSecondaries + 1), lang, {n});
    const std::string build = fixed(in.build, 1);
    if (in.layout == Layout::ring) {
        p.body = say("instruction.ring", lang, {whose, build});
        p.body += layerList(in);
        return p;
    }
    // The bobbin's primary has never had a full stop after its turns.
    const bool bobbinPrimary = primary && in.layout == Layout::bobbin;
    p.body = say(bobbinPrimary ? "instruction.bobbinPrimary" : "instruction.coil", lang,
                 {whose, build, std::to_string(in.Nt)});
    return p;
}

std::string_view secondariesHeading(Lang lang) { return say("instruction.secondaries", lang); }

std::string comment(const RunResult& run, Lang lang) {
    if (run.status != RunStatus::ok) {
        // The overfill message with the comment box's line ends; a refusal as it is said.
        const std::string said = message(run.messages.back(), lang).text;
        if (run.status != RunStatus::overfill) return said;
        std::string s;
        for (char c : said) s += c == '\n' ? std::string("\r\n") : std::string(1, c);
        return s;
    }
    std::string s;
    for (const Instruction& in : run.instructions) {
        const Paragraph p = paragraph(in, lang);
        s += p.before + p.heading + p.body;
        if (in.winding == 1) s += secondariesHeading(lang);
    }
    return s;
}

std::string hint(const Hint& h, Lang lang) {
    switch (h.kind) {
        case Hint::wire: return say("hint.wire", lang, {fixed(h.Diz, 3), fixed(h.S, 3), fixed(h.Sw, 3)});
        case Hint::mass: return say("hint.mass", lang, {fixed(h.kg, 3)});
        case Hint::empty:
            break;
    }
    return {};
}

std::string gaugeLine(const Hint& h, Lang lang) {
    if (h.kind != Hint::wire || h.awg <= 0) return {};
    return say("hint.gauge", lang, {std::to_string(h.awg)});
}

}  // namespace velmora::texts
