#include "tools/soak/resume_rules.h"

#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/paylines.h"
#include "engine/play_record.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"

namespace quorvel::soak {
namespace {

using engine::Phase;

std::string storedPhase(const engine::RunState& run, const engine::PlayState& play) {
    const Phase phase = engine::phaseOf(run, play);
    if (phase == Phase::Jackpot && run.ballstop > 0) return "jackpot_stop_drawn";
    return std::string(engine::phaseName(phase));
}

// Evaluated afresh from the stored stops, as the resumed game lands them.
int freeSpinsWonBy(engine::RunState run) {
    engine::resetDrawMarks(run);
    for (int reel = 1; reel <= engine::kReels; ++reel)
        engine::landReel(run, reel, run.stop[reel]);
    engine::fillLineSums(run);
    engine::evaluateWin(run);
    return engine::freeSpinsWon(run) ? engine::freeGamesFor(run.scattercount, true) : 0;
}

bool landed(const engine::RunState& run) {
    for (int reel = 1; reel <= engine::kReels; ++reel)
        if (run.stop[reel] < 1) return false;
    return true;
}

void readPlayInto(Stored& s) {
    engine::RunState run;
    engine::PlayState play;
    s.phase = "idle";
    if (!engine::readPlay(s.play, run, play)) return;
    s.phase = storedPhase(run, play);
    s.freeSpinsLeft = run.freespintarget - run.freespinsplayed;
    s.spinDrawn = play.winUnsettled && landed(run);
    s.freeSpinsWon = s.spinDrawn && run.freespinmode == -1 ? freeSpinsWonBy(run) : 0;
    s.atRisk = play.gamble ? run.atrisk : 0;
}

}  // namespace

Stored storedIn(const platform::SettingsStore& store) {
    Stored s;
    players::loadsettings(s.player, store, "1");
    s.play = players::loadPlay(store, "1");
    readPlayInto(s);
    s.unexplained = engine::unexplainedStored(s.player, s.play);
    return s;
}

Resumed resumedFrom(const screen::Quorvel& game, int boxes) {
    const engine::RunState& run = game.run();
    return Resumed{game.cabinet().phase(),
                   game.player().bank,
                   game.player().games,
                   run.atrisk,
                   run.freespintarget - run.freespinsplayed,
                   game.cabinet().unexplained(),
                   boxes};
}

std::string compareResume(const Stored& s, const Resumed& r) {
    if ((s.phase != "idle") != (r.boxes == 1)) return "the restored box was not shown once";
    if (r.unexplained != 0) return "the resumed books do not balance";
    if (r.games != s.player.games) return "the resumed spin was charged again";
    if (s.phase == "total_waiting" && (r.phase != Phase::TotalWaiting || r.bank != s.player.bank))
        return "the waiting total did not wait";
    if (s.phase == "gamble" && (r.phase != Phase::Gamble || r.atRisk != s.atRisk))
        return "the gamble did not reopen with its stake";
    if (s.phase == "jackpot" && r.phase != Phase::Jackpot) return "the board did not start over";
    const int settled = s.spinDrawn ? 1 : 0;
    if (s.phase == "free_spins" && r.freeSpinsLeft != s.freeSpinsLeft - settled + s.freeSpinsWon)
        return "the free spins left changed";
    if (s.phase == "spin" && r.phase == Phase::Spin) return "the drawn spin was not settled";
    return {};
}

}  // namespace quorvel::soak
