// What `quorvel-sim par` computes for 25 lines, less the process start: the enumeration,
// then the sheet and the exact volatility for one payout setting (--json) or all three.
#include <benchmark/benchmark.h>

#include "math/par_sheet.h"
#include "math/volatility.h"

namespace {

void BM_ParSheetWithVolatility(benchmark::State& state) {
    const int settings = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const auto tally = quorvel::math::enumerateNormalSpin(25);
        for (int machinepay = 4; machinepay > 4 - settings; --machinepay) {
            auto sheet = quorvel::math::parSheet(tally, 25, machinepay);
            auto volatility = quorvel::math::volatility(tally, 25, machinepay);
            benchmark::DoNotOptimize(sheet);
            benchmark::DoNotOptimize(volatility);
        }
    }
    state.SetLabel(settings == 1 ? "25 lines, one payout setting" : "25 lines, all three");
}
BENCHMARK(BM_ParSheetWithVolatility)->Arg(1)->Arg(3)->UseRealTime()->Unit(benchmark::kMillisecond);

// The volatility alone, from a finished enumeration.
void BM_Volatility(benchmark::State& state) {
    const int lines = static_cast<int>(state.range(0));
    const auto tally = quorvel::math::enumerateNormalSpin(lines);
    for (auto _ : state) {
        auto volatility = quorvel::math::volatility(tally, lines, 4);
        benchmark::DoNotOptimize(volatility);
    }
}
BENCHMARK(BM_Volatility)->Arg(1)->Arg(25)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
