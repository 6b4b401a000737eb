// The work the steel and heating results add to one calculation: the model on a
// design's figures, for each core kind with its default grade (target: under 2 µs).
#include <benchmark/benchmark.h>

#include "calculation.hpp"
#include "designs.hpp"
#include "steel.hpp"
#include "steels.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

// The steel model after the five-secondary design of `core`, with the grade `name`.
void timeSteelModel(benchmark::State& state, int core, std::string_view name) {
    const WireTable wires = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    const SteelCatalogue steels = LoadSteels(VELMORA_DATA_DIR);
    const SteelGrade* grade = FindSteelGrade(steels.grades, name);
    Record r = bench::makeRecord(bench::fiveSecondaries(core));
    const RunResult run = Calculate(r, wires);
    if (run.status != RunStatus::ok || grade == nullptr) {
        state.SkipWithError("the design or the grade is missing");
        return;
    }
    for (auto _ : state) {
        SteelResult s = steelModel(run.figures, *grade);
        benchmark::DoNotOptimize(s);
    }
}

void SteelModel(benchmark::State& state) {
    const int core = static_cast<int>(state.range(0));
    timeSteelModel(state, core, defaultSteelGrade(core));
}
BENCHMARK(SteelModel)->DenseRange(0, 4);

// The same with a grade that has every point (loss, field): the longest path.
void SteelModelFullGrade(benchmark::State& state) { timeSteelModel(state, 2, "M800-50A"); }
BENCHMARK(SteelModelFullGrade);

void SteelCatalogueLoad(benchmark::State& state) {
    for (auto _ : state) {
        SteelCatalogue c = LoadSteels(VELMORA_DATA_DIR);
        benchmark::DoNotOptimize(c);
    }
}
BENCHMARK(SteelCatalogueLoad);

}  // namespace
