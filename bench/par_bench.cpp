#include <benchmark/benchmark.h>

#include "tools/sim/par_sheet.h"

namespace {

// The whole exact enumeration behind `quorvel-sim par`.
void BM_ParEnumeration(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto tally = quorvel::sim::enumerateNormalSpin(lines);
        benchmark::DoNotOptimize(tally);
    }
    state.SetLabel("22^5 combinations");
}
BENCHMARK(BM_ParEnumeration)->Arg(1)->Arg(25)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
