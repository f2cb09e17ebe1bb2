#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace quorvel::engine {

// Adds each reel's weight to the line sum of the symbol it shows on every line through
// that row; a wild adds to all ten paying symbols. Expects cleared sums.
void fillLineSums(RunState& run);

// Pays the chests and every played line into spinwin and marks the paid lines. The last
// symbol of the evaluation order that pays on a line sets its match.
void evaluateWin(RunState& run);

// Total bet, bet x lines, in the game's 16-bit arithmetic.
std::int16_t totalBet(const RunState& run);

// Threshold above which a result stands only with probability 1 in machinepay.
std::int32_t payoutThreshold(const RunState& run);
// Whether a result stands, given the payout draw 1..machinepay.
bool resultStands(const RunState& run, int payoutDraw);

bool freeSpinsWon(const RunState& run);
bool jackpotFeatureStarts(const RunState& run);

}  // namespace quorvel::engine
