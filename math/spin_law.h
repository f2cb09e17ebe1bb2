#pragma once

#include <vector>

#include "math/par_sheet.h"

namespace quorvel::math {

// What one standing spin wins and starts. The class is chestClass * 2 + jackpot: the chest
// class as in ParTally (0 for fewer than three chests), jackpot whether the board feature
// starts.
struct SpinOutcome {
    int spinClass;
    int win;  // bets per line
    double p;
};
inline constexpr int kSpinClasses = 2 * ParTally::kChestClasses;
constexpr int chestClassOf(int spinClass) {
    return spinClass / 2;
}
constexpr bool jackpotOf(int spinClass) {
    return spinClass % 2 == 1;
}

// The law of a normal spin's standing result. The payout control redraws a win above twice
// the total bet unless a 1-in-machinepay draw lets it stand, and redraws until one stands:
// the raw law with that band thinned by 1 / machinepay, renormalised. Reel 3's tile counts
// on one of its two equally likely draws, so half the jolly-roger outcomes start the board.
// A free spin is controlled the same way at the bet and lines that started the feature, and
// no jolly roger counts in it: its law is this one with each jackpot class merged back.
std::vector<SpinOutcome> standingOutcomes(const ParTally& tally, int lines, int machinepay);

// Free games that a spin of the class adds: 10/15/20 from normal play, 11/16/21 during free
// spins (the spin that retriggers counts as one of the feature's own).
int freeGamesOf(int spinClass, bool duringFreeSpins);

// Bet multiples of the board, one per position, the ball's stop drawn uniformly (10x on 6
// of 16, 20x on 4, 30x on 2); the meters count as 0.
std::vector<int> boardMultiples();

}  // namespace quorvel::math
