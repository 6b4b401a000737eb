#include "sheet.hpp"

#include <array>
#include <map>

#include "core_shape.hpp"
#include "figure_texts.hpp"
#include "rectifier_texts.hpp"
#include "say.hpp"
#include "steel_texts.hpp"
#include "wording.hpp"

namespace velmora::texts {
namespace {

constexpr std::string_view kSheetIds[] = {
    "sheet.yes", "sheet.no", "sheet.inputsCore", "sheet.inputsWindings", "sheet.resultsWindings",
    "sheet.resultsWhole", "sheet.pictures", "sheet.instruction", "sheet.bobbinLabel", "sheet.cannotWork",
};

constexpr std::array<std::string_view, 6> kColumnHeads{"1.", "2.1", "2.2", "2.3", "2.4", "2.5"};

std::string shownValue(const Record& r, const Field& f, Lang lang) {
    if (f.control == ControlKind::radio) return std::string(coreKind(f.intIn(r), lang));
    if (f.control == ControlKind::check)
        return std::string(sheetWord(f.intIn(r) != 0 ? SheetWord::yes : SheetWord::no, lang));
    return valueAsText(r, f);
}

std::string withUnit(const Field& f, Lang lang) {
    const std::string_view u = unit(f, lang);
    return std::string(label(f, lang)) + (u.empty() ? "" : ", " + std::string(u));
}

// One row per label, one column per winding, for the fields of a role.
SheetTable windingTable(const Record& r, FieldRole role, SheetWord heading, Lang lang) {
    SheetTable t{std::string(sheetWord(heading, lang)), {""}, {}};
    for (std::string_view h : kColumnHeads) t.head.emplace_back(h);
    std::map<std::string_view, std::size_t> rows;
    for (const Field& f : fields()) {
        if (f.winding < 1 || f.role != role) continue;
        auto [it, added] = rows.try_emplace(label(f, Lang::ru), t.rows.size());
        if (added) t.rows.push_back({withUnit(f, lang), "", "", "", "", "", ""});
        t.rows[it->second][static_cast<std::size_t>(f.winding)] = shownValue(r, f, lang);
    }
    return t;
}

// The core's own inputs: the dimensions the kind has, by its names; the bobbin's width
// and height in one row; its length only where the kind has a bobbin.
SheetTable coreInputs(const Record& r, Lang lang) {
    SheetTable t{std::string(sheetWord(SheetWord::inputsCore, lang)), {}, {}};
    const CoreShape* shape = shapeOf(r.core);
    for (const Field& f : fields()) {
        if (f.winding != 0 || f.role != FieldRole::input || f.control == ControlKind::none) continue;
        std::string name = withUnit(f, lang), value = shownValue(r, f, lang);
        if (f.name == "hkar1") continue;  // in the row of hkar
        if (f.name == "hkar") {
            name = sheetWord(SheetWord::bobbinLabel, lang);
            value = r.hkar + " x " + r.hkar1;
        }
        if (f.name == "lkar" && (!shape || shape->ring)) continue;
        for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
            if (f.name == kCoreDimFields[k]) {
                if (shape && shape->dimNames[k].empty()) name.clear();
                else name = coreSizeLabel(f.name, r.core, lang);
            }
        if (name.empty() || value.empty()) continue;
        t.rows.push_back({name, value});
    }
    return t;
}

SheetTable wholeResults(const Record& r, Lang lang) {
    SheetTable t{std::string(sheetWord(SheetWord::resultsWhole, lang)), {}, {}};
    for (const Field& f : fields())
        if (f.winding == 0 && f.role == FieldRole::result && f.control != ControlKind::none)
            t.rows.push_back({withUnit(f, lang), shownValue(r, f, lang)});
    return t;
}

// The steel group as the window shows it, and why the design cannot work.
void steelTables(const SteelOutcome& o, Lang lang, std::vector<SheetTable>& out) {
    if (!o.result || o.result->status != SteelStatus::ok || !o.choice.grade) return;
    const SteelResult& s = *o.result;
    SheetTable steel{steelGroupTitle(lang), {}, {}};
    steel.rows.push_back({steelGradeLabel(lang), o.choice.grade->name});
    for (const SteelFigure& f : kSteelFigures)
        if (f.inGroup && figureShown(f, s)) steel.rows.push_back({figureLabel(f.id, lang), figureValue(f, s)});
    for (const SteelWarning& w : s.warnings) steel.rows.push_back({steelWarning(w, lang)});
    out.push_back(std::move(steel));
    if (const std::vector<std::string> why = cannotWorkLines(s, lang); !why.empty()) {
        SheetTable t{std::string(sheetWord(SheetWord::cannotWork, lang)), {}, {}};
        for (const std::string& line : why) t.rows.push_back({line});
        out.push_back(std::move(t));
    }
}

// The rectifiers' report section, its first line the heading.
void rectifierTable(const Record& r, const RunResult& run, Lang lang, std::vector<SheetTable>& out) {
    const std::string text = rectifierReport(r, run, lang);
    SheetTable t;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        at = end + 2;
        const std::size_t first = line.find_first_not_of(' ');
        if (first == std::string::npos) continue;
        if (t.heading.empty()) t.heading = line.substr(first);
        else t.rows.push_back({line});
    }
    if (!t.heading.empty()) out.push_back(std::move(t));
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::string line;
    for (char c : text) {
        if (c == '\n') {
            lines.push_back(line);
            line.clear();
        } else if (c != '\r') {
            line += c;
        }
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

// The title: the file's name without the design file's extension (".sav", any case).
std::string withoutExtension(const std::string& name) {
    constexpr std::string_view ext = ".sav";
    if (name.size() <= ext.size()) return name;
    const std::string tail = name.substr(name.size() - ext.size());
    for (std::size_t i = 0; i < ext.size(); ++i)
        if ((tail[i] | 0x20) != ext[i]) return name;
    return name.substr(0, name.size() - ext.size());
}

}  // namespace

std::string_view sheetWord(SheetWord id, Lang lang) {
    const auto i = static_cast<std::size_t>(id);
    return i < std::size(kSheetIds) ? say(kSheetIds[i], lang) : std::string_view{};
}

SheetContent sheetContent(const SheetInputs& in, Lang lang) {
    SheetContent s;
    s.title = withoutExtension(in.fileName);
    s.tables.push_back(coreInputs(in.r, lang));
    s.tables.push_back(windingTable(in.r, FieldRole::input, SheetWord::inputsWindings, lang));
    s.tables.push_back(windingTable(in.r, FieldRole::result, SheetWord::resultsWindings, lang));
    s.tables.push_back(wholeResults(in.r, lang));
    if (in.steel) steelTables(*in.steel, lang, s.tables);
    rectifierTable(in.r, in.run, lang, s.tables);
    s.picturesHeading = sheetWord(SheetWord::pictures, lang);
    s.instructionHeading = sheetWord(SheetWord::instruction, lang);
    s.instruction = splitLines(comment(in.run, lang));
    return s;
}

std::vector<std::string> cannotWorkLines(const SteelResult& s, Lang lang) {
    std::vector<std::string> lines;
    for (SteelReason reason : s.work.reasons) lines.push_back(steelReason(reason, s.work, lang));
    return lines;
}

std::string cannotWorkReport(const SteelResult& s, Lang lang) {
    const std::vector<std::string> lines = cannotWorkLines(s, lang);
    if (lines.empty()) return {};
    std::string o = "\r\n" + std::string(sheetWord(SheetWord::cannotWork, lang)) + "\r\n";
    for (const std::string& line : lines) o += line + "\r\n";
    return o;
}

}  // namespace velmora::texts
