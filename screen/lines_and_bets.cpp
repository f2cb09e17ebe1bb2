#include "engine/evaluate.h"
#include "engine/money.h"
#include "screen/payline_drawings.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

// Lines and bet stay as they were while free spins run: every free spin pays at the stake
// of the spin that won them.
void Quorvel::payline_MouseDown() {
    engine::RunState& run = state_.run;
    if (run.freespinmode == -1) return;
    if (++run.linechoice > engine::kLineChoices) run.linechoice = 1;
    e_.payline.hide();
    cue(cue::kStep[run.linechoice]);
    run.lines = engine::linesForChoice(run.linechoice);
    e_.lbllines.setCaption(std::to_string(run.lines));
    showTotalBet();
    showLineMarkers();
    hideOverlays();
}

void Quorvel::payline_MouseUp() {
    e_.payline.show();
}

void Quorvel::btnbet_MouseDown() {
    engine::RunState& run = state_.run;
    if (run.freespinmode == -1) return;
    e_.btnbet.hide();
    if (++run.betstep > engine::kBetSteps) run.betstep = 1;
    cue(cue::kStep[run.betstep]);
    run.bet = engine::betForStep(run.betstep);
    e_.lblbet.setCaption(std::to_string(run.bet));
    showTotalBet();
    services_.events.pump();
}

void Quorvel::btnbet_MouseUp() {
    e_.btnbet.show();
}

void Quorvel::showTotalBet() {
    const std::int16_t total = engine::totalBet(state_.run);
    e_.lbllast.setCaption(engine::creditForm(total));
    e_.lbltotallast.setCaption(engine::dollarForm(total));
}

// Played lines show their marker in the line's colour, the others the unplayed look.
void Quorvel::showLineMarkers() {
    for (int line = 1; line <= engine::kLines; ++line)
        e_.lin[line]->setPicture("linepics", line);
    for (int line = state_.run.lines + 1; line <= engine::kLines; ++line)
        e_.lin[line]->setPicture("linepics", line + engine::kLines);
    e_.lin[engine::kLines + 1]->setPicture("linepics", 1);
}

void Quorvel::lin_MouseMove(int index) {
    drawPayline(index);
}

void Quorvel::drawPayline(int marker) {
    const PaylineDrawing& drawing = paylineDrawing(marker);
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
    cue(cue::kMenuEntry);
    takewinBeforeView_ = e_.takewin.visible();
    e_.takewin.hide();
    services_.timers.stop("tmrlineflash");
    services_.timers.stop("tmrautospin");
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
    services_.timers.stop("tmrlineflash");
    services_.timers.stop("Timerscatters");
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
    const bool featureHolds = state_.run.freespintarget >= 1 || jackpotPending_;
    services_.timers.start("tmrlineflash");
    if (state_.run.autoplaymode > 0 && !featureHolds) services_.timers.start("tmrautospin");
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
