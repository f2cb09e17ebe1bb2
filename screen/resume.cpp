// A game killed in play starts again where it stood: a drawn spin lands on the same stops,
// free spins play on, a total waits for collection, the board and the gamble come back.
#include "engine/money.h"
#include "presentation/reel_pictures.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr const char* kRestored =
    QV_TRANSLATE_NOOP("quorvel", "Your interrupted game has been restored.");

}  // namespace

void Quorvel::resumeInterruptedGame() {
    const engine::Phase phase = cabinet_.phase();
    if (phase == engine::Phase::Idle) return;
    services_.messages.show("Slots_Quorvel", said(kRestored), platform::MessageIcon::Information);
    const engine::RunState& run = cabinet_.run();
    for (int reel = 1; reel <= engine::kReels; ++reel)
        if (run.stop[reel] >= 1) e_.reel[reel]->move(0, presentation::restOffset(run.stop[reel]));
    showTotalBet();
    start(Timer::tmrtick);
    if (cabinet_.play().winUnsettled) {
        // The spin was charged and drawn: it lands and is settled as it would have been.
        const SpinHandler inside(spinHandlers_);
        if (run.freespinmode == -1) resumeFreeSpinScreen();
        showSpinStarting();
        deepestSpin_ = std::max(deepestSpin_, ++spinDepth_);
        dispatchResult();
        --spinDepth_;
        cabinet_.endSpin();
        showSpinEnded(false);
        return;
    }
    if (cabinet_.freeSpinTotalWaiting())
        resumeTotalWaiting();
    else if (run.freespinmode == -1 || cabinet_.play().featureOwed)
        resumeFreeSpinScreen();
    if (cabinet_.boardPending()) resumeBoard();
    if (cabinet_.gambleOpen()) resumeGamble();
}

// The banner's count of spins left and the running total; the next spin comes on the timer.
void Quorvel::resumeFreeSpinScreen() {
    const engine::RunState& run = cabinet_.run();
    counters_.countUp.countmode = 1;
    for (platform::Element* button :
         {&e_.payline, &e_.coinsin, &e_.doublebutton, &e_.autoplayon, &e_.btnoptions})
        button->setEnabled(false);
    e_.panfreespin.hide();
    e_.lbllast.hide();
    e_.ctrlfreesleft1.show();
    e_.spinsleft.setCaption(std::to_string(run.freespintarget - run.freespinsplayed));
    e_.spinsleft.show();
    e_.LABWIN.setCaption(engine::creditForm(run.featurewin));
    e_.lblwin.setCaption(engine::dollarForm(run.spinwin));
    window_.setKeyPreview(false);
    if (cabinet_.player().soundonoff == engine::kSoundOn)
        services_.sound.playLooped(sounds_.get(cue::kFreeSpinMusic));
    if (cabinet_.play().winUnsettled) return;
    counters_.pace.tickcount = 0;
    start(Timer::Timerrespin);
}

// The feature is over; its total waits for the player to collect it.
void Quorvel::resumeTotalWaiting() {
    for (platform::Element* button : {&e_.payline, &e_.coinsin, &e_.doublebutton, &e_.autoplayon})
        button->setEnabled(false);
    e_.panfreespin.hide();
    e_.lbllast.hide();
    e_.freespinscompleted1.show();
    showWin(cabinet_.run().featurewin);
    e_.takewin.setEnabled(true);
    e_.takewin.show();
}

}  // namespace quorvel::screen
