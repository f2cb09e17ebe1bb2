#include <algorithm>

#include "engine/money.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

inline constexpr const char* kGoodLuck = "               Good Luck";
inline constexpr const char* kNoWin = "         No Win";
inline constexpr int kAutoSpinWaitTicks = 15;

void Quorvel::btnspin_MouseDown() {
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

void Quorvel::startSpin(bool fromSpinButton) {
    const engine::RunState& run = cabinet_.run();
    if (run.freespinmode != -1) {
        cue(cue::kSpinStarted);
        counters_.pace.tickcount = 0;
        counters_.lineFlash.lineindex = 0;
        counters_.lineFlash.animframe = 0;
        counters_.morph.belltick = 0;
        if (run.freespinmode == 0) {
            cabinet_.clearFeatureTotals();
            counters_.countUp.countedwin = 0;
        }
        if (run.freespinsplayed >= run.freespintarget && creditRefused(fromSpinButton)) return;
    }
    cabinet_.clearSpinMarks();
    showSpinStarting();
    deepestSpin_ = std::max(deepestSpin_, ++spinDepth_);
    drawreel1();
    --spinDepth_;
    announceSpin();
    showSpinEnded(fromSpinButton);
}

void Quorvel::showSpinStarting() {
    const engine::RunState& run = cabinet_.run();
    celebration_.end();
    for (platform::Element* button : {&e_.coinsin, &e_.btnspin, &e_.payline, &e_.btnoptions})
        button->setEnabled(false);
    for (Timer timer : {Timer::tmrlineflash, Timer::Timerscatters, Timer::Timer4})
        stop(timer);
    e_.doublebutton.setEnabled(false);
    if (run.freespinmode == 0) {
        e_.LABWIN.setCaption(kGoodLuck);
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

// The bet is fixed from the bet step here; a bank that cannot cover it stops the spin and
// autoplay with it.
bool Quorvel::creditRefused(bool fromSpinButton) {
    if (cabinet_.fixStake()) {
        e_.pannomoney.hide();
        return false;
    }
    cue(cue::kNotEnoughCredit);
    e_.pannomoney.show();
    announceShown(e_.pannomoney);
    e_.coinsin.setEnabled(true);
    e_.payline.setEnabled(true);
    if (!fromSpinButton) e_.btnspin.setEnabled(false);
    counters_.pace.autoplaymode = 0;
    services_.events.pump();
    return true;
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
    if (run.jackpotcount > 2) jackpotFeatureStart();
    // Deliberate: the game clock is started again after the jackpot feature may start.
    start(Timer::tmrtick);
    if (run.freespinmode != -1) services_.events.pump();
    counters_.pace.autospinwait = kAutoSpinWaitTicks;
    if (run.spinwin > 0) {
        start(Timer::Timer4);
        start(Timer::tmrlineflash);
    }
    if (run.scattercount > 1) start(Timer::Timerscatters);
    if (run.scattercount > 2) freeSpinTrigger();
    for (int line = 1; line <= run.lines && line <= engine::kLines; ++line)
        if (run.linematch[line] >= 2) start(Timer::tmrlineflash);
    if (run.freespinmode == -1) {
        freeSpinBookkeeping();
        recordGame();
        saveCurrentSlot();
        return;
    }
    settleNormalSpin();
}

void Quorvel::settleNormalSpin() {
    const engine::RunState& run = cabinet_.run();
    cabinet_.settleSpin();
    if (run.spinwin > 0) {
        start(Timer::Timerwincounter);
        if (!enabled(Timer::tmrbell)) celebrate(run.spinwin);
    } else {
        e_.LABWIN.setCaption(kNoWin);
        e_.lblwin.setCaption("");
    }
    if (run.spinwin > 0 && run.freespintarget < 1 && counters_.pace.autoplaymode == 0)
        e_.doublebutton.setEnabled(true);
    window_.setKeyPreview(true);
    counters_.pace.tickcount = 0;
    if (!enabled(Timer::tmrbell)) e_.btnoptions.setEnabled(true);
    recordGame();
    saveCurrentSlot();
}

}  // namespace quorvel::screen
