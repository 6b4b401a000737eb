#include "core_advisor.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "core_typing.hpp"
#include "numtext.hpp"
#include "pipeline.hpp"

namespace velmora {

namespace {

// The catalogue grade of that name (case aside), or nullptr.
const SteelGrade* gradeNamed(const std::vector<SteelGrade>& grades, std::string_view name) {
    auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    for (const SteelGrade& g : grades)
        if (std::equal(g.name.begin(), g.name.end(), name.begin(), name.end(),
                       [&](char a, char b) { return lower(a) == lower(b); }))
            return &g;
    return nullptr;
}

bool better(const CoreAdvice& a, const CoreAdvice& b, Ranking by) {
    switch (by) {
        case Ranking::rise: return a.hot_spot_c < b.hot_spot_c;
        case Ranking::efficiency: return a.efficiency_pct > b.efficiency_pct;
        case Ranking::steelMass: break;
    }
    return a.mass_steel_kg < b.mass_steel_kg;
}

}  // namespace

Record designOnCore(const Record& design, const ListedCore& c, bool designSteel) {
    Record r = design;
    typeCore(r, c.core, c.lst, c.hst, c.lok, c.hok);
    if (!designSteel) r.Bm = std::string(inductionFor(c.core));
    return r;
}

CoreAdvice judgeCore(const Record& design, const ListedCore& c, int index, const WireTable& wires,
                     const SteelGrade& grade, const AdviceLimits& limits) {
    CoreAdvice a;
    a.index = index;
    Record r = designOnCore(design, c, limits.designSteel);
    // Rectifier secondaries are sized again for this core's own resistances, as every
    // evaluation does.
    EvaluationInputs in;
    in.wires = &wires;
    in.grade = &grade;
    in.words = false;
    const Evaluation e = evaluate(r, in);
    const RunResult& run = e.run;
    if (run.status == RunStatus::overfill) {
        a.verdict = Verdict::overfill;
        return a;
    }
    if (run.status != RunStatus::ok) return a;  // refused
    if (!e.steel.result || e.steel.result->status != SteelStatus::ok) return a;
    const SteelResult& s = *e.steel.result;

    // The figures at work: the design's ambient, the copper at its own temperature.
    const WorkingFigures& w = s.work;
    a.Kok = number(r.Kok);
    a.rise_k = w.rise_k.value_or(NAN);
    a.hot_spot_c = w.hot_spot_c.value_or(NAN);
    a.class_margin_k = w.class_margin_k.value_or(NAN);
    a.efficiency_pct = w.efficiency_pct.value_or(NAN);
    a.mass_steel_kg = w.mass_steel_kg;
    a.mass_copper_kg = s.mass_copper_kg;
    a.W1 = run.figures.W1;
    a.D1 = textToDouble(r.D1);  // one strand's copper diameter
    const RunFigures& f = run.figures;
    a.buildShare = !shapeOf(f.core).ring && f.room > 0 ? lastBuild(f) / f.room : 0;

    if (!shapeOf(f.core).ring && !(a.buildShare <= limits.margin)) a.verdict = Verdict::margin;
    // A heating that has no figure (it did not settle) is too hot under either limit.
    else if (limits.heat == HeatLimit::insulationClass ? !(a.class_margin_k >= 0) : !(a.rise_k < limits.riseLimit))
        a.verdict = Verdict::tooHot;
    else a.verdict = Verdict::fit;
    return a;
}

Advice adviseCores(const Record& design, std::span<const ListedCore> cores, const WireTable& wires,
                   const std::vector<SteelGrade>& grades, std::string_view gradeName,
                   const AdviceLimits& limits) {
    Advice out;
    // The grade of each kind, looked up once.
    std::array<const SteelGrade*, kCoreKindCount> gradeOf{};
    for (const CoreShape& s : kCoreShapes)
        gradeOf[kindIndex(s.kind)] =
            gradeNamed(grades, limits.designSteel && !gradeName.empty() ? gradeName : s.steelGrade);
    for (int i = 0; i < static_cast<int>(cores.size()); ++i) {
        const ListedCore& c = cores[i];
        const std::optional<CoreKind> kind = coreKindFrom(c.core);
        const SteelGrade* g = kind ? gradeOf[kindIndex(*kind)] : nullptr;
        if (kind && !g) {
            out.status = AdviceStatus::noGrade;
            out.grade = limits.designSteel && !gradeName.empty() ? std::string(gradeName)
                                                                 : std::string(defaultSteelGrade(c.core));
            out.ranked.clear();
            out.others.clear();
            out.counts = {};
            return out;
        }
        // A kind outside 0..4 is refused by the run itself; any grade serves the call.
        static const SteelGrade none;
        const CoreAdvice a = judgeCore(design, c, i, wires, g ? *g : none, limits);
        switch (a.verdict) {
            case Verdict::fit: ++out.counts.fit; out.ranked.push_back(a); break;
            case Verdict::overfill: ++out.counts.overfill; break;
            case Verdict::refused: ++out.counts.refused; break;
            case Verdict::tooHot: ++out.counts.tooHot; break;
            case Verdict::margin: ++out.counts.margin; break;
        }
        if (a.verdict != Verdict::fit) out.others.push_back(a);
    }
    std::stable_sort(out.ranked.begin(), out.ranked.end(),
                     [&](const CoreAdvice& a, const CoreAdvice& b) { return better(a, b, limits.by); });
    return out;
}

}  // namespace velmora
