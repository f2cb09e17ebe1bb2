#include "engine/evaluate.h"

#include "engine/checked.h"

namespace quorvel::engine {

void fillLineSums(RunState& run) {
    for (int line = 1; line <= kLines; ++line) {
        for (int reel = 1; reel <= kReels; ++reel) {
            const Symbol symbol = run.window[reel][lineRow(line, reel)];
            const int weight = reelWeight(reel);
            if (isPaying(symbol)) {
                addChecked(run.linesum[payingIndex(symbol)][line], weight);
            } else if (symbol == Symbol::wild) {
                for (auto& sums : run.linesum)
                    addChecked(sums[line], weight);
            }
        }
    }
}

std::int16_t totalBet(const RunState& run) {
    std::int16_t total = 0;
    mul16(run.bet, run.lines, total);
    return total;
}

void evaluateWin(RunState& run) {
    if (run.freespinmode == 0) run.featurewin = 0;
    run.spinwin = 0;
    run.atrisk = 0;
    run.linewin.fill(0);

    std::int16_t scatterPay = 0;
    if (mul16(scatterMultiple(run.scattercount), totalBet(run), scatterPay))
        addChecked(run.spinwin, scatterPay);

    for (int line = 1; line <= run.lines && line <= kLines; ++line) {
        for (Symbol symbol : evaluationOrder()) {
            const int matching = matchForLineSum(run.linesum[payingIndex(symbol)][line]);
            if (matching == 0) continue;
            std::int16_t pay = 0;
            if (mul16(run.bet, linePay(symbol, matching), pay)) addChecked(run.spinwin, pay);
            run.linewin[line] = static_cast<std::int16_t>(line);
            run.linematch[line] = static_cast<std::int16_t>(matching);
        }
    }
}

std::int32_t payoutThreshold(const RunState& run) {
    return 2 * totalBet(run);
}

bool resultStands(const RunState& run, int payoutDraw) {
    return payoutDraw == 1 || run.spinwin <= payoutThreshold(run);
}

bool freeSpinsWon(const RunState& run) {
    return run.scattercount >= 3;
}

bool jackpotFeatureStarts(const RunState& run) {
    return run.jackpotcount > 2;
}

}  // namespace quorvel::engine
