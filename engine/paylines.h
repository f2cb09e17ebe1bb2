#pragma once

#include <array>

#include "engine/symbols.h"

namespace quorvel::engine {

inline constexpr int kLines = 25;

// The row (1 top .. 3 bottom) that line 1..25 takes on reel 1..5.
int lineRow(int line, int reel);

// Pay of a paying symbol for 3, 4 or 5 matching reels from the left, in bets per line.
int linePay(Symbol symbol, int matching);

// Pay of a chest count anywhere in the window, in total bets.
int scatterMultiple(int chests);

// The order in which a line's symbols are examined; the last paying one sets the match.
const std::array<Symbol, kPayingSymbols>& evaluationOrder();

// How many reels a line sum pays for (21 and 41 pay three, 31 four, 51 five), else 0.
int matchForLineSum(int sum);

// Free games awarded by a chest count: 10/15/20, or 11/16/21 added during free spins.
int freeGamesFor(int chests, bool duringFreeSpins);

}  // namespace quorvel::engine
