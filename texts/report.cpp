// The proposed file name of a design and the text of its report.
#include "core_shape.hpp"
#include "instruction.hpp"
#include "numtext.hpp"
#include "rectifier_texts.hpp"
#include "say.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {


// Characters that a file name cannot hold on one system or another.
bool forbidden(char c) {
    return static_cast<unsigned char>(c) < 32 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

std::string header(const Record& r, CoreKind kind, Lang lang) {
    std::string s = shapeOf(kind).ring
                        ? say("report.ring", lang, {r.lst, r.hst, r.lok})
                        : say("report.core", lang,
                              {say("report.kind." + std::to_string(kindIndex(kind)), lang), r.lst, r.hst, r.lok, r.hok});
    s += say("report.induction", lang, {r.Bm});
    return s += say("report.density", lang, {r.j});
}

std::string primaryBlock(const Record& r, const RunResult& run, Lang lang) {
    return say("report.primary", lang, {r.U1nom, r.U1max, r.W1, r.D1, fixed(run.n1, 0)});
}

std::string secondaryBlock(const Record& r, const RunResult& run, int i, Lang lang) {
    return say("report.secondary", lang, {r.U2[i], r.I2[i], r.W2[i], r.D2[i], fixed(run.n2[i], 0)}) +
           (r.double2[i] != 0 ? std::string(say("report.tap", lang)) : std::string("\r\n"));
}

ReportText failed(std::string_view whyId, Lang lang) {
    return {false, {}, say("report.failed", lang, {say(whyId, lang)})};
}

}  // namespace

std::string designName(const Record& r, std::string_view extension, Lang lang) {
    std::string name;
    const CoreShape* shape = shapeOf(r.core);
    // The ring's letter is Cyrillic in Russian; other languages read it as the Latin T.
    if (shape) name = (shape->ring ? std::string(say("name.ringLetter", lang)) : std::string(shape->letters)) + " ";
    name += r.lst + "x" + r.hst + "x" + r.lok;
    if (!isRing(r.core)) name += "x" + r.hok;
    name += ", " + r.Bm + std::string(say("name.tesla", lang)) + ", " + r.j + std::string(say("name.density", lang));
    for (int i = 0; i < kSecondaries; ++i)
        if (!r.U2[i].empty()) name += ", " + r.U2[i] + std::string(say("name.volts", lang)) + r.I2[i] + std::string(say("name.amps", lang));
    for (char& c : name) {
        if (c == '.')
            c = ',';
        else if (forbidden(c))
            c = '_';
    }
    return name + std::string(extension);
}

ReportText report(const Record& r, const RunResult& run, Lang lang, const ReportExtras& extras) {
    const std::optional<CoreKind> kind = coreKindFrom(r.core);
    if (!kind)
        return failed("report.unknownKind", lang);
    if (run.status != RunStatus::ok || run.instructions.empty())
        return failed("report.notFinished", lang);

    std::string text = header(r, *kind, lang);
    for (const Instruction& in : run.instructions) {
        const Paragraph p = paragraph(in, lang);
        text += p.before + p.heading;
        text += in.winding == 1 ? primaryBlock(r, run, lang) : secondaryBlock(r, run, in.winding - 2, lang);
        text += p.body;
        if (in.winding == 1) text += secondariesHeading(lang);
    }
    text += extras.steel;
    text += rectifierReport(r, run, lang);
    text += extras.cannotWork;
    return {true, text, {}};
}

}  // namespace velmora::texts
