#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "presentation/payline_drawings.h"
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
void chooseLine(LineFlash& flash, const engine::RunState& run) {
    while (true) {
        if (flash.lineindex > run.lines) {
            flash.lineindex = 1;
            flash.lineticks = 1;
        }
        const bool unpaid = flash.lineindex < 1 || run.linewin[flash.lineindex] == 0;
        if (unpaid || flash.lineticks > kTicksPerLine) {
            ++flash.lineindex;
            flash.lineticks = 1;
            continue;
        }
        return;
    }
}

}  // namespace

void Quorvel::tmrlineflash_Timer() {
    const engine::RunState& run = cabinet_.run();
    LineFlash& flash = counters_.lineFlash;
    if (!anyLinePaid(run)) {
        stop(Timer::tmrlineflash);
        return;
    }
    ++flash.lineticks;
    ++flash.flashphase;
    chooseLine(flash, run);
    if (flash.flashphase > 1) flash.flashphase = 0;
    if (flash.lineticks == kTicksPerLine) flash.flashphase = 0;

    const int line = run.linewin[flash.lineindex];
    const bool lit = flash.flashphase != 0;
    const presentation::PaylineDrawing& drawing = presentation::paylineDrawing(line);
    for (std::size_t i = 0; i < drawing.segments.size(); ++i) {
        platform::Element& segment = *e_.lineflash[i + 1];
        segment.setPoints(drawing.segments[i]);
        segment.setForeColour(drawing.colour);
        segment.setVisible(lit);
    }
    e_.lin[line]->setVisible(flash.flashphase != 1);
    if (line == 1) e_.lin[engine::kLines + 1]->setVisible(flash.flashphase != 1);

    const int match = run.linematch[flash.lineindex];
    if (match >= 3 && match <= 5) {
        for (int reel = 1; reel <= match; ++reel) {
            const int cell = engine::cellOf(reel, engine::lineRow(line, reel));
            for (int k = 3 * reel - 2; k <= 3 * reel; ++k) {
                if (run.wildcell[k] == cell) {
                    e_.flasher[cell]->show();
                    flash.animcell[k] = 1;
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
    LineFlash& flash = counters_.lineFlash;
    if (++flash.animframe > kWildFrames) flash.animframe = 1;
    for (int cell = 1; cell <= engine::kCells; ++cell) {
        if (flash.animcell[cell] != 1) continue;
        e_.flasher[cell]->setPicture("ImageList2", flash.animframe);
        e_.flasher[cell]->show();
    }
}

void Quorvel::Timerscatters_Timer() {
    const engine::RunState& run = cabinet_.run();
    std::int16_t& morphframe = counters_.morph.morphframe;
    if (++morphframe > kChestFrames) morphframe = 1;
    for (int reel = 1; reel <= engine::kReels; ++reel) {
        const int cell = run.scattercell[reel];
        if (cell < 3 * reel - 2 || cell > 3 * reel) continue;
        e_.flasher[cell]->setPicture("ImageList1", morphframe);
        e_.flasher[cell]->show();
    }
}

}  // namespace quorvel::screen
