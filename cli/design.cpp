#include "design.hpp"

#include <cmath>
#include <fstream>
#include <iostream>

#include "advisor_words.hpp"
#include "core_list_file.hpp"
#include "design_columns.hpp"
#include "design_words.hpp"
#include "designer_words.hpp"
#include "ei_series.hpp"
#include "run_json.hpp"
#include "steels.hpp"
#include "storage_words.hpp"
#include "textfile.hpp"

namespace velmora::cli {

using json::jsonString;
using texts::DesignerText;

namespace {

constexpr int kFound = 0, kNoneFound = 1, kTrouble = 2;

int trouble(const std::string& text) {
    std::cerr << "velmora-cli: " << text << "\n";
    return kTrouble;
}

std::string num(double v) { return std::isfinite(v) ? shortest(v) : "null"; }

// Characters of UTF-8 text, for the table's columns.
size_t width(const std::string& s) {
    size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

std::string cell(double v, int decimals) { return std::isfinite(v) ? fixed(v, decimals) : "-"; }

constexpr std::string_view kMissKeys[] = {"refused", "overfill", "infeasible", "hot_spot",
                                          "rise", "regulation", "no_load", "fill"};
static_assert(std::size(kMissKeys) == kMissKinds);

std::string table(const DesignOutcome& d, std::span<const ListedCore> cores, texts::Lang lang) {
    std::vector<std::vector<std::string>> rows(1);
    rows[0] = {"№", std::string(texts::designerText(DesignerText::colCore, lang))};
    for (const DesignColumn& c : kDesignColumns) rows[0].emplace_back(texts::designerText(c.label, lang));
    rows[0].emplace_back(texts::designerText(DesignerText::colPareto, lang));
    for (size_t i = 0; i < d.rows.size(); ++i) {
        const DesignedCore& r = d.rows[i];
        std::vector<std::string> row{std::to_string(i + 1), cores[static_cast<size_t>(r.index)].name};
        for (const DesignColumn& c : kDesignColumns) row.push_back(cell(c.read(r), c.shown));
        row.emplace_back(r.pareto ? "*" : "");
        rows.push_back(std::move(row));
    }
    std::vector<size_t> w(rows[0].size());
    for (const auto& row : rows)
        for (size_t k = 0; k < row.size(); ++k) w[k] = std::max(w[k], width(row[k]));
    std::string o;
    for (const auto& row : rows) {
        std::string line;
        for (size_t k = 0; k < row.size(); ++k) {
            const std::string pad(w[k] - width(row[k]), ' ');
            line += (k ? "  " : "") + (k == 1 ? row[k] + pad : pad + row[k]);
        }
        line.erase(line.find_last_not_of(' ') + 1);
        o += line + "\n";
    }
    return o;
}

std::vector<ListedCore> candidates(const Options& opt, const std::filesystem::path& dataFolder,
                                   const std::filesystem::path& exeDir, texts::Lang lang, std::string& problem) {
    if (opt.cores) {
        CoreList list = LoadCoreList(pathFromUtf8(*opt.cores));
        if (!list.ok) problem = texts::coreListProblem(list.problem, lang);
        return list.cores;
    }
    // The built-in series, then the user's own list where it can be read.
    std::vector<ListedCore> cores = eiSeries();
    const std::filesystem::path path = CoreListPath(ProcessStateLocationInputs(dataFolder, exeDir));
    CoreListOpened opened = OpenCoreList(path, dataFolder);
    if (opened.list.ok) cores.insert(cores.end(), opened.list.cores.begin(), opened.list.cores.end());
    return cores;
}

}  // namespace

DesignRequest designRequest(const Options& opt) {
    DesignRequest q;
    q.goal = opt.goal == "loss" ? DesignGoal::loss : opt.goal == "hotspot" ? DesignGoal::hotSpot : DesignGoal::mass;
    for (const auto& [key, v] : opt.limits) {
        if (key == "hot_spot_c") q.limits.hot_c = v;
        else if (key == "rise_k") q.limits.rise_k = v;
        else if (key == "regulation_pct") q.limits.regulation_pct = v;
        else if (key == "no_load_pct") q.limits.noLoad_pct = v;
        else if (key == "fill") q.limits.fill = v;
        else if (key == "j_min") q.jMin = v;
        else if (key == "j_max") q.jMax = v;
    }
    return q;
}

std::string designAsJson(const DesignOutcome& d, std::span<const ListedCore> cores, DesignGoal goal) {
    constexpr std::string_view kGoalKeys[] = {"mass", "loss", "hotspot"};
    std::string o = "{\n  \"goal\": \"" + std::string(kGoalKeys[static_cast<int>(goal)]) + "\",\n  \"rows\": [";
    for (size_t i = 0; i < d.rows.size(); ++i) {
        const DesignedCore& r = d.rows[i];
        const ListedCore& l = cores[static_cast<size_t>(r.index)];
        o += i ? ",\n    " : "\n    ";
        o += "{\"name\": " + jsonString(l.name) + ", \"core\": " + std::to_string(l.core) + ", \"lst\": " +
             num(l.lst) + ", \"hst\": " + num(l.hst) + ", \"lok\": " + num(l.lok) + ", \"hok\": " + num(l.hok);
        for (const DesignColumn& c : kDesignColumns) o += ", \"" + std::string(c.key) + "\": " + num(c.read(r));
        o += ", \"W1\": " + num(textToDouble(r.record.W1)) + ", \"D1\": " + num(textToDouble(r.record.D1));
        o += std::string(", \"pareto\": ") + (r.pareto ? "true" : "false") + "}";
    }
    o += d.rows.empty() ? "],\n" : "\n  ],\n";
    o += "  \"rejected\": {";
    for (int m = 0; m < kMissKinds; ++m)
        o += (m ? ", \"" : "\"") + std::string(kMissKeys[m]) + "\": " + std::to_string(d.rejected[m]);
    o += "}\n}\n";
    return o;
}

int design(const Options& opt, const Record& rec, const WireTable& wires, const std::filesystem::path& dataFolder,
           const std::filesystem::path& exeDir, texts::Lang lang) {
    std::string problem;
    const std::vector<ListedCore> cores = candidates(opt, dataFolder, exeDir, lang, problem);
    if (!problem.empty()) return trouble(problem);
    const SteelCatalogue steels = LoadSteels(dataFolder);
    if (!steels.ok)
        return trouble(texts::cliFailure(texts::CliFailure::badSteels,
                                         pathToUtf8(dataFolder / pathFromUtf8(kSteelFile)), lang));
    DesignRequest q = designRequest(opt);
    q.grade = rec.Steel;
    const DesignOutcome d = designCores(rec, cores, wires, steels.grades, q);
    if (d.status != AdviceStatus::ok)
        return trouble(std::string(texts::designerText(DesignerText::noGrade, lang)) + " \"" + d.grade + "\"");

    if (opt.chart) {
        std::ofstream out(pathFromUtf8(*opt.chart), std::ios::binary);
        out << designChart(d, lang);
        if (!out) return trouble(std::string(texts::designerText(DesignerText::chartNotWritten, lang)) + " " + *opt.chart);
    }
    if (opt.json) {
        std::cout << designAsJson(d, cores, q.goal);
    } else {
        if (!d.rows.empty()) std::cout << table(d, cores, lang) << "\n";
        else std::cout << texts::designerText(DesignerText::noneFound, lang) << "\n";
        std::cout << designSummary(d, lang) << "\n";
    }
    return d.rows.empty() ? kNoneFound : kFound;
}

}  // namespace velmora::cli
