#include "engine/payline_drawings.h"
#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

constexpr int kTicksPerLine = 5;
constexpr int kLineTickPauseMs = 100;
constexpr int kWildFrames = 18;
constexpr int kChestFrames = 13;

bool anyLinePaid(const engine::RunState& run) {
    for (int line = 1; line <= run.lines && line <= engine::kLines; ++line)
        if (run.linewin[line] > 0) return true;
    return false;
}

// Moves lineindex on to the paid line whose turn it is; each keeps the stage five ticks.
void chooseLine(engine::RunState& run) {
    while (true) {
        if (run.lineindex > run.lines) {
            run.lineindex = 1;
            run.lineticks = 1;
        }
        const bool unpaid = run.lineindex < 1 || run.linewin[run.lineindex] == 0;
        if (unpaid || run.lineticks > kTicksPerLine) {
            ++run.lineindex;
            run.lineticks = 1;
            continue;
        }
        return;
    }
}

}  // namespace

void Quorvel::tmrlineflash_Timer() {
    engine::RunState& run = state_.run;
    if (!anyLinePaid(run)) {
        services_.timers.stop("tmrlineflash");
        return;
    }
    ++run.lineticks;
    ++run.flashphase;
    chooseLine(run);
    if (run.flashphase > 1) run.flashphase = 0;
    if (run.lineticks == kTicksPerLine) run.flashphase = 0;

    const int line = run.linewin[run.lineindex];
    const bool lit = run.flashphase != 0;
    const engine::PaylineDrawing& drawing = engine::paylineDrawing(line);
    for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
        platform::Element& segment = *e_.lineflash[i + 1];
        segment.setPoints(drawing.segments[i]);
        segment.setForeColour(drawing.colour);
        segment.setVisible(lit);
    }
    e_.lin[line]->setVisible(run.flashphase != 1);
    if (line == 1) e_.lin[engine::kLines + 1]->setVisible(run.flashphase != 1);

    const int match = run.linematch[run.lineindex];
    if (match >= 3 && match <= 5) {
        for (int reel = 1; reel <= match; ++reel) {
            const int cell = engine::cellOf(reel, engine::lineRow(line, reel));
            for (int k = 3 * reel - 2; k <= 3 * reel; ++k) {
                if (run.wildcell[k] == cell) {
                    e_.flasher[cell]->show();
                    run.animcell[k] = 1;
                } else {
                    e_.flasher[cell]->setVisible(lit);
                }
            }
        }
    }
    services_.events.pump();
    services_.events.sleep(kLineTickPauseMs);
}

void Quorvel::Timer4_Timer() {
    engine::RunState& run = state_.run;
    if (++run.animframe > kWildFrames) run.animframe = 1;
    for (int cell = 1; cell <= engine::kCells; ++cell) {
        if (run.animcell[cell] != 1) continue;
        e_.flasher[cell]->setPicture("ImageList2", run.animframe);
        e_.flasher[cell]->show();
    }
}

void Quorvel::Timerscatters_Timer() {
    engine::RunState& run = state_.run;
    if (++run.morphframe > kChestFrames) run.morphframe = 1;
    for (int reel = 1; reel <= engine::kReels; ++reel) {
        const int cell = run.scattercell[reel];
        if (cell < 3 * reel - 2 || cell > 3 * reel) continue;
        e_.flasher[cell]->setPicture("ImageList1", run.morphframe);
        e_.flasher[cell]->show();
    }
}

}  // namespace quorvel::screen
