#include "engine/draw.h"

#include <algorithm>
#include <cmath>

#include "engine/strips.h"

namespace quorvel::engine {

int drawOneTo(engine::RandomSource& random, int n) {
    const int drawn = static_cast<int>(std::floor(random.next() * n)) + 1;
    return std::clamp(drawn, 1, std::max(n, 1));
}

void resetDrawMarks(RunState& run) {
    for (int reel = 1; reel <= kReels; ++reel) {
        run.scattercell[reel] = 0;
        run.jackpotcell[reel] = 0;
    }
    run.scattercount = 0;
    run.jackpotcount = 0;
    run.reel3counts = 0;
    for (int cell = 1; cell <= kCells; ++cell)
        run.wildcell[cell] = 0;
    for (auto& sums : run.linesum)
        sums.fill(0);
    run.linematch.fill(0);
}

void drawReel(RunState& run, engine::RandomSource& random, int reel) {
    if (reel == 3) {
        random.reseedFromClock();
        run.reel3counts = static_cast<std::int16_t>(drawOneTo(random, 2));
        random.reseedFromClock();
        if (run.freespinmode == -1) run.reel3counts = 2;
    } else {
        random.reseedFromClock();
    }
    landReel(run, reel, drawOneTo(random, kStops));
}

void landReel(RunState& run, int reel, int stop) {
    run.stop[reel] = static_cast<std::int16_t>(stop);
    for (int row = 1; row <= kRows; ++row) {
        const Symbol symbol = symbolAtStop(reel, stop, row);
        const int cell = cellOf(reel, row);
        run.window[reel][row] = symbol;
        if (symbol == Symbol::wild) {
            run.wildcell[cell] = static_cast<std::int16_t>(cell);
        } else if (symbol == Symbol::chest) {
            ++run.scattercount;
            run.scattercell[reel] = static_cast<std::int16_t>(cell);
        } else if (symbol == Symbol::jollyroger && reel <= 3) {
            run.jackpotcell[reel] = static_cast<std::int16_t>(cell);
            const bool counts =
                reel < 3 ? run.freespinmode != -1 : run.freespinmode == 0 && run.reel3counts == 1;
            if (counts) ++run.jackpotcount;
        }
    }
}

}  // namespace quorvel::engine
