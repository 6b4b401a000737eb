// The page's designer and design sheet: the search of velmora-cli --design over the
// built-in E-I series with its JSON, each design's inputs for the page, the chart and
// the summary; the dialog's words; the design sheet's content of the last calculation.
#include <string>
#include <vector>

#include "design.hpp"
#include "design_columns.hpp"
#include "design_words.hpp"
#include "designer_words.hpp"
#include "ei_series.hpp"
#include "engine_parts.hpp"
#include "options.hpp"
#include "page_words.hpp"
#include "run_json.hpp"
#include "sheet.hpp"

using namespace velmora;
using json::jsonString;
using texts::DesignerText;

namespace {

std::string word(DesignerText t, texts::Lang l) { return std::string(texts::designerText(t, l)); }

// The request as velmora-cli's options: "goal" and the --limit keys, as the page packs
// its inputs. An empty limit is none.
std::vector<std::string> designArguments(std::string_view request) {
    std::vector<std::string> args{"--design"};
    web::forEachPair(request, [&](std::string_view key, std::string_view value) {
        if (value.empty()) return;
        if (key == "goal") args.insert(args.end(), {"--goal", std::string(value)});
        else args.insert(args.end(), {"--limit", std::string(key).append(1, '=').append(value)});
    });
    return args;
}

// A design's inputs as the page holds them, {key: text}.
std::string inputsOf(const Record& r) {
    std::string o = "{";
    for (const Field& f : designFields())
        o += (o.size() > 1 ? ", " : "") + jsonString(f.name) + ": " + jsonString(valueAsText(r, f));
    return o + "}";
}

std::string error(const std::string& text, const std::string& key = {}) {
    return "{\"error\": " + jsonString(text) + ", \"key\": " + jsonString(key) + "}";
}

std::string table(const texts::SheetTable& t) {
    std::string o = "{\"heading\": " + jsonString(t.heading) + ", \"head\": [";
    for (size_t k = 0; k < t.head.size(); ++k) o += (k ? ", " : "") + jsonString(t.head[k]);
    o += "], \"rows\": [";
    for (size_t i = 0; i < t.rows.size(); ++i) {
        o += i ? ", [" : "[";
        for (size_t k = 0; k < t.rows[i].size(); ++k) o += (k ? ", " : "") + jsonString(t.rows[i][k]);
        o += "]";
    }
    return o + "]}";
}

}  // namespace

extern "C" {

// The designer for these inputs and request, worded in `lang`: {"design": velmora-cli
// --design --json, "inputs": [each row's design], "chart": SVG, "summary": text}, or
// {"error": text, "key": the limit it concerns}.
const char* velmora_design(const char* inputs, const char* request, const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    const cli::Parsed parsed = cli::parseArguments(designArguments(request));
    if (!parsed.options) {
        const std::string& what = parsed.what;
        return web::give(error(std::string(texts::pageWord("designerBadLimit", l)), what.substr(0, what.find('='))));
    }
    Record rec = web::recordFrom(inputs);
    const WireChoice wires = chooseWires(rec, web::catalogueInputs(l));
    if (!wires.table) return web::give(error(texts::message(*wires.failure, l).text));
    const std::vector<ListedCore> cores = eiSeries();
    DesignRequest q = cli::designRequest(*parsed.options);
    q.grade = rec.Steel;
    const DesignOutcome d = designCores(rec, cores, *wires.table, web::steels().grades, q);
    if (d.status != AdviceStatus::ok) return web::give(error(word(DesignerText::noGrade, l) + " \"" + d.grade + "\""));
    std::string o = "{\"design\": " + cli::designAsJson(d, cores, q.goal) + ", \"inputs\": [";
    for (size_t i = 0; i < d.rows.size(); ++i) o += (i ? ",\n" : "\n") + inputsOf(d.rows[i].record);
    return web::give(o + "],\n\"chart\": " + jsonString(designChart(d, l)) + ",\n\"summary\": " + jsonString((d.rows.empty() ? word(DesignerText::noneFound, l) + " " : std::string()) + designSummary(d, l)) + "}");
}

// The designer dialog's words and the request's keys with their defaults (velmora-cli's).
const char* velmora_designer_words(const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    std::string o = "{\"title\": " + jsonString(word(DesignerText::dialogTitle, l)) +
                    ", \"goal\": " + jsonString(word(DesignerText::goal, l)) + ", \"goals\": [";
    constexpr const char* kGoals[] = {"mass", "loss", "hotspot"};
    for (DesignGoal g : {DesignGoal::mass, DesignGoal::loss, DesignGoal::hotSpot})
        o += std::string(g != DesignGoal::mass ? ", " : "") + "{\"key\": \"" + kGoals[static_cast<int>(g)] +
             "\", \"name\": " + jsonString(std::string(texts::goalName(g, l))) + "}";
    // The limits: none by default (the hot spot then within the insulation class), j as the grid's.
    const DesignRequest q;
    const std::pair<std::string_view, DesignerText> limits[] = {
        {"hot_spot_c", DesignerText::hotLimit}, {"rise_k", DesignerText::riseLimit},
        {"regulation_pct", DesignerText::regulationLimit}, {"no_load_pct", DesignerText::noLoadLimit},
        {"fill", DesignerText::fillLimit}, {"j_min", DesignerText::jRange}, {"j_max", DesignerText::jRange}};
    static_assert(std::size(limits) == std::size(cli::kLimitKeys));
    o += "], \"limits\": [";
    for (size_t k = 0; k < std::size(limits); ++k) {
        const auto& [key, label] = limits[k];
        const std::string def = key == "j_min" ? shortest(q.jMin) : key == "j_max" ? shortest(q.jMax) : "";
        o += std::string(k ? ", " : "") + "{\"key\": " + jsonString(std::string(key)) +
             ", \"label\": " + jsonString(word(label, l)) + ", \"def\": " + jsonString(def) + "}";
    }
    o += "], \"run\": " + jsonString(word(DesignerText::run, l)) + ", \"apply\": " +
         jsonString(word(DesignerText::apply, l)) + ", \"core\": " +
         jsonString(word(DesignerText::colCore, l)) + ", \"pareto\": " + jsonString(word(DesignerText::colPareto, l)) +
         ", \"method\": " + jsonString(word(DesignerText::method, l)) + ", \"columns\": [";
    for (size_t k = 0; k < std::size(kDesignColumns); ++k) {
        const DesignColumn& c = kDesignColumns[k];
        o += std::string(k ? ", " : "") + "{\"key\": " + jsonString(std::string(c.key)) + ", \"label\": " +
             jsonString(word(c.label, l)) + ", \"decimals\": " + std::to_string(c.shown) + "}";
    }
    return web::give(o + "]}");
}

// The design sheet of the last calculation, as the window's PDF has it: {"title",
// "tables": [{"heading", "head": [], "rows": [[]]}], "picturesHeading",
// "instructionHeading", "instruction": []}; {} before any calculation.
const char* velmora_sheet(const char* lang) {
    const texts::Lang l = texts::langFromCode(lang);
    const DesignSession& s = web::session();
    if (!s.last() || s.last()->status == EvaluationStatus::noWires) return web::give("{}");
    const Record& r = s.record();
    const texts::SheetContent c = texts::sheetContent({r, s.last()->run, &s.last()->steel, texts::designName(r, "", l)}, l);
    std::string o = "{\"title\": " + jsonString(c.title) + ", \"tables\": [";
    for (size_t k = 0; k < c.tables.size(); ++k) o += (k ? ",\n" : "\n") + table(c.tables[k]);
    o += "],\n\"picturesHeading\": " + jsonString(c.picturesHeading) +
         ", \"instructionHeading\": " + jsonString(c.instructionHeading) + ", \"instruction\": [";
    for (size_t k = 0; k < c.instruction.size(); ++k) o += (k ? ", " : "") + jsonString(c.instruction[k]);
    return web::give(o + "]}");
}

}  // extern "C"
