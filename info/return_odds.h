#pragma once

#include "math/par_sheet.h"

namespace quorvel::info {

// The exact tally of a normal spin on so many lines, enumerated once per program.
const math::ParTally& spinTally(int lines);

// What one normal spin returns in the long run and how widely, in total bets.
struct ReturnOdds {
    double mean = 0;
    double sd = 0;
};

// Worked out once per lines and payout setting, then served from memory: the session window
// opens at once after the first time.
ReturnOdds returnOdds(int lines, int machinepay);

}  // namespace quorvel::info
