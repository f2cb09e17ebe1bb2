#pragma once

#include <array>

namespace quorvel::engine {

enum class BoardPrize { Times10, Times20, Times30, Minor, Major, Grand };

struct BoardPosition {
    int left;  // twips inside the board frame
    int top;
    BoardPrize prize;
};

inline constexpr int kBoardPositions = 16;

// Positions 1..16 clockwise from the top left corner.
const BoardPosition& boardPosition(int position);

// The bet multiple of a bet-multiple prize, 0 for the meters.
int boardMultiple(BoardPrize prize);

}  // namespace quorvel::engine
