// The proposed file name of a design and the text of its report.
#include <array>

#include "core_shape.hpp"
#include "instruction.hpp"
#include "numtext.hpp"
#include "rectifier_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {


// Characters that a file name cannot hold on one system or another.
bool forbidden(char c) {
    return static_cast<unsigned char>(c) < 32 ||
           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
}

std::string header(const Record& r, CoreKind kind, Lang lang) {
    const bool ru = texts::ru(lang);
    std::string s;
    if (shapeOf(kind).ring) {
        s = ru ? "Сердечник: кольцо\r\nВнешний диаметр " + r.lst + " мм\r\nВнутренний диаметр " +
                     r.hst + " мм\r\nВысота кольца " + r.lok + " мм\r\n"
               : "Core: toroid\r\nOuter diameter " + r.lst + " mm\r\nInner diameter " + r.hst +
                     " mm\r\nHeight " + r.lok + " mm\r\n";
    } else {
        static constexpr std::array<std::string_view, 5> kKindRu{
            "", "стержневой ПЛ", "броневой ШЛ", "броневой Ш", "стержневой Г"};
        static constexpr std::array<std::string_view, 5> kKindEn{
            "", "C-core, two coils (ПЛ)", "cut shell core (ШЛ)", "E-I laminations (Ш)",
            "U-I laminations, two coils (Г)"};
        s = ru ? "Сердечник: " + std::string(kKindRu[kindIndex(kind)]) + "\r\nСталь " + r.lst + "x" + r.hst +
                     "\r\nОкно " + r.lok + "x" + r.hok + "\r\n"
               : "Core: " + std::string(kKindEn[kindIndex(kind)]) + "\r\nSteel " + r.lst + "x" + r.hst +
                     "\r\nWindow " + r.lok + "x" + r.hok + "\r\n";
    }
    s += (ru ? "Амплитуда индукции " : "Peak flux density ") + r.Bm + (ru ? " Т\r\n" : " T\r\n");
    s += (ru ? "Плотность тока " : "Current density ") + r.j + (ru ? " А/мм2\r\n\r\n" : " A/mm2\r\n\r\n");
    return s;
}

std::string primaryBlock(const Record& r, const RunResult& run, Lang lang) {
    if (texts::ru(lang))
        return "Номинальное напряжение " + r.U1nom + " В\r\nМаксимальное напряжение " + r.U1max +
               " В\r\nЧисло витков " + r.W1 + "\r\nДиаметр провода " + r.D1 + " мм\r\nЧисло жил " +
               fixed(run.n1, 0) + "\r\n\r\n";
    return "Rated voltage " + r.U1nom + " V\r\nMaximum voltage " + r.U1max + " V\r\nTurns " + r.W1 +
           "\r\nWire diameter " + r.D1 + " mm\r\nStrands " + fixed(run.n1, 0) + "\r\n\r\n";
}

std::string secondaryBlock(const Record& r, const RunResult& run, int i, Lang lang) {
    const std::string tap = r.double2[i] != 0 ? (texts::ru(lang) ? "Две секции со средней точкой\r\n\r\n"
                                                                  : "Two halves with a centre tap\r\n\r\n")
                                              : "\r\n";
    if (texts::ru(lang))
        return "Номинальное напряжение " + r.U2[i] + " В\r\nНоминальный ток " + r.I2[i] +
               " А\r\nЧисло витков " + r.W2[i] + "\r\nДиаметр провода " + r.D2[i] +
               " мм\r\nЧисло жил " + fixed(run.n2[i], 0) + "\r\n" + tap;
    return "Rated voltage " + r.U2[i] + " V\r\nRated current " + r.I2[i] + " A\r\nTurns " + r.W2[i] +
           "\r\nWire diameter " + r.D2[i] + " mm\r\nStrands " + fixed(run.n2[i], 0) + "\r\n" + tap;
}

ReportText failed(const std::string& why, Lang lang) {
    return {false, {}, (texts::ru(lang) ? "Отчет не может быть составлен: " : "No report can be made: ") + why};
}

}  // namespace

std::string designName(const Record& r, std::string_view extension, Lang lang) {
    const bool ru = texts::ru(lang);
    std::string name;
    const CoreShape* shape = shapeOf(r.core);
    // The ring's letter is Cyrillic; other languages read it as the Latin T.
    if (shape) name = (shape->ring && !ru ? std::string("T") : std::string(shape->letters)) + " ";
    name += r.lst + "x" + r.hst + "x" + r.lok;
    if (!isRing(r.core)) name += "x" + r.hok;
    name += ", " + r.Bm + (ru ? "Т, " : "T, ") + r.j + (ru ? "Амм2" : "Amm2");
    for (int i = 0; i < kSecondaries; ++i)
        if (!r.U2[i].empty()) name += ", " + r.U2[i] + (ru ? "Вх" : "Vx") + r.I2[i] + (ru ? "А" : "A");
    for (char& c : name) {
        if (c == '.')
            c = ',';
        else if (forbidden(c))
            c = '_';
    }
    return name + std::string(extension);
}

ReportText report(const Record& r, const RunResult& run, Lang lang, const ReportExtras& extras) {
    const bool ru = texts::ru(lang);
    const std::optional<CoreKind> kind = coreKindFrom(r.core);
    if (!kind)
        return failed(ru ? "неизвестный вид сердечника." : "unknown core kind.", lang);
    if (run.status != RunStatus::ok || run.instructions.empty())
        return failed(ru ? "расчет не был завершен, в комментарии нет данных обмоток."
                         : "the calculation did not finish, the comment holds no winding data.",
                      lang);

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
