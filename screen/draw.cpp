#include "screen/quorvel.h"

namespace quorvel::screen {

void Quorvel::resetForDraw() {
    e_.doublebutton.setEnabled(false);
    e_.pannomoney.hide();
    for (Timer timer : {Timer::tmrlineflash, Timer::Timerscatters, Timer::tmrtick, Timer::Timer4})
        stop(timer);
    counters_.lineFlash.animcell.fill(0);
    for (int cell = 1; cell <= engine::kCells; ++cell) {
        e_.flasher[cell]->hide();
        e_.flasher[cell]->setPicture("ImageList2", 19);
    }
    stop(Timer::Timerrespin);
    // Every marker, line 1's right-hand one too: a blink cut short may have left it hidden.
    for (int marker = 1; marker <= engine::kLines + 1; ++marker)
        e_.lin[marker]->show();
    for (int segment = 1; segment <= 6; ++segment)
        e_.lineflash[segment]->hide();
    // Deliberate: two pumps, so that a hidden overlay is painted away before the draw.
    services_.events.pump();
    services_.events.pump();
}

// A discarded result draws again from the reset; looping here rather than recursing keeps
// the stack flat however many draws it takes.
void Quorvel::drawreel1() {
    do {
        redrawPending_ = false;
        resetForDraw();
        services_.events.pump();
        evaluatespin();
    } while (redrawPending_);
}

void Quorvel::evaluatespin() {
    services_.events.pump();
    const engine::Move<engine::DrawVerdict> drawn = cabinet_.drawSpin(services_.random);
    if (!drawn.ok()) return;
    const engine::DrawVerdict& verdict = drawn.outcome;
    // Every win's count-up starts with a one-cent step.
    if (verdict.evaluatedWin > 0) counters_.countUp.countstep = 1;
    if (!verdict.stands) {
        redrawPending_ = true;
        return;
    }
    // The result is stored before the reels show it: a crash from here on lands them again.
    saveCurrentSlot();
    dispatchResult();
}

}  // namespace quorvel::screen
