// The core advisor over a generated list of 1000 cores of every kind, small to large,
// for the default design (target: under 50 ms), and the reading of such a list.
#include <benchmark/benchmark.h>

#include "core_advisor.hpp"
#include "core_list.hpp"
#include "steels.hpp"
#include "wires.hpp"

using namespace velmora;

namespace {

// Cores of the five kinds in turn, each size stepping through its own range so that
// some overfill, some fit and some are far too large.
std::vector<ListedCore> generatedCores(int n) {
    std::vector<ListedCore> cores;
    for (int i = 0; i < n; ++i) {
        const int kind = i % 5;
        const double step = (i / 5) % 40;  // 40 sizes per kind, again and again
        ListedCore c;
        c.name = "core " + std::to_string(i + 1);
        c.core = kind;
        if (kind == 0) {
            c.hst = 20 + 2 * step;          // d
            c.lst = c.hst * 1.6;            // D
            c.lok = 10 + step;              // H
        } else {
            c.lst = 10 + step;
            c.hst = 12 + 1.25 * step;
            c.lok = 8 + step;
            c.hok = 20 + 2 * step;
        }
        cores.push_back(std::move(c));
    }
    return cores;
}

void AdviseThousandCores(benchmark::State& state) {
    const WireTable wires = LoadWireSizes(VELMORA_DATA_DIR, "ПЭТ-155").table;
    const SteelCatalogue steels = LoadSteels(VELMORA_DATA_DIR);
    const std::vector<ListedCore> cores = generatedCores(1000);
    const Record design;
    Advice a;
    for (auto _ : state) {
        a = adviseCores(design, cores, wires, steels.grades, "", AdviceLimits{});
        benchmark::DoNotOptimize(a);
    }
    if (a.status != AdviceStatus::ok) state.SkipWithError("no advice");
    state.counters["fit"] = a.counts.fit;
    state.counters["overfill"] = a.counts.overfill;
    state.counters["refused"] = a.counts.refused;
    state.counters["too_hot"] = a.counts.tooHot;
    state.counters["margin"] = a.counts.margin;
}
BENCHMARK(AdviseThousandCores)->Unit(benchmark::kMillisecond);

void ReadThousandCores(benchmark::State& state) {
    const std::string text = FormatCoreList(generatedCores(1000));
    for (auto _ : state) {
        CoreList l = ParseCoreList(text, "bench");
        benchmark::DoNotOptimize(l);
    }
}
BENCHMARK(ReadThousandCores)->Unit(benchmark::kMillisecond);

}  // namespace
