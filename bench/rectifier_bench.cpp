// Speed of the rectifier: one steady state (target under 1 ms), the EMF search, and
// the whole helper for five rectifier secondaries with its calculation rounds (target
// under 20 ms, so that a recalculation stays within a frame).
#include <benchmark/benchmark.h>

#include "designs.hpp"
#include "rectifier.hpp"
#include "rectifier_design.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

const WireTable& table() {
    static const WireTable t = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    return t;
}

// 24 V through 0.5 ohm, 4700 µF, 2 A: the builder's everyday supply.
RectifierCircuit everyday(int kind) {
    RectifierCircuit c;
    c.kind = static_cast<RectifierKind>(kind);
    c.E = 24;
    c.Rs = 0.5;
    c.C = 4700e-6;
    c.Idc = 2;
    return c;
}

void SteadyState(benchmark::State& state) {
    const RectifierCircuit c = everyday(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        RectifierResult r = solveRectifier(c);
        benchmark::DoNotOptimize(r);
        if (r.status != RectifierStatus::settled) state.SkipWithError("did not settle");
    }
}
BENCHMARK(SteadyState)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

void EmfForThirtyVolts(benchmark::State& state) {
    const RectifierCircuit c = everyday(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        EmfSolution s = solveEmf(c, 30);
        benchmark::DoNotOptimize(s);
        if (s.status != EmfStatus::found) state.SkipWithError("no EMF found");
    }
}
BENCHMARK(EmfForThirtyVolts)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

// Each core kind with five secondaries, every one a rectifier: both full-wave
// circuits, the half wave, a small capacitor and a low voltage.
void FiveRectifiers(benchmark::State& state) {
    const int core = static_cast<int>(state.range(0));
    const Record design = bench::makeRecord(bench::fiveSecondaries(core));
    RectifierInputSets inputSets{};
    inputSets[0] = {1, 30, 2, 4700, 0.7, 0.02};
    inputSets[1] = {2, 15, 1, 2200, 0.7, 0.02};
    inputSets[2] = {3, 12, 0.5, 1000, 0.7, 0.02};
    inputSets[3] = {1, 48, 0.5, 470, 1.0, 0.05};
    inputSets[4] = {2, 5, 2, 10000, 0.4, 0.01};
    int rounds = 0;
    for (auto _ : state) {
        Record r = design;
        RectifierDesigns d = applyRectifiers(r, table(), inputSets);
        benchmark::DoNotOptimize(d);
        for (const RectifierDesign& x : d)
            if (x.status != RectifierDesignStatus::settled) state.SkipWithError("did not settle");
        rounds = d[0].rounds;
    }
    state.counters["rounds"] = rounds;
}
BENCHMARK(FiveRectifiers)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

}  // namespace
