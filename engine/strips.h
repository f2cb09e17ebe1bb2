#pragma once

#include <array>

#include "engine/symbols.h"

namespace quorvel::engine {

inline constexpr int kStripLength = 24;
inline constexpr int kStops = 22;
inline constexpr int kStripPictures = 29;   // filler above and below the strip for the spin
inline constexpr int kMysteryPosition = 6;  // reel 3: the tile that may or may not count

// The symbol at strip position 1..24 of reel 1..5.
Symbol stripSymbol(int reel, int position);
// The symbol painted in picture 1..29 of a reel picture (positions are pictures 2..25).
Symbol stripPicture(int reel, int picture);
// Stop s shows positions s, s + 1, s + 2 on rows 1, 2, 3.
inline Symbol symbolAtStop(int reel, int stop, int row) {
    return stripSymbol(reel, stop + row - 1);
}
// Where the reel picture rests, in twips, so that strip position `stop` is in the top row.
constexpr int restOffset(int stop) {
    return -1875 * stop;
}

}  // namespace quorvel::engine
