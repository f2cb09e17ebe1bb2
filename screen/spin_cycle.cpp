#include <algorithm>

#include "engine/money.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

// The win meter's words sit right of its centre, as its picture expects.
inline constexpr const char* kGoodLuckPadding = "               ";
inline constexpr const char* kNoWinPadding = "         ";
inline constexpr int kAutoSpinWaitTicks = 15;
inline constexpr const char* kBooksFull = QV_TRANSLATE_NOOP(
    "quorvel",
    "This spin cannot be played: its largest win would not fit your credit or your "
    "statistics. Clear the statistics in the options to play on.");

void Quorvel::btnspin_MouseDown() {
    if (cabinet_.spinRefusal() == engine::Refusal::NotNow) return;
    const SpinHandler inside(spinHandlers_);
    e_.btnspin.hide();
    services_.events.pump();
    e_.autoplayon.setEnabled(false);
    startSpin(true);
}

void Quorvel::btnspin_MouseUp() {
    e_.btnspin.show();
}

// The spin started by the space bar, by autoplay and by the free-spin timer.
void Quorvel::btnstartall_Click() {
    const SpinHandler inside(spinHandlers_);
    startSpin(false);
}

// A spin the cabinet will not start at this moment shows nothing at all.
void Quorvel::startSpin(bool fromSpinButton) {
    const engine::Refusal refusal = cabinet_.spinRefusal();
    if (refusal == engine::Refusal::NotNow) return;
    const bool freeSpin = cabinet_.run().freespinmode == -1;
    if (!freeSpin) {
        cue(cue::kSpinStarted);
        counters_.pace.tickcount = 0;
        counters_.lineFlash.lineindex = 0;
        counters_.lineFlash.animframe = 0;
        counters_.morph.belltick = 0;
        counters_.countUp.countedwin = 0;
        if (refusal == engine::Refusal::NoCredit) {
            creditRefused(fromSpinButton);
            return;
        }
    }
    if (refusal == engine::Refusal::BooksFull) {
        booksFull();
        return;
    }
    cabinet_.startSpin();
    showSpinStarting();
    deepestSpin_ = std::max(deepestSpin_, ++spinDepth_);
    drawreel1();
    --spinDepth_;
    cabinet_.endSpin();
    announceSpin();
    showSpinEnded(fromSpinButton);
    showAutoplayNotice();
    playRests();
}

void Quorvel::showSpinStarting() {
    const engine::RunState& run = cabinet_.run();
    celebration_.end();
    for (platform::Element* button : {&e_.coinsin, &e_.btnspin, &e_.payline, &e_.btnoptions})
        button->setEnabled(false);
    for (Timer timer : {Timer::tmrlineflash, Timer::Timerscatters, Timer::Timer4})
        stop(timer);
    e_.doublebutton.setEnabled(false);
    if (!counters_.pace.autoplayOn()) e_.lblautoplay.hide();
    if (run.freespinmode == 0) {
        e_.LABWIN.setCaption(kGoodLuckPadding + translate("quorvel", "Good Luck"));
        e_.lblwin.setCaption(" ");
        e_.lbllast.setCaption(engine::creditForm(cabinet_.totalBet()));
        showCredit();
        stop(Timer::Timerwincounter);
    }
}

void Quorvel::showSpinEnded(bool fromSpinButton) {
    counters_.pace.keycount = 0;
    if (fromSpinButton) e_.autoplayon.setEnabled(true);
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setEnabled(false);
    if (counters_.pace.autoplaymode != 0) return;
    for (platform::Element* button : {&e_.btnspin, &e_.payline, &e_.coinsin})
        button->setEnabled(true);
}

// A bank that cannot cover the bet stops the spin and autoplay with it.
void Quorvel::creditRefused(bool fromSpinButton) {
    cue(cue::kNotEnoughCredit);
    e_.pannomoney.show();
    announceShown(e_.pannomoney);
    e_.coinsin.setEnabled(true);
    e_.payline.setEnabled(true);
    if (!fromSpinButton) e_.btnspin.setEnabled(false);
    counters_.pace.autoplaymode = 0;
    showAutoplayKey();
    services_.events.pump();
}

// The credit or a statistic is at its limit: the spin is never charged, the player is told.
void Quorvel::booksFull() {
    counters_.pace.autoplaymode = 0;
    showAutoplayKey();
    stop(Timer::tmrautospin);
    services_.messages.show("Slots_Quorvel", said(kBooksFull), platform::MessageIcon::Information);
}

void Quorvel::dispatchResult() {
    const engine::RunState& run = cabinet_.run();
    spinreels();
    start(Timer::tmrtick);
    // Deliberate: the win ladder plays unless the sound is 0, where every other cue needs -1.
    if (run.freespinmode != -1 && cabinet_.player().soundonoff != 0) {
        if (const char* win = cue::winCue(run.spinwin)) playAlways(win);
        services_.events.pump();
    }
    const int mysteryCell = run.jackpotcell[3];
    if (mysteryCell >= 7 && mysteryCell <= 9) {
        e_.flasher[mysteryCell]->setPicture("morphing", run.reel3counts == 1 ? 1 : 11);
        e_.flasher[mysteryCell]->show();
    }
    jackpotFeatureStart();
    // Deliberate: the game clock is started again after the jackpot feature may start.
    start(Timer::tmrtick);
    if (run.freespinmode != -1) services_.events.pump();
    counters_.pace.autospinwait = kAutoSpinWaitTicks;
    if (run.spinwin > 0) {
        start(Timer::Timer4);
        start(Timer::tmrlineflash);
    }
    if (run.scattercount > 1) start(Timer::Timerscatters);
    const engine::SpinSettlement settled =
        cabinet_.settleSpin(services_.events.secondsSinceEpoch()).outcome;
    if (settled.triggered) freeSpinTrigger(settled);
    for (int line = 1; line <= run.lines && line <= engine::kLines; ++line)
        if (run.linematch[line] >= 2) start(Timer::tmrlineflash);
    if (settled.freeSpin) {
        freeSpinBookkeeping(settled.booking);
        saveCurrentSlot();
        return;
    }
    settleNormalSpin();
}

void Quorvel::settleNormalSpin() {
    const engine::RunState& run = cabinet_.run();
    if (run.spinwin > 0) {
        start(Timer::Timerwincounter);
        if (!enabled(Timer::tmrbell)) celebrate(run.spinwin);
    } else {
        e_.LABWIN.setCaption(kNoWinPadding + translate("quorvel", "No Win"));
        e_.lblwin.setCaption("");
    }
    if (cabinet_.gambleOffered() && counters_.pace.autoplaymode == 0)
        e_.doublebutton.setEnabled(true);
    window_.setKeyPreview(true);
    counters_.pace.tickcount = 0;
    if (!enabled(Timer::tmrbell)) e_.btnoptions.setEnabled(true);
    saveCurrentSlot();
}

}  // namespace quorvel::screen
