#include "engine/money.h"
#include "presentation/payline_drawings.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

// Lines and bet stay as they were while free spins run: every free spin pays at the stake
// of the spin that won them.
void Quorvel::payline_MouseDown() {
    const engine::Move<int> stepped = cabinet_.stepLines();
    if (!stepped.ok()) return;
    const int choice = stepped.outcome;
    e_.payline.hide();
    cue(cue::kStep[choice]);
    e_.lbllines.setCaption(std::to_string(cabinet_.run().lines));
    showTotalBet();
    showLineMarkers();
    hideOverlays();
    announceStake();
}

void Quorvel::payline_MouseUp() {
    e_.payline.show();
}

void Quorvel::btnbet_MouseDown() {
    const engine::Move<int> stepped = cabinet_.stepBet();
    if (!stepped.ok()) return;
    e_.btnbet.hide();
    cue(cue::kStep[stepped.outcome]);
    e_.lblbet.setCaption(std::to_string(cabinet_.run().bet));
    showTotalBet();
    announceStake();
    services_.events.pump();
}

void Quorvel::btnbet_MouseUp() {
    e_.btnbet.show();
}

void Quorvel::showTotalBet() {
    const std::int16_t total = cabinet_.totalBet();
    e_.lbllast.setCaption(engine::creditForm(total));
    e_.lbltotallast.setCaption(engine::dollarForm(total));
}

// Played lines show their marker in the line's colour, the others the unplayed look.
void Quorvel::showLineMarkers() {
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setPicture("linepics", line);
    for (int line = cabinet_.run().lines + 1; line <= engine::kLines; ++line)
        e_.lin[line]->setPicture("linepics", line + engine::kLines);
    e_.lin[engine::kLines + 1]->setPicture("linepics", 1);
}

void Quorvel::lin_MouseMove(int index) {
    drawPayline(index);
}

void Quorvel::drawPayline(int marker) {
    const presentation::PaylineDrawing& drawing = presentation::paylineDrawing(marker);
    const int used = static_cast<int>(drawing.segments.size());
    for (int segment = 1; segment <= 6; ++segment) {
        platform::Element& line = *e_.lineflash[segment];
        if (segment > used) {
            line.hide();
            continue;
        }
        line.setPoints(drawing.segments[segment - 1]);
        line.setForeColour(drawing.colour);
        line.show();
    }
}

void Quorvel::viewpaylines_Click() {
    celebration_.end();
    cue(cue::kMenuEntry);
    takewinBeforeView_ = e_.takewin.visible();
    e_.takewin.hide();
    stop(Timer::tmrlineflash);
    stop(Timer::tmrautospin);
    for (int segment = 1; segment <= 6; ++segment)
        e_.lineflash[segment]->hide();
    services_.events.pump();
    e_.panfreespin.hide();
    for (int reel = 1; reel <= engine::kReels; ++reel) {
        e_.reel[reel]->hide();
        e_.reelWindow[reel]->hide();
    }
    for (int marker = 1; marker <= engine::kLines + 1; ++marker) {
        e_.lin[marker]->setEnabled(true);
        e_.lin[marker]->show();
    }
    services_.events.pump();
    stop(Timer::tmrlineflash);
    stop(Timer::Timerscatters);
    hideOverlays();
    window_.setKeyPreview(false);
    e_.Btnreturn2game.show();
    services_.events.pump();
    e_.menupic.hide();
}

// While a feature owns the screen (free spins running or their total waiting, the jackpot
// board) the way back must not hand the player the spin buttons or restart autoplay: a spin
// then would wipe the feature's money.
void Quorvel::Btnreturn2game_Click() {
    const bool featureHolds = cabinet_.run().freespintarget >= 1 || cabinet_.boardPending();
    start(Timer::tmrlineflash);
    if (counters_.pace.autoplaymode > 0 && !featureHolds) start(Timer::tmrautospin);
    for (int segment = 1; segment <= 6; ++segment)
        e_.lineflash[segment]->hide();
    for (int reel = 1; reel <= engine::kReels; ++reel) {
        e_.reel[reel]->show();
        e_.reelWindow[reel]->show();
    }
    hideOverlays();
    if (!featureHolds) e_.panfreespin.show();
    if (takewinBeforeView_) e_.takewin.show();
    window_.setKeyPreview(true);
    e_.Btnreturn2game.hide();
    for (int marker = 1; marker <= engine::kLines; ++marker) {
        e_.lin[marker]->setEnabled(false);
        e_.lin[marker]->show();
    }
    e_.lin[engine::kLines + 1]->show();
}

}  // namespace quorvel::screen
