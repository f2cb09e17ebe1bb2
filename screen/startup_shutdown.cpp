#include "engine/money.h"
#include "engine/play_record.h"
#include "players/display_mode.h"
#include "players/options_window.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"
#include "screen/quorvel_layout.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

void Quorvel::Form_Load() {
    sounds_.load(services_.resources, cue::kRecordings);
    engine::PlayerValues stored;
    stored.playerslot = players::lastSlot(services_.store);
    players::loadsettings(stored, services_.store, stored.playerslot);
    cabinet_.restoreProfile(std::move(stored));
    engine::RunState interruptedRun = cabinet_.run();
    engine::PlayState interrupted;
    const bool inPlay =
        engine::readPlay(players::loadPlay(services_.store, cabinet_.player().playerslot),
                         interruptedRun, interrupted) &&
        engine::phaseOf(interruptedRun, interrupted) != engine::Phase::Idle;
    // A store from before the state of play was kept pays a feature total it left owed.
    if (!inPlay && cabinet_.collectOwedAtStart()) writeProfile();
    const engine::PlayerValues& player = cabinet_.player();
    window_.setCaption(players::kMainCaptionPrefix + player.currentplayer);
    showCredit();
    // The meters start from the player's own figures, never the design's sample amounts.
    showWin(0);
    e_.lblgrand.setCaption(engine::dollarForm(player.grand));
    e_.lblmajor.setCaption(engine::dollarForm(player.major));
    e_.lblminor.setCaption(engine::dollarForm(player.minor));
    window_.setMousePointer(platform::MousePointer::Arrow);
    cabinet_.startRun();
    if (inPlay) cabinet_.resumePlay(interruptedRun, interrupted);
    const engine::RunState& run = cabinet_.run();
    e_.lblbet.setCaption(std::to_string(run.bet));
    e_.lbllines.setCaption(std::to_string(run.lines));
    showTotalBet();
    showLineMarkers();
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setEnabled(false);
    showVolume();
    cue(cue::kStartUp);
    for (int cell = 1; cell <= engine::kCells; ++cell)
        e_.flasher[cell]->setPicture("ImageList2", 19);
    // The space bar spins from the first moment, as players expect of a cabinet.
    window_.setKeyPreview(true);
    services_.windows.open(window_);
    resumeInterruptedGame();
}

void Quorvel::shutDown() {
    playAlways(cue::kExit);
    cabinet_.settleForShutDown(services_.random, services_.events.secondsSinceEpoch());
    writeProfile();
    players::restoreresolution(services_.display);
    for (Timer timer : {Timer::tmrlineflash, Timer::Timerscatters, Timer::Timer4,
                        Timer::tmrautospin, Timer::Timerwincounter})
        stop(timer);
    services_.events.pump();
}

// The close box, and the second run after the exit entry: the program ends here.
void Quorvel::Form_Unload() {
    if (ended_) return;
    shutDown();
    booksAtEnd_ = cabinet_.books();
    ended_ = true;
    child_.reset();
    for (const platform::TimerSpec& timer : mainScreenTimers())
        services_.timers.stop(timer.name);
    services_.windows.close(window_);
}

void Quorvel::xit_Click() {
    // Deliberate: the exit entry shuts down and then closes, which shuts down once more.
    shutDown();
    Form_Unload();
}

}  // namespace quorvel::screen
