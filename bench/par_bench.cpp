#include <benchmark/benchmark.h>

#include "math/par_sheet.h"

namespace {

// The whole exact enumeration behind `quorvel-sim par`.
void BM_ParEnumeration(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const int threads = static_cast<int>(state.range(1));
    for (auto _ : state) {
        auto tally = quorvel::math::enumerateNormalSpin(lines, threads);
        benchmark::DoNotOptimize(tally);
    }
    state.SetLabel("22^5 combinations");
}
// Arguments: lines played, threads.
BENCHMARK(BM_ParEnumeration)
    ->Args({1, 1})
    ->Args({25, 1})
    ->Args({25, 2})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
