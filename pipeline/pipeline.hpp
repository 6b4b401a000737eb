// One evaluation of a design, for every caller (the window, velmora-cli, the page, the
// core advisor): the wire kind and its size table, the rectifiers sized for the
// secondaries that have one, the calculation, its comment, the steel and heating.
// The catalogues come loaded, as data; what a caller shows of the outcome is its own.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calculation.hpp"
#include "figures.hpp"
#include "record.hpp"
#include "rectifier_design.hpp"
#include "steels.hpp"
#include "texts.hpp"
#include "wires.hpp"

namespace velmora {

// What the design is evaluated with. Either the wire kinds with a way to the size
// table of a kind (the record's Conductor is then checked against the kinds), or the
// size table of a kind already chosen (the window's, the advisor's).
struct EvaluationInputs {
    const WireKinds* kinds = nullptr;
    std::function<const WireSizes&(const std::string& kind)> sizesOf;
    const WireTable* wires = nullptr;  // used when `kinds` is null
    // The steel catalogue; none, or one refused, costs only the steel figures.
    const SteelCatalogue* steels = nullptr;
    // The steel of the run instead of the record's choice (the advisor's grade per kind).
    const SteelGrade* grade = nullptr;
    texts::Lang lang = texts::Lang::ru;  // of the comment
    bool words = true;                   // word the comment and take the misread inputs
    std::optional<int> diagWidth, diagTextHeight;  // the window's strip, when it has one
};

enum class EvaluationStatus {
    ok,
    notCalculated,  // the run refused or overfilled: run.status says which
    noWires,        // the wire catalogue cannot be used: `failure` says why
};

// Whether a figure has a value for this design.
enum class FigureStatus {
    shown,
    unavailable,  // the model ran but has no value for it (no magnetisation data: I0)
    notRun,       // the steel model did not run or ended without figures
};

struct FigureValue {
    const SteelFigure* figure = nullptr;
    FigureStatus status = FigureStatus::notRun;
    double value = 0;  // when shown
};

struct Evaluation {
    EvaluationStatus status = EvaluationStatus::ok;
    std::optional<Message> failure;      // noWires: the wire catalogue's message
    RunResult run;                       // status, messages, hints, figures
    std::vector<Message> messages;       // the kind's replacement, then the run's
    std::vector<texts::Misread> misread; // inputs not wholly numbers, before the run
    RectifierDesigns rectifiers{};       // what the rectifier sizing came to before the run
    SteelOutcome steel;
    // The steel catalogue could not be used (velmora-cli says so on standard error).
    std::optional<SteelProblem> steelProblem;
    std::vector<FigureValue> figures;    // one per row of kSteelFigures, in its order

    bool steelShown() const {
        return steel.result && steel.result->status == SteelStatus::ok && steel.choice.grade.has_value();
    }
    // The grade used instead of one the design asks for and the catalogue lacks.
    bool gradeReplaced() const { return steel.choice.missing && steel.choice.grade.has_value(); }
};

// The inputs that are not wholly numbers, as the user gave them (taken before the
// calculation, which rewrites commas and derived sizes).
std::vector<texts::Misread> misreadTexts(const Record& r);

// The wire kind of the record and its size table: with `kinds`, the record's Conductor
// becomes the kind it selects (a message when it had to be replaced) and the table is
// that kind's; else the table given. No table when the catalogue cannot be used.
struct WireChoice {
    const WireTable* table = nullptr;
    std::optional<Message> message;  // the kind was replaced
    std::optional<Message> failure;  // no table: why
};
WireChoice chooseWires(Record& rec, const EvaluationInputs& in);

// Evaluates the design: the record's results, Conductor, rectifier secondaries and
// comment are written into it, as the calculation always has.
Evaluation evaluate(Record& rec, const EvaluationInputs& in);

}  // namespace velmora
