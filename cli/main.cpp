// velmora-cli: the calculation from the command line, for scripts, batch work and
// machines without a display.
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "advise.hpp"
#include "calculation.hpp"
#include "design_file.hpp"
#include "options.hpp"
#include "platform.hpp"
#include "output.hpp"
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
                  << texts::usage(lang);
        return kTrouble;
    }
    const cli::Options& opt = *parsed.options;
    if (opt.help) {
        std::cout << texts::usage(lang);
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

    WireKinds kinds = LoadWireKinds(*folder, SizeFiles::unread);
    if (!kinds.ok) return fail(texts::message(kinds.message, lang).text);
    std::vector<Message> messages;
    KindSelection sel = SelectKind(kinds.names, rec.Conductor);
    rec.Conductor = sel.conductor;
    if (sel.message) messages.push_back(*sel.message);
    WireSizes sizes = LoadWireSizes(*folder, rec.Conductor);
    if (!sizes.ok) return fail(texts::message(sizes.message, lang).text);

    if (opt.advise) return cli::advise(opt, rec, sizes.table, *folder, executableDir(argv[0]), lang);

    rec.diag_width = opt.diagramWidth;
    const std::vector<texts::Misread> misread = cli::misreadTexts(rec);
    const RectifierDesigns rectifiers = resolveRectifiers(rec, sizes.table);
    RunResult run = Calculate(rec, sizes.table);
    rec.comment = texts::comment(run, lang);
    messages.insert(messages.end(), run.messages.begin(), run.messages.end());

    // Steel and heating: a missing or refused steel catalogue costs only these results.
    const SteelCatalogue steels = LoadSteels(*folder);
    if (!steels.ok) std::cerr << "velmora-cli: " << texts::steelProblem(steels.problem, lang) << "\n";
    const SteelOutcome steel = RunSteel(steels, rec, run);
    if (steel.choice.missing && steel.choice.grade)
        std::cerr << "velmora-cli: " << texts::steelGradeMissing(steel.choice.asked, steel.choice.grade->name, lang) << "\n";
    const bool steelShown = steel.result && steel.result->status == SteelStatus::ok;

    std::string summary = texts::summary(rec, run, messages, misread, lang);
    if (steelShown) summary += texts::steelSummary(*steel.result, *steel.choice.grade, lang);
    std::cout << (opt.json ? cli::runAsJson(rec, run, messages, misread, lang, steel, rectifiers) : summary);
    if (!opt.json)
        for (int i = 0; i < kSecondaries; ++i)
            if (hasRectifier(rec, i))
                std::cout << "═ 2." << i + 1 << ": "
                          << texts::rectifierStatus(rectifiers[i], rectifierInputs(rec, i), lang) << "\n";

    int status = run.status == RunStatus::ok ? kOk : kNotCalculated;
    if (opt.report) {
        texts::ReportExtras extras;
        if (steelShown) extras.steel = texts::steelReport(*steel.result, *steel.choice.grade, lang);
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
