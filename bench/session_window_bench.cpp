// Opening the session window after a long session: 10,000 games of points charted, the
// long-run figures already worked out once (the first opening at a line count pays for the
// enumeration; later ones must not).
#include <benchmark/benchmark.h>

#include "engine/cabinet.h"
#include "engine/session.h"
#include "info/return_odds.h"
#include "info/session_window.h"
#include "platform/headless/headless_platform.h"

namespace {

using namespace quorvel;

// A session of so many games, a feature, a board or a gamble marked now and then.
engine::Session longSession(engine::PlayerValues& player, int games) {
    engine::Session session;
    session.begin(player, 0);
    for (int game = 1; game <= games; ++game) {
        engine::GameRecord record;
        record.win = game % 7 == 0 ? 50 : 0;
        record.freeSpinsWon = game % 150 == 0 ? 10 : 0;
        record.freeSpinTotal = record.freeSpinsWon ? 400 : 0;
        record.jackpotPrize = game % 900 == 0 ? 2500 : 0;
        player.games += 1;
        player.wager += 25;
        player.bank += record.win + record.freeSpinTotal + record.jackpotPrize - 25;
        player.history.add(record);
        session.observe(player, game * 4000);
    }
    return session;
}

void BM_OpenSessionWindow(benchmark::State& state) {
    platform::headless::HeadlessPlatform p;
    engine::PlayerValues player;
    player.bank = 1'000'000;
    player.amountinvested = player.bank;
    player.machinepay = 4;
    const engine::Session session = longSession(player, static_cast<int>(state.range(0)));
    engine::Cabinet cabinet;
    cabinet.restoreProfile(player);
    cabinet.startRun();
    info::returnOdds(cabinet.run().lines, player.machinepay);
    platform::Window mainScreen("quorvel", 12000, 9030);
    for (auto _ : state) {
        info::SessionWindow window(p.services(), mainScreen, cabinet, session);
        window.open();
        benchmark::DoNotOptimize(window.window().at("chtcredit").chart().series.size());
        window.close();
    }
    state.SetLabel(std::to_string(session.points().size()) + " points charted");
}
BENCHMARK(BM_OpenSessionWindow)->Arg(10'000)->Unit(benchmark::kMillisecond);

}  // namespace
