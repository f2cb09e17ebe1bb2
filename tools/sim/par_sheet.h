#pragma once

#include <cstdint>

namespace quorvel::sim {

// Tallies over every stop combination of a normal spin, split by whether the combination's
// win is at or below twice the total bet (always stands) or above it (stands 1 in N).
struct ParTally {
    enum Band { Stands = 0, Controlled = 1 };
    std::uint64_t combinations[2]{};
    std::uint64_t winBets[2]{};  // summed win, in bets per line
    std::uint64_t hits[2]{};
    std::uint64_t chests[6][2]{};
    std::uint64_t jackpotSymbols[2]{};  // jolly rogers on reels 1-3; reel 3 then counts 1 in 2
};

// Enumerates all 22^5 combinations exactly, from the game's strips, lines and pays.
ParTally enumerateNormalSpin(int lines, int threads = 2);

struct ParSheet {
    int lines = 25;
    int machinepay = 4;
    std::uint64_t outcomes = 0;  // combinations times the two reel-3 draws
    double rawRtp = 0;
    double baseRtp = 0;
    double hitFrequency = 0;
    double freespinsP[6]{};
    double jackpotFeatureP = 0;
    double freespinRtp = 0;
    double jackpotMultipleRtp = 0;
};

// The par sheet of one payout setting from the tallies.
ParSheet parSheet(const ParTally& tally, int lines, int machinepay);

}  // namespace quorvel::sim
