#pragma once

#include <array>

#include "platform/headless/scripted_random.h"

namespace quorvel::platform::headless {

// One spin's draws in the order the game takes them: reels 1 and 2, reel 3's mystery tile
// (1 counts), reels 3, 4 and 5, then the payout control's draw (1 lets any result stand;
// 0 leaves it to the seeded source).
inline void queueSpinDraws(ScriptedRandom& random, const std::array<int, 5>& stops, int reel3 = 2,
                           int payout = 1) {
    constexpr int kStops = 22, kMysteryOutcomes = 2, kPayoutOutcomes = 4;
    random.queueDraw(stops[0], kStops);
    random.queueDraw(stops[1], kStops);
    random.queueDraw(reel3, kMysteryOutcomes);
    random.queueDraw(stops[2], kStops);
    random.queueDraw(stops[3], kStops);
    random.queueDraw(stops[4], kStops);
    if (payout > 0) random.queueDraw(payout, kPayoutOutcomes);
}

}  // namespace quorvel::platform::headless
