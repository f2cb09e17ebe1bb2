// `quorvel-sim play` in normal spins per second of wall time, every feature's choreography
// included, for each gamble policy.
#include <benchmark/benchmark.h>

#include "tools/sim/play_session.h"

namespace {

using quorvel::sim::GamblePolicy;

void BM_Play(benchmark::State& state) {
    quorvel::sim::PlayOptions options;
    options.spins = 20'000;
    options.gamble = static_cast<GamblePolicy>(state.range(0));
    options.chaos = state.range(1) != 0;
    long long spins = 0;
    for (auto _ : state) {
        const auto ledger = quorvel::sim::play(options);
        spins += ledger.games;
        ++options.seed;
    }
    state.counters["spins_per_s"] =
        benchmark::Counter(static_cast<double>(spins), benchmark::Counter::kIsRate);
}
// Arguments: gamble policy (0 never/autoplay, 1 take, 2 red, 4 suit), chaos.
BENCHMARK(BM_Play)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({4, 0})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
