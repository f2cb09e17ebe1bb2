#include "engine/checked.h"
#include "engine/money.h"
#include "engine/paylines.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr int kTriggerPauseMs = 2000;
constexpr int kBannerTop = 7840;
constexpr int kBannerStartLeft = -7000;
constexpr int kBannerEndLeft = 2000;
constexpr int kBannerTicks = 19;  // two seconds of blinking, then the count of spins left
constexpr int kRespinWaitTicks = 25;

}  // namespace

void Quorvel::freeSpinTrigger() {
    engine::RunState& run = state_.run;
    const bool fromNormalPlay = run.freespinmode == 0;
    run.countmode = 1;
    engine::addChecked(run.featurewin, run.spinwin);
    winInFlight_ = false;
    featureOwed_ = true;
    state_.player.featureowed = run.featurewin;
    engine::addChecked(state_.player.howmanyspins, 1);
    ++state_.books.freeSpinFeatures;
    services_.timers.start("Timerrespin");
    if (fromNormalPlay) cue(cue::kFreeSpinsWon);
    services_.events.pump();
    services_.events.sleep(kTriggerPauseMs);
    services_.timers.stop("Timerwincounter");
    e_.ctrlfreesleft1.hide();
    e_.spinsleft.hide();
    e_.panfreespin.hide();
    slideBannerIn();
    services_.events.pump();
    if (fromNormalPlay) cue(cue::kFreeSpinsWon);
    services_.timers.start("tmrfrees");
    for (platform::Element* button : {&e_.payline, &e_.coinsin, &e_.doublebutton, &e_.autoplayon})
        button->setEnabled(false);
    run.freespinmode = -1;
    services_.timers.stop("tmrautospin");
    e_.lbllast.hide();
    e_.LABWIN.setCaption(engine::creditForm(run.featurewin));
    e_.lblwin.setCaption(engine::dollarForm(run.spinwin));
    e_.btnoptions.setEnabled(false);
    window_.setKeyPreview(false);
    services_.events.pump();
    engine::addChecked(run.freespintarget, engine::freeGamesFor(run.scattercount, true));
    if (!fromNormalPlay)
        if (engine::GameRecord* game = lastGame())
            game->freeSpinsWon += engine::freeGamesFor(run.scattercount, true);
    if (run.freespinsplayed < 1 && state_.player.soundonoff == -1)
        services_.sound.playLooped(sounds_.get(cue::kFreeSpinMusic));
}

// A quick slide in from the left, drawn only where the next pause lets the screen catch up.
void Quorvel::slideBannerIn() {
    e_.ctlfrees1.move(kBannerStartLeft, kBannerTop);
    e_.ctlfrees1.show();
    for (int left = 1; left <= kBannerEndLeft; ++left)
        e_.ctlfrees1.move(left, kBannerTop);
}

void Quorvel::freeSpinBookkeeping() {
    engine::RunState& run = state_.run;
    const bool retriggered = run.scattercount >= 3;
    if (!retriggered) engine::addChecked(run.featurewin, run.spinwin);
    winInFlight_ = false;
    state_.player.featureowed = run.featurewin;
    e_.LABWIN.setCaption(engine::creditForm(run.featurewin));
    e_.lblwin.setCaption(engine::dollarForm(run.spinwin));
    if (run.freespinsplayed > 0 && !retriggered) {
        services_.timers.start("Timerrespin");
        e_.spinsleft.setCaption(std::to_string(run.freespintarget - 1 - run.freespinsplayed));
    }
    if (run.freespinsplayed > 0) ++state_.books.freeSpinsPlayed;
    engine::addChecked(run.freespinsplayed, 1);
    if (!retriggered && run.freespinsplayed == run.freespintarget) {
        endFreeSpins();
        return;
    }
    services_.timers.start("Timerwincounter");
    run.tickcount = 0;
}

void Quorvel::endFreeSpins() {
    engine::RunState& run = state_.run;
    cue(cue::kFreeSpinsFinished);
    services_.events.pump();
    services_.timers.stop("Timerrespin");
    e_.ctrlfreesleft1.hide();
    e_.freespinscompleted1.show();
    e_.spinsleft.hide();
    run.freespinmode = 0;
    e_.btnoptions.setEnabled(true);
    if (run.autoplaymode == 10) {
        services_.timers.start("tmrautospin");
        window_.press("takewin");
        services_.timers.start("Timerwincounter");
        return;
    }
    showWin(run.featurewin);
    e_.takewin.setEnabled(true);
    e_.takewin.show();
    run.tickcount = 0;
}

void Quorvel::tmrfrees_Timer() {
    engine::RunState& run = state_.run;
    ++run.freesbannerticks;
    if (++run.freesbannerblink > 3) run.freesbannerblink = 0;
    if (run.freesbannerticks > kBannerTicks) {
        services_.timers.stop("tmrfrees");
        e_.ctlfrees1.hide();
        run.freesbannerticks = 0;
        run.freesbannerblink = 0;
        e_.ctrlfreesleft1.show();
        e_.spinsleft.setCaption(std::to_string(run.freespintarget - run.freespinsplayed));
        e_.spinsleft.show();
    }
    e_.ctlfrees1.setVisible(run.freesbannerblink > 1);
}

void Quorvel::Timerrespin_Timer() {
    engine::RunState& run = state_.run;
    services_.events.pump();
    if (run.tickcount < kRespinWaitTicks) return;
    e_.spinsleft.setCaption(std::to_string(run.freespintarget - 1 - run.freespinsplayed));
    run.tickcount = 0;
    window_.press("btnstartall");
    window_.setKeyPreview(false);
}

// Collects the feature total into the credit; under autoplay the end of the feature
// presses this itself.
void Quorvel::takewin_Click() {
    engine::RunState& run = state_.run;
    cue(cue::kFeatureCollected);
    run.keycount = run.freespinsplayed = run.freespintarget = run.freespinmode = 0;
    run.countedwin = 0;
    run.countstep = run.tickcount = 0;
    showWin(run.featurewin);
    if (featureOwed_) engine::addChecked(state_.player.bank, run.featurewin);
    featureOwed_ = false;
    state_.player.featureowed = 0;
    if (engine::GameRecord* game = lastGame()) game->freeSpinTotal = run.featurewin;
    showCredit();
    run.carrywin = run.featurewin;
    e_.spinsleft.hide();
    giveButtonsBack();
    e_.freespinscompleted1.hide();
    e_.panfreespin.show();
    e_.lbllast.show();
    // The gamble is never offered while autoplay spins on.
    if (run.autoplaymode == 0) e_.doublebutton.setEnabled(true);
    e_.takewin.setEnabled(false);
    e_.takewin.hide();
    if (run.autoplaymode > 0) {
        e_.btnoptions.setEnabled(false);
    } else {
        for (platform::Element* button : {&e_.btnoptions, &e_.autoplayon, &e_.coinsin})
            button->setEnabled(true);
        services_.timers.stop("tmrautospin");
        window_.setKeyPreview(true);
    }
    saveCurrentSlot();
}

}  // namespace quorvel::screen
