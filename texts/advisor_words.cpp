// The core advisor's words.
#include "advisor_words.hpp"

#include <algorithm>
#include <array>

#include "figure_texts.hpp"
#include "core_shape.hpp"
#include "numtext.hpp"
#include "say.hpp"
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

// The core's short name: the ring's is a word, the others' their letters.
std::string_view kindShort(int core, Lang lang) {
    const CoreShape* shape = shapeOf(core);
    if (!shape) return "?";
    return shape->ring ? say("advisor.ring", lang) : shape->letters;
}

}  // namespace

namespace {

constexpr std::string_view kAdvisorIds[] = {
    "advisor.heatLimit", "advisor.heatClass", "advisor.heatRise", "advisor.designSteel",
    "advisor.designSteelTip", "advisor.newCore", "advisor.newCoreTitle", "advisor.coreTitle",
};

}  // namespace

std::string_view advisorWord(AdvisorWord id, Lang lang) {
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kAdvisorIds) ? say(kAdvisorIds[i], lang) : std::string_view{};
}

std::string_view rankingName(Ranking by, Lang lang) {
    switch (by) {
        case Ranking::rise: return say("advisor.rise", lang);
        case Ranking::efficiency: return say("advisor.efficiency", lang);
        case Ranking::steelMass: break;
    }
    return say("advisor.steelMass", lang);
}

std::string_view verdictName(Verdict v, Lang lang) {
    switch (v) {
        case Verdict::fit: return say("advisor.fit", lang);
        case Verdict::overfill: return say("advisor.overfill", lang);
        case Verdict::refused: return say("advisor.refused", lang);
        case Verdict::tooHot: return say("advisor.tooHot", lang);
        case Verdict::margin: return say("advisor.margin", lang);
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
        return say("advisor.noGrade", lang, {a.grade});
    if (listed == 0)
        return std::string(say("advisor.emptyList", lang));
    const std::string counts = adviceCounts(a.counts, lang);
    if (a.ranked.empty())
        return say("advisor.noneFits", lang, {counts});
    return counts + ".";
}

std::string coreListProblem(const CoreListProblem& p, Lang lang) {
    const std::string file = "\"" + p.file + "\"";
    auto where = [&](std::string_view id) {
        return say("advisor.where", lang, {file, std::to_string(p.entry), p.key, p.value, say(id, lang)});
    };
    switch (p.code) {
        case CoreListRefusal::noFile:
            return say("advisor.noFile", lang, {file});
        case CoreListRefusal::tooLarge:
            return say("advisor.tooLarge", lang, {file});
        case CoreListRefusal::badKind:
            return where("advisor.badKind");
        case CoreListRefusal::missingSize:
            return where("advisor.missingSize");
        case CoreListRefusal::badNumber:
            return where("advisor.badNumber");
        case CoreListRefusal::notPositive:
            return where("advisor.notPositive");
        case CoreListRefusal::none: break;
    }
    return {};
}

std::string adviceTable(const Advice& a, std::span<const ListedCore> cores, int top, Lang lang) {
    // The core's own columns, then one per advisor figure (engine/figures.hpp).
    constexpr size_t kOwn = 7, kColumns = kOwn + std::size(kAdviceFigures);
    const std::array<std::string_view, kOwn> own{"№", say("advisor.name", lang), say("advisor.kind", lang), "Ls/D",
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
