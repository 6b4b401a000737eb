// The designer's exact grid search over 100 candidate cores (the built-in E-I series
// and generated cores of the other kinds) for the default loads (target: under
// 300 ms): every core on its own, as the trade-off chart needs each core's best, and
// the best of all cores, where a core that cannot beat the best so far is cut short.
#include <benchmark/benchmark.h>

#include "design_evaluator.hpp"
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
        limits.rise_k = kSteel.riseLimit;
        limits.fill = 0.9;
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

// Each core's best on its own.
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

// The best design of all cores.
void DesignBestOfCores(benchmark::State& state) {
    const Setup& s = setup();
    const auto goal = static_cast<DesignGoal>(state.range(0));
    int found = 0, runs = 0, points = 0;
    for (auto _ : state) {
        found = runs = points = 0;
        double best = kNoLimit;
        for (const ListedCore& c : s.cores) {
            RunEvaluator ev(s.design, c, s.wires, s.grade(c.core), 1.0, 3.0);
            const DesignSearch d =
                searchDesign(gridFor(c.core, s.grade(c.core)), s.limits, goal, ev, best);
            if (d.found) best = goalOf(d.best, goal);
            found += d.found;
            runs += d.runs;
            points += d.points;
        }
        benchmark::DoNotOptimize(best);
    }
    count(state, found, runs, points);
}
BENCHMARK(DesignBestOfCores)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
