#include "tools/sim/eval_draw.h"

#include "engine/draw.h"
#include "engine/evaluate.h"

namespace quorvel::sim {

engine::RunState evaluateDraw(const DrawRequest& request) {
    engine::RunState run;
    run.bet = static_cast<std::int16_t>(request.bet);
    run.lines = static_cast<std::int16_t>(request.lines);
    run.freespinmode = request.freeSpin ? -1 : 0;
    engine::resetDrawMarks(run);
    for (int reel = 1; reel <= engine::kReels; ++reel) {
        if (reel == 3)
            run.reel3counts = static_cast<std::int16_t>(request.freeSpin ? 2 : request.reel3);
        engine::landReel(run, reel, request.stops[reel - 1]);
    }
    engine::fillLineSums(run);
    engine::evaluateWin(run);
    return run;
}

}  // namespace quorvel::sim
