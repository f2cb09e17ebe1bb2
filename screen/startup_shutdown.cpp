#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/money.h"
#include "players/display_mode.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"
#include "screen/quorvel_layout.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

inline constexpr std::string_view kCaptionPrefix = "Current Player       ";

void Quorvel::Form_Load() {
    engine::PlayerValues& player = state_.player;
    engine::RunState& run = state_.run;
    sounds_.load(services_.resources, cue::kRecordings);
    player.playerslot = std::to_string(1);
    players::loadsettings(player, services_.store, player.playerslot);
    // A feature total the last run won but never collected (it died mid-feature) is paid now.
    if (player.featureowed > 0 && engine::addChecked(player.bank, player.featureowed)) {
        player.featureowed = 0;
        players::savesettings(player, services_.store);
    }
    window_.setCaption(std::string(kCaptionPrefix).append(player.currentplayer));
    showCredit();
    e_.lblgrand.setCaption(engine::dollarForm(player.grand));
    e_.lblmajor.setCaption(engine::dollarForm(player.major));
    e_.lblminor.setCaption(engine::dollarForm(player.minor));
    window_.setMousePointer(platform::MousePointer::Arrow);
    if (player.machinepay == 0) player.machinepay = 4;
    if (player.reelspeed < 1) player.reelspeed = 1;
    run.lines = 25;
    run.bet = 1;
    run.betstep = 1;
    e_.lblbet.setCaption(std::to_string(run.bet));
    e_.lbllines.setCaption(std::to_string(run.lines));
    showLineMarkers();
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setEnabled(false);
    cue(cue::kStartUp);
    for (int cell = 1; cell <= engine::kCells; ++cell)
        e_.flasher[cell]->setPicture("ImageList2", 19);
    // The space bar spins from the first moment, as players expect of a cabinet.
    window_.setKeyPreview(true);
    services_.windows.open(window_);
}

void Quorvel::settleForShutDown() {
    engine::RunState& run = state_.run;
    engine::PlayerValues& player = state_.player;
    if (gambleOpen_) {
        gambleOpen_ = false;
        engine::addChecked(player.bank, run.atrisk);
        engine::addChecked(player.totalwon, run.atrisk - run.gamblestake);
        if (engine::GameRecord* game = lastGame()) {
            game->gamble = "taken";
            game->gambleAmount = run.atrisk;
        }
    }
    if (winInFlight_) {
        winInFlight_ = false;
        if (run.freespinmode == -1 || run.scattercount >= 3) {
            engine::addChecked(run.featurewin, run.spinwin);
            featureOwed_ = true;
        } else {
            engine::addChecked(player.bank, run.spinwin);
        }
    }
    if (featureOwed_) {
        featureOwed_ = false;
        engine::addChecked(player.bank, run.featurewin);
        player.featureowed = 0;
        run.freespinmode = run.freespinsplayed = run.freespintarget = 0;
        if (engine::GameRecord* game = lastGame()) game->freeSpinTotal = run.featurewin;
    }
    if (jackpotPending_) {
        if (run.ballslowing != 1 || run.ballpos != run.ballstop) {
            services_.random.reseedFromClock();
            run.ballstop = static_cast<std::int16_t>(engine::drawOneTo(services_.random, 16));
            chooseJackpotPrize();
        }
        creditJackpotPrize();
    }
}

void Quorvel::shutDown() {
    playAlways(cue::kExit);
    settleForShutDown();
    players::savesettings(state_.player, services_.store);
    players::restoreresolution(services_.display);
    for (const char* timer :
         {"tmrlineflash", "Timerscatters", "Timer4", "tmrautospin", "Timerwincounter"})
        services_.timers.stop(timer);
    services_.events.pump();
}

// The close box, and the second run after the exit entry: the program ends here.
void Quorvel::Form_Unload() {
    if (ended_) return;
    shutDown();
    booksAtEnd_ = state_.books;
    ended_ = true;
    child_.reset();
    for (const platform::TimerSpec& timer : mainScreenTimers())
        services_.timers.stop(timer.name);
    services_.windows.close(window_);
}

void Quorvel::xit_Click() {
    shutDown();
    Form_Unload();
}

}  // namespace quorvel::screen
