// The core advisor's words.
#include "advisor_words.hpp"

#include <algorithm>
#include <array>

#include "figure_texts.hpp"
#include "numtext.hpp"
#include "wording.hpp"

namespace velmora::texts {

namespace {

// Characters of a UTF-8 text (continuation bytes do not count).
size_t columns(std::string_view s) {
    return static_cast<size_t>(
        std::count_if(s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string padRight(std::string_view s, size_t width) {
    std::string o(s);
    for (size_t n = columns(s); n < width; ++n) o += ' ';
    return o;
}

std::string padLeft(std::string_view s, size_t width) {
    std::string o;
    for (size_t n = columns(s); n < width; ++n) o += ' ';
    return o.append(s);
}

std::string_view kindShort(int core, Lang lang) {
    static constexpr std::array<std::string_view, 5> kRu{"кольцо", "ПЛ", "ШЛ", "Ш", "Г"};
    static constexpr std::array<std::string_view, 5> kEn{"ring", "ПЛ", "ШЛ", "Ш", "Г"};
    const std::optional<CoreKind> k = coreKindFrom(core);
    if (!k) return "?";
    return (ru(lang) ? kRu : kEn)[kindIndex(*k)];
}

}  // namespace

namespace {

struct AdvisorRow {
    AdvisorWord id;
    std::string_view ru, en;
};
constexpr AdvisorRow kAdvisorWords[] = {
    {AdvisorWord::heatLimit, "Нагрев:", "Heating:"},
    {AdvisorWord::heatClass, "точка не выше класса изоляции", "hot spot within the insulation class"},
    {AdvisorWord::heatRise, "перегрев не более", "rise at most"},
    {AdvisorWord::designSteel, "Моя марка стали и Bm для всех", "My steel grade and Bm for all"},
    {AdvisorWord::designSteelTip,
     "Без отметки каждый сердечник считается с маркой стали своего вида по умолчанию и с индукцией, "
     "которую предлагает его вид: так сердечники разных видов сравниваются честно. С отметкой - с маркой "
     "стали и амплитудой индукции главного окна.",
     "Unticked, each core is computed with its kind's default steel grade and the induction its kind "
     "proposes, so that cores of different kinds compare fairly. Ticked, with the steel grade and the peak "
     "flux density of the main window."},
    {AdvisorWord::newCore, "Новый...", "New..."},
    {AdvisorWord::newCoreTitle, "Новый сердечник списка", "A new core of the list"},
    {AdvisorWord::coreTitle, "Сердечник списка", "A core of the list"},
};

}  // namespace

std::string_view advisorWord(AdvisorWord id, Lang lang) {
    for (const AdvisorRow& r : kAdvisorWords)
        if (r.id == id) return ru(lang) ? r.ru : r.en;
    return {};
}

std::string_view rankingName(Ranking by, Lang lang) {
    switch (by) {
        case Ranking::rise: return ru(lang) ? "наименьший перегрев" : "lowest temperature rise";
        case Ranking::efficiency: return ru(lang) ? "наибольший КПД" : "highest efficiency";
        case Ranking::steelMass: break;
    }
    return ru(lang) ? "наименьшая масса стали" : "smallest steel mass";
}

std::string_view verdictName(Verdict v, Lang lang) {
    switch (v) {
        case Verdict::fit: return ru(lang) ? "подходит" : "fits";
        case Verdict::overfill: return ru(lang) ? "окно переполнено" : "window overfilled";
        case Verdict::refused: return ru(lang) ? "расчет невозможен" : "cannot be calculated";
        case Verdict::tooHot: return ru(lang) ? "нагрев выше предела" : "too hot for the limit";
        case Verdict::margin: return ru(lang) ? "мал запас окна" : "too little room left";
    }
    return {};
}

std::string adviceCounts(const AdviceCounts& c, Lang lang) {
    const std::array<std::pair<Verdict, int>, 5> parts{{{Verdict::fit, c.fit},
                                                        {Verdict::overfill, c.overfill},
                                                        {Verdict::refused, c.refused},
                                                        {Verdict::tooHot, c.tooHot},
                                                        {Verdict::margin, c.margin}}};
    std::string o;
    for (const auto& [v, n] : parts) {
        if (!o.empty()) o += "; ";
        o.append(verdictName(v, lang)).append(": ").append(std::to_string(n));
    }
    return o;
}

std::string adviceSummary(const Advice& a, int listed, Lang lang) {
    if (a.status == AdviceStatus::noGrade)
        return ru(lang) ? "Марки стали \"" + a.grade + "\" нет в каталоге сталей: подбор невозможен."
                        : "The steel grade \"" + a.grade + "\" is not in the steel catalogue: no advice.";
    if (listed == 0)
        return ru(lang) ? "Список сердечников пуст." : "The list of cores is empty.";
    const std::string counts = adviceCounts(a.counts, lang);
    if (a.ranked.empty())
        return (ru(lang) ? "Ни один сердечник списка не подходит для этого трансформатора ("
                         : "No core of the list will do for this transformer (") +
               counts + ").";
    return counts + ".";
}

std::string coreListProblem(const CoreListProblem& p, Lang lang) {
    const bool r = ru(lang);
    const std::string file = "\"" + p.file + "\"";
    const std::string where = r ? "Список сердечников " + file + ", сердечник " + std::to_string(p.entry) + ", " +
                                      p.key + " = \"" + p.value + "\": "
                                : "List of cores " + file + ", core " + std::to_string(p.entry) + ", " + p.key +
                                      " = \"" + p.value + "\": ";
    switch (p.code) {
        case CoreListRefusal::noFile:
            return r ? "Не удалось прочитать список сердечников " + file + "."
                     : "Cannot read the list of cores " + file + ".";
        case CoreListRefusal::tooLarge:
            return r ? "Список сердечников " + file + " больше 1 МиБ." : "The list of cores " + file + " is over 1 MiB.";
        case CoreListRefusal::badKind:
            return where + (r ? "вид сердечника - число от 0 до 4." : "the core kind is a number from 0 to 4.");
        case CoreListRefusal::missingSize:
            return where + (r ? "размер не задан." : "the size is missing.");
        case CoreListRefusal::badNumber:
            return where + (r ? "это не число." : "not a number.");
        case CoreListRefusal::notPositive:
            return where + (r ? "размер должен быть больше нуля." : "the size must be above zero.");
        case CoreListRefusal::none: break;
    }
    return {};
}

std::string adviceTable(const Advice& a, std::span<const ListedCore> cores, int top, Lang lang) {
    const bool r = ru(lang);
    // The core's own columns, then one per advisor figure (engine/figures.hpp).
    constexpr size_t kOwn = 7, kColumns = kOwn + std::size(kAdviceFigures);
    const std::array<std::string_view, kOwn> own{"№", r ? "Название" : "Name", r ? "Вид" : "Kind", "Ls/D",
                                                 "Hs/d", "Lok/H", "Hok"};
    std::vector<std::array<std::string, kColumns>> rows;
    rows.push_back({});
    for (size_t k = 0; k < kOwn; ++k) rows[0][k] = std::string(own[k]);
    for (size_t k = 0; k < std::size(kAdviceFigures); ++k) rows[0][kOwn + k] = figureLabel(kAdviceFigures[k].id, lang);
    const size_t n = std::min(a.ranked.size(), static_cast<size_t>(std::max(top, 0)));
    for (size_t i = 0; i < n; ++i) {
        const CoreAdvice& c = a.ranked[i];
        const ListedCore& l = cores[static_cast<size_t>(c.index)];
        rows.push_back({std::to_string(i + 1), l.name, std::string(kindShort(l.core, lang)), shortest(l.lst),
                        shortest(l.hst), shortest(l.lok), isRing(l.core) ? "-" : shortest(l.hok)});
        for (size_t k = 0; k < std::size(kAdviceFigures); ++k)
            rows.back()[kOwn + k] = figureValue(kAdviceFigures[k], c);
    }
    std::array<size_t, kColumns> width{};
    for (const auto& row : rows)
        for (size_t k = 0; k < row.size(); ++k) width[k] = std::max(width[k], columns(row[k]));
    std::string o;
    for (const auto& row : rows) {
        std::string line;
        for (size_t k = 0; k < row.size(); ++k) {
            if (k) line += "  ";
            line += k == 1 || k == 2 ? padRight(row[k], width[k]) : padLeft(row[k], width[k]);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        o += line + "\n";
    }
    return o;
}

}  // namespace velmora::texts
