#include "tools/soak/resume_check.h"

#include "engine/play_record.h"
#include "platform/headless/headless_platform.h"
#include "platform/qt/qt_settings_store.h"
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

// A paid meter is one the jackpot bank grew by while that meter went back down.
bool meterPaidButFull(const engine::PlayerValues& before, const engine::PlayerValues& after) {
    if (after.jackpotbank <= before.jackpotbank) return false;
    return after.grand >= before.grand && after.major >= before.major &&
           after.minor >= before.minor;
}

std::string expectResumed(const Stored& s, const screen::Quorvel& q, int boxes) {
    const engine::Phase now = q.cabinet().phase();
    const engine::RunState& run = q.run();
    if ((s.phase != "idle") != (boxes == 1)) return "the restored box was not shown once";
    if (q.cabinet().unexplained() != 0) return "the resumed books do not balance";
    if (q.player().games != s.player.games) return "the resumed spin was charged again";
    if (s.phase == "total_waiting" &&
        (now != Phase::TotalWaiting || q.player().bank != s.player.bank))
        return "the waiting total did not wait";
    if (s.phase == "gamble" && (now != Phase::Gamble || run.atrisk != s.atRisk))
        return "the gamble did not reopen with its stake";
    if (s.phase == "jackpot" && now != Phase::Jackpot) return "the board did not start over";
    if (s.phase == "free_spins" && (run.freespintarget - run.freespinsplayed > s.freeSpinsLeft ||
                                    run.freespinsplayed + s.freeSpinsLeft < run.freespintarget))
        return "the free spins left changed";
    if (s.phase == "spin" && now == Phase::Spin) return "the drawn spin was not settled";
    return {};
}

}  // namespace

Stored readStored() {
    platform::qt::QtSettingsStore disk("QuorvelSoak");
    Stored s;
    players::loadsettings(s.player, disk, "1");
    s.play = players::loadPlay(disk, "1");
    engine::RunState run;
    engine::PlayState play;
    s.phase = "idle";
    if (engine::readPlay(s.play, run, play)) {
        s.phase = storedPhase(run, play);
        s.freeSpinsLeft = run.freespintarget - run.freespinsplayed;
        s.atRisk = play.gamble ? run.atrisk : 0;
    }
    s.unexplained = engine::unexplainedStored(s.player, s.play);
    return s;
}

std::string checkKill(const Stored& before, const Stored& after) {
    if (after.unexplained != 0) return "the books are off by " + std::to_string(after.unexplained);
    if (after.player.bank < 0) return "the credit is below zero";
    if (after.player.games < before.player.games) return "stored games were lost";
    if (meterPaidButFull(before.player, after.player))
        return "a jackpot meter is both paid and still full";
    return {};
}

std::string checkResume(const Stored& stored) {
    platform::headless::HeadlessPlatform p(7);
    platform::qt::QtSettingsStore disk("QuorvelSoak");
    platform::Services s = p.services();
    platform::Services onDisk{s.timers,   s.events,  s.sound, s.resources, disk,
                              s.messages, s.display, s.links, s.random,    s.windows};
    screen::Quorvel game(onDisk);
    game.Form_Load();
    return expectResumed(stored, game, static_cast<int>(p.messages.shown().size()));
}

}  // namespace quorvel::soak
