#pragma once

#include <array>

#include "engine/symbols.h"

namespace quorvel::engine {

inline constexpr int kStripLength = 24;
inline constexpr int kStops = 22;
inline constexpr int kMysteryPosition = 6;  // reel 3: the tile that may or may not count

// The symbol at strip position 1..24 of reel 1..5.
Symbol stripSymbol(int reel, int position);
// Stop s shows positions s, s + 1, s + 2 on rows 1, 2, 3.
inline Symbol symbolAtStop(int reel, int stop, int row) {
    return stripSymbol(reel, stop + row - 1);
}

}  // namespace quorvel::engine
