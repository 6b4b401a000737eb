#include "designer.hpp"

#include <algorithm>

#include "core_typing.hpp"
#include "design_evaluator.hpp"
#include "numtext.hpp"
#include "pareto.hpp"
#include "pipeline.hpp"
#include "steels.hpp"

namespace velmora {
namespace {

// The rectifiers are solved for the search at this point, and again at each winner.
constexpr double kBmRef = 1.0, kJRef = 3.0;

struct CoreDesign {
    bool found = false;
    DesignMiss miss = DesignMiss::refused;
    DesignedCore row;
};

// The search, and its winner run again through the whole evaluation. Where the
// rectifiers solved at the winner move it past a limit, the search is repeated once
// with them solved there.
CoreDesign designOne(const Record& design, const ListedCore& c, int index, const WireTable& wires,
                     const SteelGrade& grade, const DesignRequest& q, const DesignLimits& limits,
                     DesignOutcome& out) {
    CoreDesign cd;
    const DesignGrid grid = gridFor(c.core, grade, 0.6, q.jMin, q.jMax);
    double BmRef = kBmRef, jRef = kJRef;
    for (int round = 0; round < 2; ++round) {
        RunEvaluator ev(design, c, wires, grade, BmRef, jRef, limits.noLoad_pct != kNoLimit);
        const DesignSearch s = searchDesign(grid, limits, q.goal, ev);
        out.points += s.points;
        out.runs += s.runs;
        cd.miss = s.miss;
        if (!s.found) return cd;
        Record r = designOnCore(design, c);
        r.Bm = shortest(s.Bm);
        r.j = shortest(s.j);
        const DesignFigures f = evaluatedFigures(r, wires, grade);
        cd.miss = missOf(f, limits).miss;
        if (cd.miss == DesignMiss::none) {
            cd.found = true;
            cd.row = {index, s.Bm, s.j, f, false, std::move(r)};
            return cd;
        }
        BmRef = s.Bm;
        jRef = s.j;
    }
    return cd;
}

}  // namespace

DesignFigures evaluatedFigures(Record& r, const WireTable& wires, const SteelGrade& grade) {
    EvaluationInputs in;
    in.wires = &wires;
    in.grade = &grade;
    in.words = false;
    const Evaluation e = evaluate(r, in);
    if (!e.steel.result) {
        DesignFigures d;
        d.overfilled = e.run.status == RunStatus::overfill;
        return d;
    }
    DesignFigures d = designFigures(e.run, *e.steel.result);
    for (const RectifierDesign& x : e.rectifiers)
        if (x.status != RectifierDesignStatus::none && x.status != RectifierDesignStatus::settled)
            d.feasible = false;
    return d;
}

DesignOutcome designCores(const Record& design, std::span<const ListedCore> cores, const WireTable& wires,
                          const std::vector<SteelGrade>& grades, const DesignRequest& q) {
    DesignOutcome out;
    out.limits = q.limits;
    if (q.withinClass) {
        const HeatConditions heat =
            heatConditions(design.Tamb, design.Insulation, design.Impregnated).value_or(HeatConditions{});
        out.limits.hot_c = std::min(out.limits.hot_c, classLimit(heat.insulation));
    }
    for (int i = 0; i < static_cast<int>(cores.size()); ++i) {
        const ListedCore& c = cores[i];
        const std::string name = q.grade.empty() ? std::string(defaultSteelGrade(c.core)) : q.grade;
        const SteelGrade* g = coreKindFrom(c.core) ? FindSteelGrade(grades, name) : nullptr;
        if (coreKindFrom(c.core) && !g) {
            out = {};
            out.status = AdviceStatus::noGrade;
            out.grade = name;
            return out;
        }
        if (!g) {  // a kind outside 0..4: the run refuses it
            ++out.rejected[static_cast<int>(DesignMiss::refused)];
            continue;
        }
        CoreDesign d = designOne(design, c, i, wires, *g, q, out.limits, out);
        if (d.found) out.rows.push_back(std::move(d.row));
        else ++out.rejected[static_cast<int>(d.miss)];
    }
    std::stable_sort(out.rows.begin(), out.rows.end(), [&](const DesignedCore& a, const DesignedCore& b) {
        return goalOf(a.figures, q.goal) < goalOf(b.figures, q.goal);
    });
    std::vector<chart::MassLoss> ml;
    for (const DesignedCore& r : out.rows) ml.push_back({r.figures.mass_kg, r.figures.loss_w});
    const std::vector<bool> front = chart::paretoSet(ml);
    for (size_t i = 0; i < out.rows.size(); ++i) out.rows[i].pareto = front[i];
    return out;
}

}  // namespace velmora
