#pragma once

#include "engine/game_state.h"
#include "engine/random_source.h"

namespace quorvel::engine {

// Int(random * n) + 1: a whole number from 1 to n, each equally likely.
int drawOneTo(engine::RandomSource& random, int n);

// Clears the marks the last spin left: chests, jackpot symbols, wilds, line sums and line
// matches.
void resetDrawMarks(RunState& run);

// Draws reel 1..5: reseeds, picks a stop, then lands the reel on it. Reel 3 first draws
// whether its mystery tile counts this spin (never during free spins).
void drawReel(RunState& run, engine::RandomSource& random, int reel);

// Puts reel 1..5 on stop 1..22: its window rows and the wild, chest and jackpot marks of
// its cells. Call in reel order after resetDrawMarks.
void landReel(RunState& run, int reel, int stop);

}  // namespace quorvel::engine
