#include "advise.hpp"

#include <algorithm>
#include <cmath>
#include <iostream>

#include "advisor_words.hpp"
#include "storage_words.hpp"
#include "core_list_file.hpp"
#include "numtext.hpp"
#include "figures.hpp"
#include "run_json.hpp"
#include "steels.hpp"
#include "textfile.hpp"

namespace velmora::cli {

using json::jsonString;

namespace {

constexpr int kFits = 0, kNoneFits = 1, kTrouble = 2;

int trouble(const std::string& text) {
    std::cerr << "velmora-cli: " << text << "\n";
    return kTrouble;
}

// A number as JSON: the shortest text that reads back as it.
std::string num(double v) { return std::isfinite(v) ? shortest(v) : "null"; }

}  // namespace

std::string adviceAsJson(const Advice& a, std::span<const ListedCore> cores, int top) {
    const size_t n = top > 0 ? std::min(a.ranked.size(), static_cast<size_t>(top)) : a.ranked.size();
    std::string o = "{\n  \"rows\": [";
    for (size_t i = 0; i < n; ++i) {
        const CoreAdvice& c = a.ranked[i];
        const ListedCore& l = cores[static_cast<size_t>(c.index)];
        o += i ? ",\n    " : "\n    ";
        o += "{\"name\": " + jsonString(l.name) + ", \"core\": " + std::to_string(l.core) +
             ", \"lst\": " + num(l.lst) + ", \"hst\": " + num(l.hst) + ", \"lok\": " + num(l.lok) +
             ", \"hok\": " + num(l.hok);
        for (const AdviceFigure& f : kAdviceFigures)
            o += ", " + jsonString(f.key) + ": " + json::figureNumber(f.read(c).value_or(NAN), f.json);
        o += "}";
    }
    o += n ? "\n  ],\n" : "],\n";
    const AdviceCounts& k = a.counts;
    o += "  \"counts\": {\"fit\": " + std::to_string(k.fit) + ", \"overfill\": " + std::to_string(k.overfill) +
         ", \"refused\": " + std::to_string(k.refused) + ", \"too_hot\": " + std::to_string(k.tooHot) +
         ", \"margin\": " + std::to_string(k.margin) + "}\n}\n";
    return o;
}

int advise(const Options& opt, const Record& design, const WireTable& wires,
           const std::filesystem::path& dataFolder, const std::filesystem::path& exeDir, texts::Lang lang) {
    CoreList list;
    if (opt.cores) {
        list = LoadCoreList(pathFromUtf8(*opt.cores));
    } else {
        // The folder is never probed by writing into it: a portable copy's list is
        // the one beside its data, read in place, so a run leaves nothing beside the
        // program; an installed program's list is made in the configuration folder.
        StateLocationInputs where = ProcessStateLocationInputs(dataFolder, exeDir);
        where.writable = [](const std::filesystem::path&) { return true; };
        CoreListOpened opened = OpenCoreList(CoreListPath(where), dataFolder);
        // The example could be read but not copied: the advice goes on from the example.
        if (opened.copyError && opened.list.ok)
            std::cerr << "velmora-cli: " << texts::fileError(*opened.copyError, lang) << "\n";
        list = std::move(opened.list);
    }
    if (!list.ok) return trouble(texts::coreListProblem(list.problem, lang));

    const SteelCatalogue steels = LoadSteels(dataFolder);
    if (!steels.ok)
        return trouble(texts::cliFailure(texts::CliFailure::badSteels,
                                         pathToUtf8(dataFolder / pathFromUtf8(kSteelFile)), lang));

    // The record has no steel grade of its own yet: each core kind's default grade.
    const Advice a = adviseCores(design, list.cores, wires, steels.grades, design.Steel, AdviceLimits{});
    if (a.status != AdviceStatus::ok) return trouble(texts::adviceSummary(a, static_cast<int>(list.cores.size()), lang));

    if (opt.json) {
        std::cout << adviceAsJson(a, list.cores, opt.top);
    } else {
        const int top = opt.top > 0 ? opt.top : static_cast<int>(a.ranked.size());
        if (!a.ranked.empty()) std::cout << texts::adviceTable(a, list.cores, top, lang) << "\n";
        std::cout << texts::adviceSummary(a, static_cast<int>(list.cores.size()), lang) << "\n";
    }
    return a.ranked.empty() ? kNoneFits : kFits;
}

}  // namespace velmora::cli
