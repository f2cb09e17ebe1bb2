#pragma once

#include <cstdint>
#include <vector>

namespace quorvel::math {

// Tallies over every stop combination of a normal spin, split by whether the combination's
// win is at or below twice the total bet (always stands) or above it (stands 1 in N).
struct ParTally {
    enum Band { Stands = 0, Controlled = 1 };
    std::uint64_t combinations[2]{};
    std::uint64_t winBets[2]{};  // summed win, in bets per line
    std::uint64_t hits[2]{};
    std::uint64_t chests[6][2]{};
    std::uint64_t jackpotSymbols[2]{};  // jolly rogers on reels 1-3; reel 3 then counts 1 in 2

    // Combinations by win, by what they start: chest class 0 for fewer than three chests,
    // 1, 2, 3 for three, four, five; and whether reels 1-3 show jolly rogers. Every win is a
    // multiple of winUnit bets per line (it divides every line pay and the line count).
    int winUnit = 1;
    int maxWin = 0;
    std::vector<std::uint64_t> wins;
    static constexpr int kChestClasses = 4;
    static int chestClass(int chests) { return chests < 3 ? 0 : chests - 2; }
    std::size_t winIndex(int chestClass, bool jolly, int win) const {
        return static_cast<std::size_t>(
            (chestClass * 2 + (jolly ? 1 : 0)) * (maxWin / winUnit + 1) + win / winUnit);
    }
    std::uint64_t winCount(int chestClass, bool jolly, int win) const {
        return wins.empty() || win % winUnit ? 0 : wins[winIndex(chestClass, jolly, win)];
    }
};

// The largest win of one spin, in bets per line: every line five wilds, five chests.
int maxSpinWin(int lines);
// The largest whole number of bets per line that divides every win of a spin.
int spinWinUnit(int lines);

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

}  // namespace quorvel::math
