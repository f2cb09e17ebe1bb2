#pragma once

#include "engine/symbols.h"

namespace quorvel::presentation {

inline constexpr int kSymbolHeightTwips = 1875;
inline constexpr int kStripPictures = 29;  // filler above and below the strip for the spin

// The symbol painted in picture 1..29 of a reel picture (positions are pictures 2..25).
engine::Symbol stripPicture(int reel, int picture);

// Where the reel picture rests, in twips, so that strip position `stop` is in the top row.
constexpr int restOffset(int stop) {
    return -kSymbolHeightTwips * stop;
}

}  // namespace quorvel::presentation
