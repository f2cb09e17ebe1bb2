#pragma once

#include <array>
#include <vector>

#include "math/par_sheet.h"

namespace quorvel::math {

// Win thresholds of the tail figures, in total bets.
inline constexpr std::array<int, 7> kTailThresholds{1, 5, 10, 50, 100, 500, 1000};

// How one normal spin's total pays out: its own win, the free-spin feature it starts with
// every retrigger, and the jackpot board's bet multiples (the meters left out). All exact,
// from the enumeration and the feature's distribution.
struct Volatility {
    double meanBets = 0;  // expected total, in total bets
    double sd = 0;        // its standard deviation, in total bets
    std::array<double, kTailThresholds.size()> pAtLeast{};
    double featureSpinsMean = 0;  // free spins in a feature started from normal play
    double featureSpinsSd = 0;
    double wrapBound = 0;  // bound on the probability the tail transform may have misplaced
};

Volatility volatility(const ParTally& tally, int lines, int machinepay);

}  // namespace quorvel::math
