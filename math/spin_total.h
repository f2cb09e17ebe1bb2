#pragma once

#include <vector>

#include "math/spin_law.h"

namespace quorvel::math {

// Exact first two moments, in bets per line, of one normal spin's total: its own win, plus
// the wins of the free-spin feature it starts (retriggers included), plus the board's bet
// multiple when the jackpot feature starts (the meters count as 0).
struct Moments {
    double mean = 0;
    double variance = 0;
};
Moments spinTotalMoments(const std::vector<SpinOutcome>& outcomes, int lines);

// Number of free spins in a feature started from normal play (retriggers included).
Moments featureLength(const std::vector<SpinOutcome>& outcomes);

}  // namespace quorvel::math
