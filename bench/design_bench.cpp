// The designer over 100 candidate cores (the built-in E-I series and generated cores of
// the other kinds): with the default loads (target: under 300 ms) and with two
// rectifier secondaries (target: under 1 s); and the search alone, every core on its
// own, as the trade-off chart needs each core's best.
#include <benchmark/benchmark.h>

#include "design_evaluator.hpp"
#include "designer.hpp"
#include "rectifier_fields.hpp"
#include "ei_series.hpp"
#include "steels.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

std::vector<ListedCore> hundredCores() {
    std::vector<ListedCore> cores = eiSeries();
    for (int i = 0; cores.size() < 100; ++i) {
        const int kind = i % 4 == 3 ? 4 : i % 4;  // rings, ПЛ, ШЛ, Г
        const double step = i / 4;
        ListedCore c;
        c.name = "core " + std::to_string(i + 1);
        c.core = kind;
        if (kind == 0) {
            c.hst = 20 + 3 * step;  // d
            c.lst = c.hst * 1.6;    // D
            c.lok = 10 + 1.5 * step;
        } else {
            c.lst = 10 + 1.5 * step;
            c.hst = 12 + 2 * step;
            c.lok = 8 + 1.5 * step;
            c.hok = 20 + 3 * step;
        }
        cores.push_back(std::move(c));
    }
    return cores;
}

struct Setup {
    WireTable wires = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    std::vector<SteelGrade> grades = LoadSteels(VELMORA_DATA_DIR).grades;
    std::vector<ListedCore> cores = hundredCores();
    Record design;
    DesignLimits limits;
    Setup() {
        limits.hot_c = classLimit(InsulationClass::B);
    }
    const SteelGrade& grade(int core) const {
        return *FindSteelGrade(grades, std::string(defaultSteelGrade(core)));
    }
};

const Setup& setup() {
    static const Setup s;
    return s;
}

void count(benchmark::State& state, int found, int runs, int points) {
    state.counters["found"] = found;
    state.counters["runs"] = runs;
    state.counters["points"] = points;
}

// Two secondaries behind rectifiers: a bridge and a centre-tapped full wave.
Record twoRectifiers() {
    Record r;
    RectifierInputs bridge;
    bridge.circuit = 1;
    bridge.Udc = 30;
    bridge.Idc = 1.5;
    bridge.C_uF = 4700;
    setRectifierInputs(r, 0, bridge);
    RectifierInputs tap = bridge;
    tap.circuit = 2;
    tap.Udc = 12;
    tap.Idc = 1;
    setRectifierInputs(r, 1, tap);
    return r;
}

// The whole designer over the 100 cores: each core's best, its winner run again
// through the whole evaluation, ranked, the Pareto set marked. Arg 0: the default
// loads; 1: two rectifier secondaries.
void DesignHundredCores(benchmark::State& state) {
    const Setup& s = setup();
    const Record design = state.range(0) ? twoRectifiers() : s.design;
    DesignRequest q;
    q.goal = static_cast<DesignGoal>(state.range(1));
    DesignOutcome d;
    for (auto _ : state) {
        d = designCores(design, s.cores, s.wires, s.grades, q);
        benchmark::DoNotOptimize(d);
    }
    count(state, static_cast<int>(d.rows.size()), d.runs, d.points);
}
BENCHMARK(DesignHundredCores)
    ->ArgsProduct({{0, 1}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

// The search alone, each core on its own (no run again, no ranking).
void DesignEveryCore(benchmark::State& state) {
    const Setup& s = setup();
    const auto goal = static_cast<DesignGoal>(state.range(0));
    int found = 0, runs = 0, points = 0;
    for (auto _ : state) {
        found = runs = points = 0;
        for (const ListedCore& c : s.cores) {
            RunEvaluator ev(s.design, c, s.wires, s.grade(c.core), 1.0, 3.0);
            const DesignSearch d = searchDesign(gridFor(c.core, s.grade(c.core)), s.limits, goal, ev);
            found += d.found;
            runs += d.runs;
            points += d.points;
            benchmark::DoNotOptimize(d);
        }
    }
    count(state, found, runs, points);
}
BENCHMARK(DesignEveryCore)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
