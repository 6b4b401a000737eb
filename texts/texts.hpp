// Every text Velmora shows or writes, rendered from the engine's data in the user's
// language: messages, tool-tips, the winding instruction, the report, field labels,
// core kinds, the proposed file name. Russian is the program's own language and its
// texts are byte for byte those of the original program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calculation.hpp"
#include "record.hpp"

namespace velmora::texts {

// A language of the registry (languages.hpp): the index of its row. Russian and
// English, the two the program has always spoken, have names of their own.
struct Lang {
    std::uint8_t index = 0;
    static const Lang ru, en;
    friend bool operator==(Lang, Lang) = default;
};
inline constexpr Lang Lang::ru{0};
inline constexpr Lang Lang::en{1};
// The language of a code; the program's own (Russian) for one no language has, which
// is what an old state file or an address without a choice means. Where an unknown
// code is an error, ask findLang (languages.hpp).
Lang langFromCode(std::string_view code);
std::string_view langCode(Lang lang);  // "ru", "en"

// A message box: caption and text (lines separated by '\n').
struct Shown {
    std::string caption;
    std::string text;
    bool operator==(const Shown&) const = default;
};
Shown message(const Message& m, Lang lang);
// Why a run is refused, as a sentence of its own ("The field ... must ..."): the
// refusal's text without "Расчет невозможен: ".
std::string refusalSentence(const Message& m, Lang lang);
std::string_view warningCaption(Lang lang);  // "Внимание!"

// The tool-tip of a result field ("" for an empty hint).
std::string hint(const Hint& h, Lang lang);
// The wire hint's gauge line ("Калибр AWG 24"), "" when the wire has no gauge.
std::string gaugeLine(const Hint& h, Lang lang);

// The comment box after a run: the winding instruction of an ok run, else the
// overfill or refusal text (lines separated by "\r\n").
std::string comment(const RunResult& run, Lang lang);

// The label and unit of a field as the window and the CLI show them.
std::string_view label(const Field& f, Lang lang);
std::string_view unit(const Field& f, Lang lang);
// The name of a core kind 0..4 (the radio buttons), and its short name (Т, ПЛ, ...).
std::string_view coreKind(int core, Lang lang);
// The label of a field as the window shows it for the core kind: a core size (lst,
// hst, lok, hok) by the kind's own dimension name ("D, мм" for a ring), every other
// field (and any field of a number that names no kind) by its own label; empty for a
// name that is no field.
std::string_view coreSizeLabel(std::string_view name, int core, Lang lang);

// "Ш 25x32x25x40, 1,5Т, 3,5Амм2, 20Вх5А" + extension (".sav" or ".txt"); every '.'
// becomes ',' and characters no file name can hold become '_'.
std::string designName(const Record& r, std::string_view extension, Lang lang);

struct ReportText {
    bool ok = false;
    std::string text;   // UTF-8, CR LF line ends
    std::string error;  // why no report can be made, when !ok
};
// Sections of the report after the windings, worded by the caller's module.
struct ReportExtras {
    std::string steel;  // texts::steelReport, when the steel model ran
    std::string cannotWork;  // texts::cannotWorkReport: closes the report when the design cannot work
};
// The report of the last calculation: core header, induction, current density, the
// winding instruction with the data of every winding under its heading, then the extras.
ReportText report(const Record& r, const RunResult& run, Lang lang, const ReportExtras& extras = {});

// An input whose text is not wholly a number, and the value it reads as.
struct Misread {
    std::string_view field;  // design-file key
    std::string text;
    double reads = 0;
};
// The tool-tip of a marked field: "Не число: читается как 5".
std::string misreadNotice(double reads, Lang lang);

// velmora-cli's text output: core and wire, status, misread inputs, the results by
// winding, the messages and the comment.
std::string summary(const Record& r, const RunResult& run, const std::vector<Message>& messages,
                    const std::vector<Misread>& misread, Lang lang);

// velmora-cli's own words: its usage, its usage errors and why it cannot go on.
enum class UsageError { none, needsValue, badWidth, badSet, unknownKey, unknownOption, twoDesigns, badLang,
                        badTop, badGoal, badLimit };
enum class CliFailure { cannotReadDesign, noCatalogue, badSteels };
std::string usage(Lang lang);
std::string usageError(UsageError e, const std::string& what, Lang lang);
std::string cliFailure(CliFailure f, const std::string& what, Lang lang);

}  // namespace velmora::texts
