#pragma once

namespace quorvel::engine {

enum class BoardPrize { Times10, Times20, Times30, Minor, Major, Grand };

inline constexpr int kBoardPositions = 16;

// The prize at position 1..16, clockwise from the top left corner.
BoardPrize boardPrize(int position);

// The bet multiple of a bet-multiple prize, 0 for the meters.
int boardMultiple(BoardPrize prize);

}  // namespace quorvel::engine
