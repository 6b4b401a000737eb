// Speed of the calculation, the catalogue and the design files.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "calculation.hpp"
#include "design_file.hpp"
#include "designs.hpp"
#include "wires.hpp"

using namespace velmora;
namespace fs = std::filesystem;

namespace {

const WireTable& table() {
    static const WireTable t = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    return t;
}

void run(benchmark::State& state, const Record& design) {
    const WireTable& wires = table();
    for (auto _ : state) {
        Record r = design;
        RunResult res = Calculate(r, wires);
        benchmark::DoNotOptimize(res);
        if (res.status != RunStatus::ok) state.SkipWithError("the design did not compute");
    }
}

void DefaultDesign(benchmark::State& state) { run(state, Record{}); }
BENCHMARK(DefaultDesign);

void FiveSecondaries(benchmark::State& state) {
    run(state, bench::makeRecord(bench::fiveSecondaries(static_cast<int>(state.range(0)))));
}
BENCHMARK(FiveSecondaries)->DenseRange(0, 4);

void ThinWireRing(benchmark::State& state) { run(state, bench::makeRecord(bench::thinWireRing())); }
BENCHMARK(ThinWireRing);

void CatalogueLoad(benchmark::State& state) {
    for (auto _ : state) {
        WireKinds kinds = LoadWireKinds(VELMORA_DATA_DIR);
        WireSizes sizes = LoadWireSizes(VELMORA_DATA_DIR, kinds.names.front());
        benchmark::DoNotOptimize(sizes);
    }
}
BENCHMARK(CatalogueLoad);

void DesignWriteRead(benchmark::State& state) {
    fs::path p = fs::temp_directory_path() / "velmora-bench.sav";
    Record design = bench::makeRecord(bench::fiveSecondaries(2));
    for (auto _ : state) {
        WriteOutcome w = WriteDesign(p, design);
        Record back;
        ReadOutcome r = ReadDesign(p, back);
        benchmark::DoNotOptimize(r);
        if (!w.ok || r.status != ReadOutcome::ok) state.SkipWithError("design file failed");
    }
    fs::remove(p);
}
BENCHMARK(DesignWriteRead);

}  // namespace
