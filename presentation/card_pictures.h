#pragma once

namespace quorvel::presentation {

// The card pictures: faces 1..4 by suit, the back, the small suit pictures and the frames
// of the reveal (white in them lets the face show through).
inline constexpr int kCardBack = 5;
constexpr int smallSuitPicture(int suit) {
    return suit + 5;
}
inline constexpr int kFirstRevealFrame = 10;
inline constexpr int kLastRevealFrame = 24;

}  // namespace quorvel::presentation
