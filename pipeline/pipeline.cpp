#include "pipeline.hpp"

#include "output_power.hpp"
#include "rectifier_fields.hpp"

namespace velmora {

std::vector<texts::Misread> misreadTexts(const Record& r) {
    std::vector<texts::Misread> out;
    for (const MisreadField& m : misreadInputs(r))
        out.push_back({m.field->name, m.field->textIn(r), m.reads});
    return out;
}

WireChoice chooseWires(Record& rec, const EvaluationInputs& in) {
    WireChoice c;
    if (!in.kinds) {
        c.table = in.wires;
        return c;
    }
    if (!in.kinds->ok) {
        c.failure = in.kinds->message;
        return c;
    }
    KindSelection sel = SelectKind(in.kinds->names, rec.Conductor);
    rec.Conductor = sel.conductor;
    c.message = std::move(sel.message);
    const WireSizes& sizes = in.sizesOf(rec.Conductor);
    if (!sizes.ok) c.failure = sizes.message;
    else c.table = &sizes.table;
    return c;
}

namespace {

SteelOutcome steelOf(const EvaluationInputs& in, const Record& rec, const RunResult& run) {
    if (!in.grade) return in.steels ? RunSteel(*in.steels, rec, run) : SteelOutcome{};
    // The grade given, at the record's own heat conditions and output, as RunSteel runs it.
    SteelOutcome o;
    o.choice.grade = *in.grade;
    const std::optional<HeatConditions> c = heatConditions(rec.Tamb, rec.Insulation, rec.Impregnated);
    o.conditionsDefaulted = !c;
    if (c) o.conditions = *c;
    if (run.status == RunStatus::ok) {
        const OutputPower p = outputPower(rec, run.figures);
        o.result = steelModel(run.figures, *in.grade, o.conditions, {p.delivered(), p.useful(), p.rectified});
    }
    return o;
}

std::vector<FigureValue> figuresOf(const Evaluation& e) {
    std::vector<FigureValue> out;
    for (const SteelFigure& f : kSteelFigures) {
        FigureValue v{&f, FigureStatus::notRun, 0};
        if (e.steelShown()) {
            const std::optional<double> x = f.read(*e.steel.result);
            v.status = x ? FigureStatus::shown : FigureStatus::unavailable;
            v.value = x.value_or(0);
        }
        out.push_back(v);
    }
    return out;
}

}  // namespace

Evaluation evaluate(Record& rec, const EvaluationInputs& in) {
    Evaluation e;
    const WireChoice wires = chooseWires(rec, in);
    if (wires.message) e.messages.push_back(*wires.message);
    if (!wires.table) {
        e.status = EvaluationStatus::noWires;
        e.failure = wires.failure;
        return e;
    }
    if (in.diagWidth) rec.diag_width = *in.diagWidth;
    if (in.diagTextHeight) rec.diag_text_h = *in.diagTextHeight;
    if (in.words) e.misread = misreadTexts(rec);
    // The design may have changed since a rectifier set its secondary: sized again for
    // this design's own resistances before every run.
    e.rectifiers = resolveRectifiers(rec, *wires.table);
    e.run = Calculate(rec, *wires.table);
    if (in.words) rec.comment = texts::comment(e.run, in.lang);
    e.messages.insert(e.messages.end(), e.run.messages.begin(), e.run.messages.end());
    e.status = e.run.status == RunStatus::ok ? EvaluationStatus::ok : EvaluationStatus::notCalculated;

    if (in.steels && !in.steels->ok) e.steelProblem = in.steels->problem;
    e.steel = steelOf(in, rec, e.run);
    e.figures = figuresOf(e);
    return e;
}

}  // namespace velmora
