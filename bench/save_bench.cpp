// What storing the game costs: `quorvel-sim play --spins 100000 --gamble never` as a whole, in
// spins per second of wall time and of CPU time, and one save of the profile and the state of
// play with a full recall, when nothing changed and when every value is written.
#include <benchmark/benchmark.h>

#include <ctime>

#include "engine/play_record.h"
#include "platform/headless/recorders.h"
#include "players/game_saver.h"
#include "players/settings_layout.h"
#include "tools/sim/play_session.h"

namespace {

using namespace quorvel;

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void BM_PlayHundredThousandNeverGamble(benchmark::State& state) {
    sim::PlayOptions options;
    options.spins = 100'000;
    long long spins = 0;
    double cpu = 0;
    for (auto _ : state) {
        const double before = cpuSeconds();
        spins += sim::play(options).games;
        cpu += cpuSeconds() - before;
    }
    state.counters["spins_per_s"] =
        benchmark::Counter(static_cast<double>(spins), benchmark::Counter::kIsRate);
    state.counters["spins_per_cpu_s"] = static_cast<double>(spins) / cpu;
}
BENCHMARK(BM_PlayHundredThousandNeverGamble)
    ->Unit(benchmark::kSecond)
    ->Iterations(1)
    ->UseRealTime();

engine::PlayerValues fullProfile() {
    engine::PlayerValues player;
    player.bank = 123'456;
    player.currentplayer = "Anne Bonny";
    for (int game = 0; game < 10; ++game) {
        engine::GameRecord record;
        record.stops = {1, 3, 19, 1, 1};
        record.lines = 25;
        record.bet = 1;
        record.win = 10;
        record.paidLines = {19, 20};
        record.bankBefore = 1000 + game;
        record.bankAfter = 995 + game;
        player.history.add(record);
    }
    return player;
}

// Argument 0: nothing changed since the last save; 1: every key written, as each save was.
void BM_SaveGame(benchmark::State& state) {
    platform::headless::MemoryStore store;
    const engine::PlayerValues player = fullProfile();
    const engine::RunState run;
    const engine::PlayState play;
    players::GameSaver saver;
    saver.save(player, run, play, store);
    for (auto _ : state) {
        if (state.range(0) == 0) {
            saver.save(player, run, play, store);
        } else {
            players::savesettings(player, store);
            players::savePlay(player, engine::playText(run, play), store);
        }
    }
    state.counters["saves_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SaveGame)->Arg(0)->Arg(1)->Unit(benchmark::kNanosecond);

}  // namespace
