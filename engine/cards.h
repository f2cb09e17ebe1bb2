#pragma once

namespace quorvel::engine {

// The gamble's card is one of four aces, drawn by suit code.
enum Suit { hearts = 1, clubs = 2, diamonds = 3, spades = 4 };
inline constexpr int kSuits = 4;

constexpr bool isRed(int suit) {
    return suit == hearts || suit == diamonds;
}

// What a correct guess multiplies the amount at risk by.
inline constexpr int kColourMultiplier = 2;
inline constexpr int kSuitMultiplier = 4;

}  // namespace quorvel::engine
