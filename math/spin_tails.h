#pragma once

#include <cstddef>
#include <vector>

#include "math/spin_law.h"

namespace quorvel::math {

// The probability that one normal spin's total (own win, free-spin feature with retriggers,
// board bet multiple) reaches each threshold, given in total bets.
struct Tails {
    std::vector<double> pAtLeast;
    int unit = 1;            // bets per line per step of the distribution: the wins' divisor
    std::size_t length = 0;  // length of the transform the distribution was computed on
    double wrapBound = 0;    // bound on the probability that wrapped around the transform
};
Tails spinTotalTails(const std::vector<SpinOutcome>& outcomes, int lines,
                     const std::vector<int>& thresholds);

}  // namespace quorvel::math
