// Headless spins per second of wall time, every step of the choreography included: reels,
// paid lines, animations, the count-up and autoplay's pacing on the virtual clock.
#include <benchmark/benchmark.h>

#include "platform/headless/headless_platform.h"
#include "screen/quorvel.h"

namespace {

void BM_AutoplaySpins(benchmark::State& state) {
    quorvel::platform::headless::HeadlessPlatform p(7);
    p.store.write("quorvel", "player1", "bank", "2000000000");
    p.store.write("quorvel", "player1", "soundonoff", "-1");
    p.store.write("quorvel", "player1", "winroll", "1");
    p.store.write("quorvel", "notice", "autoplay", "-1");
    quorvel::screen::Quorvel q(p.services());
    q.Form_Load();
    q.window().dispatch(q.window().at("autoplayon"), quorvel::platform::EventKind::MouseDown);
    const auto& games = q.player().games;
    std::int64_t spins = 0;
    for (auto _ : state) {
        const auto target = games + 1;
        p.runUntil([&] { return games >= target; }, 60'000);
        ++spins;
    }
    state.counters["spins_per_s"] = benchmark::Counter(spins, benchmark::Counter::kIsRate);
    state.counters["virtual_s_per_spin"] =
        static_cast<double>(p.clock.now()) / 1000.0 / static_cast<double>(games);
}
BENCHMARK(BM_AutoplaySpins)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace
