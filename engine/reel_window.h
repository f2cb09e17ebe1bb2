#pragma once

namespace quorvel::engine {

inline constexpr int kReels = 5;
inline constexpr int kRows = 3;
inline constexpr int kCells = kReels * kRows;

// Cells run in a snake: reels 1, 3, 5 number downwards, reels 2 and 4 upwards.
constexpr int cellOf(int reel, int row) {
    return reel % 2 == 1 ? 3 * (reel - 1) + row : 3 * (reel - 1) + (kRows + 1 - row);
}
constexpr int reelOfCell(int cell) {
    return (cell - 1) / kRows + 1;
}
constexpr int rowOfCell(int cell) {
    const int reel = reelOfCell(cell);
    const int offset = cell - 3 * (reel - 1);
    return reel % 2 == 1 ? offset : kRows + 1 - offset;
}

// Every subset of reels has its own sum, so a line sum names the reels that carry a symbol.
constexpr int reelWeight(int reel) {
    constexpr int kWeights[kReels + 1] = {0, 8, 7, 6, 10, 20};
    return kWeights[reel];
}

}  // namespace quorvel::engine
