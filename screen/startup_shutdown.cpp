#include "engine/money.h"
#include "engine/play_check.h"
#include "engine/play_record.h"
#include "players/display_mode.h"
#include "players/options_window.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"
#include "screen/quorvel_layout.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

void Quorvel::Form_Load() {
    services_.text.setLanguage(services_.store.read("quorvel", "general", "language"));
    speakLanguageInForce();
    sounds_.load(services_.resources, cue::kRecordings);
    engine::PlayerValues stored;
    stored.playerslot = players::lastSlot(services_.store);
    players::loadsettings(stored, services_.store, stored.playerslot);
    cabinet_.restoreProfile(std::move(stored));
    const engine::StoredPlay interrupted =
        engine::checkStoredPlay(cabinet_.player(), cabinet_.run(),
                                players::loadPlay(services_.store, cabinet_.player().playerslot));
    const bool inPlay = interrupted.verdict == engine::StoredPlay::Verdict::Resume;
    const bool refused = interrupted.verdict == engine::StoredPlay::Verdict::Refused;
    const std::int32_t creditBefore = cabinet_.player().bank;
    if (refused) setRefusedPlayAside();
    // A store from before the state of play was kept pays a feature total it left owed.
    if (!inPlay && cabinet_.collectOwedAtStart()) writeProfile();
    const engine::PlayerValues& player = cabinet_.player();
    window_.setCaption(players::mainCaptionPrefix(services_.text) + player.currentplayer);
    showCredit();
    // The meters start from the player's own figures, never the design's sample amounts.
    showWin(0);
    e_.lblgrand.setCaption(engine::dollarForm(player.grand));
    e_.lblmajor.setCaption(engine::dollarForm(player.major));
    e_.lblminor.setCaption(engine::dollarForm(player.minor));
    window_.setMousePointer(platform::MousePointer::Arrow);
    cabinet_.startRun();
    if (inPlay) cabinet_.resumePlay(interrupted.run, interrupted.play);
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
    if (refused) tellRefusedPlay(cabinet_.player().bank - creditBefore);
    beginSession();
    resumeInterruptedGame();
}

// The damaged record is kept for inspection under a key of its own, and the money the
// books say was in play goes back to the credit so that they balance again.
void Quorvel::setRefusedPlayAside() {
    const std::string section = players::slotSection(cabinet_.player().playerslot);
    services_.store.write(players::kPlayerApplication, section, players::kRefusedPlayKey,
                          players::loadPlay(services_.store, cabinet_.player().playerslot));
    cabinet_.returnMoneyInPlay();
    writeProfile();
}

void Quorvel::tellRefusedPlay(std::int32_t returned) {
    std::string text = translate(
        "quorvel",
        "Your interrupted game could not be restored: its stored record was damaged, so play "
        "starts afresh.");
    if (returned > 0)
        text += platform::fillIn(
            translate("quorvel",
                      " The money it had in play, %1, has been returned to your credit."),
            {engine::dollarForm(returned)});
    services_.messages.show("Slots_Quorvel", text, platform::MessageIcon::Information);
}

void Quorvel::shutDown() {
    playAlways(cue::kExit);
    cabinet_.shutDown(services_.events.secondsSinceEpoch());
    writeProfile();
    // A close ends the session; only a crash leaves it stored to go on.
    clearStoredSession();
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
    child_.clear();
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
