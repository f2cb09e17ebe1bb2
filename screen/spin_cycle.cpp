#include <algorithm>

#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/money.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

inline constexpr const char* kGoodLuck = "               Good Luck";
inline constexpr const char* kNoWin = "         No Win";
inline constexpr int kAutoSpinWaitTicks = 15;

void Quorvel::btnspin_MouseDown() {
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
    startSpin(false);
}

void Quorvel::startSpin(bool fromSpinButton) {
    engine::RunState& run = state_.run;
    if (run.freespinmode != -1) {
        cue(cue::kSpinStarted);
        run.tickcount = 0;
        run.lineindex = 0;
        run.animframe = 0;
        run.belltick = 0;
        if (run.freespinmode == 0) {
            run.carrywin = 0;
            run.atrisk = 0;
            run.featurewin = 0;
            run.countedwin = 0;
        }
        if (run.freespinsplayed >= run.freespintarget && creditRefused(fromSpinButton)) return;
    }
    for (const char* name : {"coinsin", "btnspin", "payline", "btnoptions"})
        window_.at(name).setEnabled(false);
    for (const char* timer : {"tmrlineflash", "Timerscatters", "Timer4"})
        services_.timers.stop(timer);
    e_.doublebutton.setEnabled(false);
    if (run.freespinmode == 0) {
        e_.LABWIN.setCaption(kGoodLuck);
        e_.lblwin.setCaption(" ");
        e_.lbllast.setCaption(engine::creditForm(engine::totalBet(run)));
        showCredit();
        services_.timers.stop("Timerwincounter");
    }
    run.scattercell.fill(0);
    run.linematch.fill(0);
    deepestSpin_ = std::max(deepestSpin_, ++spinDepth_);
    drawreel1();
    --spinDepth_;
    run.keycount = 0;
    if (fromSpinButton) e_.autoplayon.setEnabled(true);
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setEnabled(false);
    if (run.autoplaymode != 0) return;
    for (platform::Element* button : {&e_.btnspin, &e_.payline, &e_.coinsin})
        button->setEnabled(true);
}

// The bet is fixed from the bet step here; a bank that cannot cover it stops the spin and
// autoplay with it.
bool Quorvel::creditRefused(bool fromSpinButton) {
    engine::RunState& run = state_.run;
    run.bet = engine::betForStep(run.betstep);
    if (state_.player.bank >= engine::totalBet(run)) {
        e_.pannomoney.hide();
        return false;
    }
    cue(cue::kNotEnoughCredit);
    e_.pannomoney.show();
    e_.coinsin.setEnabled(true);
    e_.payline.setEnabled(true);
    if (!fromSpinButton) e_.btnspin.setEnabled(false);
    run.autoplaymode = 0;
    services_.events.pump();
    return true;
}

// Charges the spin and decides whether its result may stand. A win above twice the total
// bet stands only with probability 1 in machinepay; otherwise the books are put back as if
// the draw had never happened and the caller draws again.
bool Quorvel::payoutControlDiscards() {
    engine::RunState& run = state_.run;
    engine::PlayerValues& player = state_.player;
    const bool normal = run.freespinmode != -1;
    const std::int32_t total = engine::totalBet(run);
    const bool wonCounted = engine::addChecked(player.totalwon, run.spinwin);
    bool charged = false;
    if (normal) {
        engine::addChecked(player.wager, total);
        engine::addChecked(player.games, 1);
        charged = engine::addChecked(player.bank, -total);
    }
    services_.random.reseedFromClock();
    const int machinepay = player.machinepay >= 1 ? player.machinepay : 4;
    if (engine::resultStands(run, engine::drawOneTo(services_.random, machinepay))) {
        winInFlight_ = true;
        return false;
    }
    if (normal) {
        engine::addChecked(player.wager, -total);
        engine::addChecked(player.games, -1);
        if (charged) engine::addChecked(player.bank, total);
    }
    if (wonCounted) engine::addChecked(player.totalwon, -run.spinwin);
    run.spinwin = 0;
    run.scattercount = 0;
    return true;
}

void Quorvel::dispatchResult() {
    engine::RunState& run = state_.run;
    spinreels();
    services_.timers.start("tmrtick");
    if (run.freespinmode != -1 && state_.player.soundonoff != 0) {
        if (const char* win = cue::winCue(run.spinwin)) playAlways(win);
        services_.events.pump();
    }
    const int mysteryCell = run.jackpotcell[3];
    if (mysteryCell >= 7 && mysteryCell <= 9) {
        e_.flasher[mysteryCell]->setPicture("morphing", run.reel3counts == 1 ? 1 : 11);
        e_.flasher[mysteryCell]->show();
    }
    if (run.jackpotcount > 2) jackpotFeatureStart();
    services_.timers.start("tmrtick");
    if (run.freespinmode != -1) services_.events.pump();
    run.autospinwait = kAutoSpinWaitTicks;
    if (run.spinwin > 0) {
        services_.timers.start("Timer4");
        services_.timers.start("tmrlineflash");
    }
    if (run.scattercount > 1) services_.timers.start("Timerscatters");
    if (run.scattercount > 2) freeSpinTrigger();
    for (int line = 1; line <= run.lines && line <= engine::kLines; ++line)
        if (run.linematch[line] >= 2) services_.timers.start("tmrlineflash");
    if (run.freespinmode == -1) {
        freeSpinBookkeeping();
        saveCurrentSlot();
        return;
    }
    settleNormalSpin();
}

void Quorvel::settleNormalSpin() {
    engine::RunState& run = state_.run;
    growMeters();
    engine::addChecked(state_.player.bank, run.spinwin);
    winInFlight_ = false;
    if (run.spinwin > 0) {
        services_.timers.start("Timerwincounter");
    } else {
        e_.LABWIN.setCaption(kNoWin);
        e_.lblwin.setCaption("");
    }
    if (run.spinwin > 0 && run.freespintarget < 1 && run.autoplaymode == 0)
        e_.doublebutton.setEnabled(true);
    window_.setKeyPreview(true);
    run.tickcount = 0;
    if (!services_.timers.enabled("tmrbell")) e_.btnoptions.setEnabled(true);
    saveCurrentSlot();
}

}  // namespace quorvel::screen
