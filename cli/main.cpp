// velmora-cli: the calculation from the command line, for scripts, batch work and
// machines without a display.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "advise.hpp"
#include "cli_texts.hpp"
#include "sheet.hpp"
#include "design.hpp"
#include "designer_words.hpp"
#include "design_file.hpp"
#include "options.hpp"
#include "platform.hpp"
#include "pipeline.hpp"
#include "run_json.hpp"
#include "record.hpp"
#include "steel_texts.hpp"
#include "steels.hpp"
#include "rectifier_fields.hpp"
#include "rectifier_texts.hpp"
#include "storage_words.hpp"
#include "texts.hpp"
#include "wires.hpp"

namespace fs = std::filesystem;
using namespace velmora;

namespace {

constexpr int kOk = 0, kNotCalculated = 1, kTrouble = 2;

fs::path executableDir(const char* argv0) { return platform::executableFile(argv0).parent_path(); }

int fail(const std::string& text) {  // worded by the caller
    std::cerr << "velmora-cli: " << text << "\n";
    return kTrouble;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    cli::Parsed parsed = cli::parseArguments(args);
    const texts::Lang lang = texts::langFromCode(parsed.lang);
    if (!parsed.options) {
        std::cerr << "velmora-cli: " << texts::usageError(parsed.error, parsed.what, lang) << "\n\n"
                  << texts::usage(lang) << texts::designerText(texts::DesignerText::usage, lang);
        return kTrouble;
    }
    const cli::Options& opt = *parsed.options;
    if (opt.help) {
        std::cout << texts::usage(lang) << texts::designerText(texts::DesignerText::usage, lang);
        return kOk;
    }
    if (opt.keys) {
        std::cout << texts::designKeys(lang);
        return kOk;
    }
    if (opt.version) {
        std::cout << "velmora-cli " VELMORA_VERSION "\n";
        return kOk;
    }

    Record rec;
    if (opt.design) {
        ReadOutcome read = ReadDesign(*opt.design, rec);
        if (read.status == ReadOutcome::cannotOpen)
            return fail(texts::cliFailure(texts::CliFailure::cannotReadDesign, *opt.design, lang));
        if (read.status == ReadOutcome::refused) return fail(texts::fileError(read.error, lang));
    }
    for (const auto& [key, value] : opt.sets) {
        assignFromText(rec, *findField(key), value);
        // As in the window: a hand-set voltage or current detaches the rectifier.
        if (const int i = secondaryDetachedBy(key); i >= 0) rec.rect2[i] = 0;
    }

    std::optional<fs::path> folder;
    if (opt.data) folder = fs::path(*opt.data);
    else folder = FindDataFolder(executableDir(argv[0]));
    if (!folder)
        return fail(texts::cliFailure(texts::CliFailure::noCatalogue, std::string(kKindListFile), lang));

    const WireKinds kinds = LoadWireKinds(*folder, SizeFiles::unread);
    WireSizes sizes;  // of the record's kind, read when the kind is known
    EvaluationInputs in;
    in.kinds = &kinds;
    in.sizesOf = [&](const std::string& kind) -> const WireSizes& { return sizes = LoadWireSizes(*folder, kind); };
    in.lang = lang;
    in.diagWidth = opt.diagramWidth;

    if (opt.designer) {
        const WireChoice wires = chooseWires(rec, in);
        if (!wires.table) return fail(texts::message(*wires.failure, lang).text);
        return cli::design(opt, rec, *wires.table, *folder, executableDir(argv[0]), lang);
    }
    if (opt.advise) {
        const WireChoice wires = chooseWires(rec, in);
        if (!wires.table) return fail(texts::message(*wires.failure, lang).text);
        return cli::advise(opt, rec, *wires.table, *folder, executableDir(argv[0]), lang);
    }

    // Steel and heating: a missing or refused steel catalogue costs only these results.
    const SteelCatalogue steels = LoadSteels(*folder);
    in.steels = &steels;
    const Evaluation e = evaluate(rec, in);
    if (e.status == EvaluationStatus::noWires) return fail(texts::message(*e.failure, lang).text);
    if (e.steelProblem) std::cerr << "velmora-cli: " << texts::steelProblem(*e.steelProblem, lang) << "\n";
    if (e.gradeReplaced())
        std::cerr << "velmora-cli: " << texts::steelGradeMissing(e.steel.choice.asked, e.steel.choice.grade->name, lang) << "\n";
    const RunResult& run = e.run;

    std::string summary = texts::summary(rec, run, e.messages, e.misread, lang);
    if (e.steelShown()) summary += texts::steelSummary(*e.steel.result, *e.steel.choice.grade, lang);
    std::cout << (opt.json ? json::runAsJson(rec, e, lang) : summary);
    if (!opt.json)
        for (int i = 0; i < kSecondaries; ++i)
            if (hasRectifier(rec, i))
                std::cout << "═ 2." << i + 1 << ": "
                          << texts::rectifierStatus(e.rectifiers[i], rectifierInputs(rec, i), lang) << "\n"
                          << texts::rectifierTapNote(e.rectifiers[i].tap, i, rec.rect2[i], lang)
                          << (e.rectifiers[i].tap == RectifierTap::kept ? "" : "\n");

    int status = run.status == RunStatus::ok ? kOk : kNotCalculated;
    if (opt.report) {
        texts::ReportExtras extras;
        if (e.steelShown()) {
            extras.steel = texts::steelReport(*e.steel.result, *e.steel.choice.grade, lang);
            extras.cannotWork = texts::cannotWorkReport(*e.steel.result, lang);
        }
        texts::ReportText report = texts::report(rec, run, lang, extras);
        if (!report.ok) {
            std::cerr << "velmora-cli: " << report.error << "\n";
            status = std::max(status, kNotCalculated);
        } else if (WriteOutcome w = WriteTextFileCp1251(*opt.report, report.text); !w.ok) {
            std::cerr << "velmora-cli: " << texts::fileError(w.error, lang) << "\n";
            status = kTrouble;
        }
    }
    if (opt.save) {
        if (WriteOutcome w = WriteDesign(*opt.save, rec); !w.ok) {
            std::cerr << "velmora-cli: " << texts::fileError(w.error, lang) << "\n";
            status = kTrouble;
        }
    }
    return status;
}
