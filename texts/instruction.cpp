// The winding instruction of the comment box, and the tool-tips of the results.
#include "instruction.hpp"

#include <array>

#include "numtext.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

constexpr std::array<std::string_view, kSecondaries> kSuffix{"ой", "ой", "ей", "ой", "ой"};

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
    const bool r = ru(lang);
    const bool primary = in.winding == 1;
    const std::string n = secondaryNumber(in);
    Paragraph p;
    if (primary && in.layout == Layout::twoCoils)
        p.before = r ? "Количество витков первичной и каждой вторичной обмоток делится поровну "
                       "между двумя катушками.\r\n\r\n"
                     : "The turns of the primary and of every secondary are shared equally between "
                       "the two coils.\r\n\r\n";
    if (r)
        p.heading = primary ? "        Первичная обмотка\r\n" : "    " + n + "-я вторичная обмотка\r\n";
    else
        p.heading = primary ? "        Primary winding\r\n" : "    Secondary winding 2." + n + "\r\n";
    const std::string whose =
        r ? (primary ? std::string("первичной обмотки")
                     : n + "-" + std::string(kSuffix[(in.winding - 2) % kSecondaries]) +
                           " вторичной обмотки")
          : (primary ? std::string("the primary") : "secondary 2." + n);
    if (in.layout == Layout::ring) {
        p.body = r ? "Внутренний диаметр после намотки " + whose + " должен быть равен примерно " +
                         fixed(in.build, 1) +
                         " мм\r\nЧисло витков по слоям должно быть не менее (кроме последнего слоя):\r\n"
                   : "Inner diameter after " + whose + ": about " + fixed(in.build, 1) +
                         " mm\r\nTurns per layer, at least (except the last layer):\r\n";
        p.body += layerList(in);
        return p;
    }
    // The bobbin's primary has never had a full stop after its turns.
    const std::string stop = primary && in.layout == Layout::bobbin && r ? "" : ".";
    p.body = r ? "Ширина катушки после намотки " + whose + " должна быть равна примерно " +
                     fixed(in.build, 1) + " мм.\r\nЧисло витков в слое должно быть не менее " +
                     std::to_string(in.Nt) + stop + "\r\n\r\n"
               : "Coil width after " + whose + ": about " + fixed(in.build, 1) +
                     " mm.\r\nTurns per layer, at least: " + std::to_string(in.Nt) + ".\r\n\r\n";
    return p;
}

std::string_view secondariesHeading(Lang lang) {
    return ru(lang) ? "        Вторичные обмотки\r\n\r\n" : "        Secondary windings\r\n\r\n";
}

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
    const bool r = ru(lang);
    switch (h.kind) {
        case Hint::wire:
            return r ? "Диаметр провода по эмали " + fixed(h.Diz, 3) + " мм\nСечение провода " +
                           fixed(h.S, 3) + " мм2\nСечение обмотки " + fixed(h.Sw, 3) + " мм2"
                     : "Enamelled wire diameter " + fixed(h.Diz, 3) + " mm\nWire section " +
                           fixed(h.S, 3) + " mm2\nWinding section " + fixed(h.Sw, 3) + " mm2";
        case Hint::mass:
            return (r ? "Масса провода " : "Wire mass ") + fixed(h.kg, 3) + (r ? " кг" : " kg");
        case Hint::empty:
            break;
    }
    return {};
}

std::string gaugeLine(const Hint& h, Lang lang) {
    if (h.kind != Hint::wire || h.awg <= 0) return {};
    return (ru(lang) ? "Калибр AWG " : "Gauge AWG ") + std::to_string(h.awg);
}

}  // namespace velmora::texts
