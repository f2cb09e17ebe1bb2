#include "math/spin_law.h"

#include "engine/jackpot_board.h"
#include "engine/paylines.h"

namespace quorvel::math {

std::vector<SpinOutcome> standingOutcomes(const ParTally& tally, int lines, int machinepay) {
    std::vector<SpinOutcome> outcomes;
    double weight = 0;
    const auto add = [&](int spinClass, int win, double w) {
        outcomes.push_back({spinClass, win, w});
        weight += w;
    };
    for (int chestClass = 0; chestClass < ParTally::kChestClasses; ++chestClass) {
        for (int win = 0; win <= tally.maxWin; ++win) {
            const double thinning = win > 2 * lines ? 1.0 / machinepay : 1.0;
            if (const auto plain = tally.winCount(chestClass, false, win))
                add(chestClass * 2, win, static_cast<double>(plain) * thinning);
            if (const auto jolly = tally.winCount(chestClass, true, win)) {
                const double half = static_cast<double>(jolly) * thinning / 2;
                add(chestClass * 2, win, half);
                add(chestClass * 2 + 1, win, half);
            }
        }
    }
    for (SpinOutcome& outcome : outcomes)
        outcome.p /= weight;
    return outcomes;
}

int freeGamesOf(int spinClass, bool duringFreeSpins) {
    const int chestClass = chestClassOf(spinClass);
    return chestClass == 0 ? 0 : engine::freeGamesFor(chestClass + 2, duringFreeSpins);
}

std::vector<int> boardMultiples() {
    std::vector<int> multiples;
    for (int position = 1; position <= engine::kBoardPositions; ++position)
        multiples.push_back(engine::boardMultiple(engine::boardPrize(position)));
    return multiples;
}

}  // namespace quorvel::math
