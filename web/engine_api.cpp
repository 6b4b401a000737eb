// The page's way into the engine: plain C calls, texts in and out as UTF-8. Inputs
// come as "key\x1fvalue" pairs separated by '\x1e' (the CLI's --set keys and texts);
// byte results (design files, reports) are left in one buffer the page copies out.
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "figures.hpp"
#include "codec.hpp"
#include "core_shape.hpp"
#include "core_typing.hpp"
#include "design_file.hpp"
#include "design_session.hpp"
#include "sheet.hpp"
#include "numtext.hpp"
#include "languages.hpp"
#include "page_words.hpp"
#include "pipeline.hpp"
#include "record.hpp"
#include "run_json.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "steel_texts.hpp"
#include "steels.hpp"
#include "storage_words.hpp"
#include "texts.hpp"
#include "winding_heat.hpp"
#include "wires.hpp"
#include "engine_parts.hpp"

using namespace velmora;

namespace {

// The catalogue and help texts packed into the page live here (MEMFS).
const std::filesystem::path kData = "/data";

struct Catalogue {
    WireKinds kinds;
    std::map<std::string, WireSizes> sizes;  // read once per kind
};

Catalogue& catalogue() {
    static Catalogue c{LoadWireKinds(kData, SizeFiles::unread), {}};
    return c;
}

const WireSizes& sizesOf(const std::string& kind) {
    Catalogue& c = catalogue();
    auto it = c.sizes.find(kind);
    if (it == c.sizes.end()) it = c.sizes.emplace(kind, LoadWireSizes(kData, kind)).first;
    return it->second;
}

}  // namespace

namespace velmora::web {

Record recordFrom(std::string_view inputs) {
    Record r;
    forEachPair(inputs, [&](std::string_view key, std::string_view value) {
        const Field* f = findField(key);
        if (f && f->role != FieldRole::result) assignFromText(r, *f, value);
    });
    return r;
}

}  // namespace velmora::web

using web::recordFrom;

namespace {

// One evaluation as velmora-cli has it, with the record it was made of.
struct Run {
    Record rec;
    Evaluation e;
};


Run run(const char* inputs, texts::Lang lang) {
    Run out;
    out.rec = recordFrom(inputs);
    out.e = evaluate(out.rec, web::catalogueInputs(lang));
    return out;
}

// The catalogue cannot be used: why, worded; empty when it can.
std::string failure(const Run& r, texts::Lang lang) {
    return r.e.status == EvaluationStatus::noWires ? texts::message(*r.e.failure, lang).text : std::string();
}

}  // namespace

namespace velmora::web {

const SteelCatalogue& steels() {
    static const SteelCatalogue c = LoadSteels(kData);
    return c;
}

EvaluationInputs catalogueInputs(texts::Lang lang) {
    EvaluationInputs in;
    in.kinds = &catalogue().kinds;
    in.sizesOf = sizesOf;
    in.steels = &steels();
    in.lang = lang;
    return in;
}

// The design on the page: its inputs as last calculated and the outcome, for what the
// window shows beside the JSON.
DesignSession& session() {
    static DesignSession s = [] {
        DesignSession d;
        EvaluationInputs in;
        in.kinds = &catalogue().kinds;
        in.sizesOf = sizesOf;
        in.steels = &steels();
        d.useCatalogue(in);
        return d;
    }();
    return s;
}

namespace {
std::string text_;  // the last text result
}  // namespace

const char* give(std::string s) {
    text_ = std::move(s);
    return text_.c_str();
}

}  // namespace velmora::web

using web::give;
using web::session;
using web::steels;

namespace {

int overfilled_ = 0; // the winding that did not fit in the last calculation, 0 none
std::string bytes_;  // the last byte result

std::string failureJson(const std::string& why) {
    return "{\"failure\": " + json::jsonString(why) + "}";
}

}  // namespace

extern "C" {

// velmora-cli --json of these inputs, or {"failure": ...} when the catalogue fails.
const char* velmora_calculate(const char* inputs, const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    DesignSession& s = session();
    s.record() = recordFrom(inputs);
    const Evaluation& e = s.calculate({l, {}, {}});
    overfilled_ = e.run.overfilled;
    if (e.status == EvaluationStatus::noWires) return give(failureJson(texts::message(*e.failure, l).text));
    return give(json::runAsJson(s.record(), e, l));
}

// What the window shows of the last calculation beside the JSON, worded in `lang`:
// the steel group (grades, the one used, its seven results with tips, its notes) and
// why the design cannot work, and each secondary's rectifier (its inputs as held, the
// mark and its tip).
const char* velmora_shown(const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    static const Evaluation none;
    const Record& rec = session().record();
    const Evaluation& e = session().last() ? *session().last() : none;
    const SteelOutcome& s = e.steel;
    const bool shown = e.steelShown();
    std::string o = "{\"steel\": {\"title\": " + json::jsonString(texts::steelGroupTitle(l)) +
                    ", \"gradeLabel\": " + json::jsonString(texts::steelGradeLabel(l)) +
                    ", \"gradeTip\": " + json::jsonString(texts::steelGradeTip(l)) + ", \"grades\": [";
    for (size_t k = 0; k < steels().grades.size(); ++k)
        o += (k ? ", " : "") + json::jsonString(steels().grades[k].name);
    o += "], \"chosen\": " + std::to_string(s.choice.index) + ", \"default\": " +
         json::jsonString(std::string(defaultSteelGrade(rec.core))) + ", \"rows\": [";
    bool first = true;
    for (const SteelFigure& f : kSteelFigures) {
        if (!f.inGroup || (shown && !figureShown(f, *s.result))) continue;
        o += first ? "" : ", ";
        first = false;
        o += "{\"label\": " + json::jsonString(texts::figureLabel(f.id, l)) + ", \"value\": " +
             json::jsonString(shown ? texts::figureValue(f, *s.result) : std::string()) + ", \"tip\": " +
             json::jsonString(shown ? texts::figureTip(f.id, *s.result, *s.choice.grade, l) : std::string()) + "}";
    }
    // The window says a refused catalogue once in a box at start; the page, in the group.
    std::vector<std::string> notes = texts::steelNotes(s, l);
    if (!steels().ok) notes.insert(notes.begin(), texts::steelProblem(steels().problem, l));
    o += "], \"notes\": [";
    for (size_t k = 0; k < notes.size(); ++k) o += (k ? ", " : "") + json::jsonString(notes[k]);
    // Why the design cannot work, for the banner above the results; empty when it can.
    o += "]},\n\"cannotWork\": [";
    if (shown)
        for (size_t k = 0; k < s.result->work.reasons.size(); ++k)
            o += (k ? ", " : "") + json::jsonString(texts::steelReason(s.result->work.reasons[k], s.result->work, l));
    o += "],\n\"circuits\": [";
    for (int c = 0; c <= 4; ++c) o += (c ? ", " : "") + json::jsonString(std::string(texts::rectifierCircuit(c, l)));
    o += "],\n\"rectifiers\": [";
    for (int i = 0; i < kSecondaries; ++i) {
        const RectifierInputs in = rectifierInputs(rec, i);
        const size_t k = static_cast<size_t>(i);
        const bool has = hasRectifier(rec, i);
        const std::string mark = has ? texts::rectifierMark(in, l) : std::string();
        const std::string tip = has ? texts::rectifierMarkTip(e.rectifiers[k], in, l) : std::string();
        o += i ? ",\n" : "\n";
        o += "{\"circuit\": " + std::to_string(rec.rect2[k]) +
             ", \"opens\": " + std::to_string(openingCircuit(rec, i)) +
             ", \"Udc\": " + json::jsonString(rec.Udc2[k]) + ", \"Idc\": " + json::jsonString(rec.Idc2[k]) +
             ", \"C\": " + json::jsonString(rec.C2[k]) + ", \"Vd\": " + json::jsonString(shortest(in.Vd)) +
             ", \"rd\": " + json::jsonString(shortest(in.rd)) + ", \"mark\": " + json::jsonString(mark) +
             ", \"tip\": " + json::jsonString(tip) + ", \"asks\": [";
        // The question before each circuit that takes a centre-tapped winding whole.
        for (int c = 0; c <= 4; ++c)
            o += (c ? ", " : "") +
                 json::jsonString(c > 0 && !needsCentreTap(static_cast<RectifierKind>(c))
                                      ? texts::rectifierTapQuestion(i, c, l)
                                      : std::string());
        o += "]}";
    }
    return give(o + "]}");
}

// The design file of the fields the calculation leaves (as the window saves): ""
// with the bytes in the buffer, else why it cannot be saved.
const char* velmora_save(const char* inputs, const char* lang) {
    Run r = run(inputs, texts::langFromCode(lang));
    if (const std::string why = failure(r, texts::langFromCode(lang)); !why.empty()) return give(why);
    DesignText d = FormatDesign(r.rec);
    if (!d.ok) return give(texts::designError(d.error, texts::langFromCode(lang)));
    bytes_ = std::move(d.bytes);
    return give("");
}

// The report in Windows-1251: "" with the bytes in the buffer, else why there is none.
const char* velmora_report(const char* inputs, const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    Run r = run(inputs, l);
    if (const std::string why = failure(r, l); !why.empty()) return give(why);
    texts::ReportExtras extras;
    if (r.e.steelShown()) {
        extras.steel = texts::steelReport(*r.e.steel.result, *r.e.steel.choice.grade, l);
        extras.cannotWork = texts::cannotWorkReport(*r.e.steel.result, l);
    }
    texts::ReportText report = texts::report(r.rec, r.e.run, l, extras);
    if (!report.ok) return give(report.error);
    std::optional<std::string> bytes = utf8ToCp1251(report.text);
    if (!bytes) return give(report.error.empty() ? "cp1251" : report.error);
    bytes_ = std::move(*bytes);
    return give("");
}

// A design file's bytes read by the design-file reader into the inputs:
// {"ok": true, "inputs": {key: text}} or {"ok": false, "error": text}. The bytes are
// read under the user's own file name (its last part), so that a refusal names it.
const char* velmora_load(const std::uint8_t* data, int size, const char* name, const char* lang) {
    std::filesystem::path path = std::filesystem::path(name).filename();
    if (path.empty() || path == "." || path == "..") path = "design.sav";
    const std::filesystem::path folder = "/upload";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    {
        std::ofstream f(path, std::ios::binary | std::ios::trunc);
        f.write(reinterpret_cast<const char*>(data), size);
    }
    Record r;
    const ReadOutcome read = ReadDesign(path, r);
    std::filesystem::remove(path);
    std::filesystem::current_path("/");
    if (read.status != ReadOutcome::ok)
        return give("{\"ok\": false, \"error\": " + json::jsonString(texts::fileError(read.error, texts::langFromCode(lang))) + "}");
    std::string o = "{\"ok\": true, \"inputs\": {";
    bool first = true;
    for (const Field& f : designFields()) {
        o += first ? "" : ", ";
        first = false;
        o += json::jsonString(f.name) + ": " + json::jsonString(valueAsText(r, f));
    }
    return give(o + "}}");
}

// For the fill strip: 1 the primary, 2..6 a secondary, 0 when everything fitted.
int velmora_overfilled() { return overfilled_; }

const std::uint8_t* velmora_bytes() { return reinterpret_cast<const std::uint8_t*>(bytes_.data()); }
int velmora_bytes_size() { return static_cast<int>(bytes_.size()); }

// Every field with its control, label, unit and default in `lang`; the core kinds,
// the page's own words, the core size labels per core kind, what the page draws of
// each kind (a ring or not, its picture), the languages, the insulation classes and the
// wire kinds.
const char* velmora_fields(const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    static constexpr const char* kRoles[] = {"input", "appended", "result"};
    static constexpr const char* kControls[] = {"edit", "check", "radio", "combo", "label", "none"};
    std::string o = "{\"fields\": [";
    bool first = true;
    for (const Field& f : fields()) {
        o += first ? "\n" : ",\n";
        first = false;
        o += "{\"name\": " + json::jsonString(f.name) +
             ", \"integer\": " + (f.kind == FieldKind::integer ? "true" : "false") +
             ", \"role\": \"" + kRoles[static_cast<int>(f.role)] + "\"" +
             ", \"control\": \"" + kControls[static_cast<int>(f.control)] + "\"" +
             ", \"id\": " + std::to_string(f.id) +
             ", \"label\": " + json::jsonString(texts::label(f, l)) +
             ", \"unit\": " + json::jsonString(texts::unit(f, l)) +
             ", \"def\": " + json::jsonString(f.def) +
             ", \"winding\": " + std::to_string(f.winding) + "}";
    }
    o += "],\n\"cores\": [";
    for (const CoreShape& s : kCoreShapes)
        o += (s.kind != CoreKind::ring ? ", " : "") + json::jsonString(texts::coreKind(coreNumber(s.kind), l));
    o += "],\n\"totals\": [";
    for (size_t k = 0; k < std::size(kTotalFields); ++k) o += (k ? ", " : "") + json::jsonString(kTotalFields[k]);
    o += "],\n\"words\": {\"warning\": " + json::jsonString(texts::warningCaption(l));
    for (std::string_view key : texts::pageKeys())
        o += ", " + json::jsonString(key) + ": " + json::jsonString(texts::pageWord(key, l));
    o += "},\n\"sizes\": [";
    for (const CoreShape& s : kCoreShapes) {
        o += s.kind != CoreKind::ring ? ", {" : "{";
        bool firstSize = true;
        for (std::string_view name : kCoreDimFields) {
            o += (firstSize ? "" : ", ") + json::jsonString(name) + ": " +
                 json::jsonString(texts::coreSizeLabel(name, coreNumber(s.kind), l));
            firstSize = false;
        }
        o += "}";
    }
    o += "],\n\"shapes\": [";
    for (const CoreShape& s : kCoreShapes)
        o += std::string(s.kind != CoreKind::ring ? ", " : "") + "{\"ring\": " + (s.ring ? "true" : "false") +
             ", \"picture\": " + json::jsonString(s.picture) + "}";
    o += "],\n\"languages\": [";  // those offered to users, each named in itself
    bool firstLang = true;
    for (const texts::Language& x : texts::languages()) {
        if (x.forTests) continue;
        o += std::string(firstLang ? "" : ", ") + "{\"code\": " + json::jsonString(x.code) +
             ", \"name\": " + json::jsonString(x.name) + "}";
        firstLang = false;
    }
    // The insulation classes the Insulation input offers: letter and limit, °C.
    o += "],\n\"classes\": [";
    for (size_t k = 0; k < kClassLetter.size(); ++k)
        o += (k ? ", {\"letter\": \"" : "{\"letter\": \"") + std::string(1, kClassLetter[k]) +
             "\", \"limit\": " + shortest(kClassLimit[k]) + "}";
    o += "],\n\"wires\": [";
    const Catalogue& c = catalogue();
    for (size_t i = 0; i < c.kinds.names.size(); ++i)
        o += (i ? ", " : "") + json::jsonString(c.kinds.names[i]);
    return give(o + "]}");
}

// What an edit derives, as the window's handlers derive it: `edited` a core size (lst,
// hst, lok, hok) or "core" for a kind chosen. {field: text} of the bobbin sizes and
// the induction that changed.
const char* velmora_derive(const char* inputs, const char* edited) {
    Record r = recordFrom(inputs);
    const Record before = r;
    const std::string_view e = edited;
    if (e == "core") chooseCore(r, r.core);
    for (std::size_t k = 0; k < kCoreDimFields.size(); ++k)
        if (kCoreDimFields[k] == e) deriveFrom(r, static_cast<CoreDim>(k));
    std::string o = "{";
    for (std::string_view name : {"hkar", "hkar1", "lkar", "Bm"}) {
        const Field& f = *findField(name);
        if (f.textIn(r) == f.textIn(before)) continue;
        o += (o.size() > 1 ? ", " : "") + json::jsonString(name) + ": " + json::jsonString(f.textIn(r));
    }
    return give(o + "}");
}

// The file name the window proposes for the design (extension ".sav" or ".txt").
const char* velmora_name(const char* inputs, const char* extension, const char* lang) {
    return give(texts::designName(recordFrom(inputs), extension, texts::langFromCode(lang)));
}

// The tool-tip of an input that is not wholly a number.
const char* velmora_misread_notice(double reads, const char* lang) {
    return give(texts::misreadNotice(reads, texts::langFromCode(lang)));
}

// The help text of the language, as UTF-8.
const char* velmora_help(const char* lang) {
    std::ifstream f(kData / texts::language(texts::langFromCode(lang)).helpFile, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    return give(decodeFileText(bytes));
}

}  // extern "C"
