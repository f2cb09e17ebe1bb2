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

void Quorvel::freeSpinTrigger(const engine::SpinSettlement& settled) {
    const engine::RunState& run = cabinet_.run();
    const bool fromNormalPlay = settled.fromNormalPlay;
    counters_.countUp.countmode = 1;
    start(Timer::Timerrespin);
    if (fromNormalPlay) cue(cue::kFreeSpinsWon);
    services_.events.pump();
    services_.events.sleep(kTriggerPauseMs);
    stop(Timer::Timerwincounter);
    e_.ctrlfreesleft1.hide();
    e_.spinsleft.hide();
    e_.panfreespin.hide();
    slideBannerIn();
    services_.events.pump();
    if (fromNormalPlay) cue(cue::kFreeSpinsWon);
    if (fromNormalPlay)
        featureStartsUnderAutoplay(translate("quorvel", "Autoplay stopped: free spins won."));
    start(Timer::tmrfrees);
    for (platform::Element* button : {&e_.payline, &e_.coinsin, &e_.doublebutton, &e_.autoplayon})
        button->setEnabled(false);
    stop(Timer::tmrautospin);
    e_.lbllast.hide();
    e_.LABWIN.setCaption(engine::creditForm(run.featurewin));
    e_.lblwin.setCaption(engine::dollarForm(run.spinwin));
    e_.btnoptions.setEnabled(false);
    window_.setKeyPreview(false);
    services_.events.pump();
    if (settled.booking.playedBefore < 1 && cabinet_.player().soundonoff == -1)
        services_.sound.playLooped(sounds_.get(cue::kFreeSpinMusic));
}

// A quick slide in from the left, drawn only where the next pause lets the screen catch up.
void Quorvel::slideBannerIn() {
    e_.ctlfrees1.move(kBannerStartLeft, kBannerTop);
    e_.ctlfrees1.show();
    for (int left = 1; left <= kBannerEndLeft; ++left)
        e_.ctlfrees1.move(left, kBannerTop);
}

void Quorvel::freeSpinBookkeeping(const engine::FreeSpinBooking& booking) {
    const engine::RunState& run = cabinet_.run();
    e_.LABWIN.setCaption(engine::creditForm(run.featurewin));
    e_.lblwin.setCaption(engine::dollarForm(run.spinwin));
    if (booking.playedBefore > 0 && !booking.retriggered) {
        start(Timer::Timerrespin);
        e_.spinsleft.setCaption(std::to_string(run.freespintarget - 1 - booking.playedBefore));
    }
    if (booking.finished) {
        endFreeSpins();
        return;
    }
    start(Timer::Timerwincounter);
    counters_.pace.tickcount = 0;
}

void Quorvel::endFreeSpins() {
    const engine::RunState& run = cabinet_.run();
    cue(cue::kFreeSpinsFinished);
    services_.events.pump();
    stop(Timer::Timerrespin);
    e_.ctrlfreesleft1.hide();
    e_.freespinscompleted1.show();
    e_.spinsleft.hide();
    e_.btnoptions.setEnabled(true);
    if (counters_.pace.autoplayOn()) {
        start(Timer::tmrautospin);
        window_.press("takewin");
        start(Timer::Timerwincounter);
        return;
    }
    showWin(run.featurewin);
    e_.takewin.setEnabled(true);
    e_.takewin.show();
    counters_.pace.tickcount = 0;
}

void Quorvel::tmrfrees_Timer() {
    const engine::RunState& run = cabinet_.run();
    Banner& banner = counters_.banner;
    ++banner.freesbannerticks;
    if (++banner.freesbannerblink > 3) banner.freesbannerblink = 0;
    if (banner.freesbannerticks > kBannerTicks) {
        stop(Timer::tmrfrees);
        e_.ctlfrees1.hide();
        banner.freesbannerticks = 0;
        banner.freesbannerblink = 0;
        e_.ctrlfreesleft1.show();
        e_.spinsleft.setCaption(std::to_string(run.freespintarget - run.freespinsplayed));
        e_.spinsleft.show();
    }
    e_.ctlfrees1.setVisible(banner.freesbannerblink > 1);
}

void Quorvel::Timerrespin_Timer() {
    const engine::RunState& run = cabinet_.run();
    services_.events.pump();
    if (counters_.pace.tickcount < kRespinWaitTicks) return;
    e_.spinsleft.setCaption(std::to_string(run.freespintarget - 1 - run.freespinsplayed));
    counters_.pace.tickcount = 0;
    window_.press("btnstartall");
    window_.setKeyPreview(false);
}

// Collects the feature total into the credit; under autoplay the end of the feature
// presses this itself.
void Quorvel::takewin_Click() {
    const engine::RunState& run = cabinet_.run();
    if (!cabinet_.collectFeature().ok()) return;
    cue(cue::kFeatureCollected);
    counters_.pace.keycount = 0;
    // The next normal win counts on its own, not as part of a feature total now paid.
    counters_.countUp.countmode = 0;
    counters_.countUp.countedwin = 0;
    counters_.countUp.countstep = counters_.pace.tickcount = 0;
    showWin(run.featurewin);
    showCredit();
    announceCredit(platform::fillIn(translate("quorvel", "Collected %1, "),
                                    {engine::creditForm(run.featurewin)}));
    e_.spinsleft.hide();
    giveButtonsBack();
    e_.freespinscompleted1.hide();
    e_.panfreespin.show();
    e_.lbllast.show();
    // The gamble is never offered while autoplay spins on.
    if (counters_.pace.autoplaymode == 0) e_.doublebutton.setEnabled(cabinet_.gambleOffered());
    e_.takewin.setEnabled(false);
    e_.takewin.hide();
    if (counters_.pace.autoplaymode > 0) {
        e_.btnoptions.setEnabled(false);
    } else {
        for (platform::Element* button : {&e_.btnoptions, &e_.autoplayon, &e_.coinsin})
            button->setEnabled(true);
        stop(Timer::tmrautospin);
        window_.setKeyPreview(true);
    }
    saveCurrentSlot();
    celebrate(run.featurewin);
    playRests();
}

}  // namespace quorvel::screen
