#include "tools/soundgen/score.h"

namespace quorvel::soundgen {

// Format, length and loudness of every recording the game plays. Clicks and steps sit lower
// than the wins so that pressing keys never sounds like winning.
const std::vector<Cue>& cues() {
    // clang-format off
    static const std::vector<Cue> table{
        {102, 22050, 8, 0.23, -6, spare},
        {103, 11025, 8, 0.62, -10, noCredit},
        {104, 22050, 16, 0.11, -4, reelLand},
        {105, 11025, 8, 1.14, -3, smallWin},
        {106, 11025, 8, 1.16, -6, gambleLost},
        {107, 44100, 8, 0.50, -4, chestLand, 84},
        {108, 44100, 8, 0.50, -4, chestLand, 86},
        {109, 44100, 8, 0.50, -4, chestLand, 88},
        {110, 44100, 8, 0.50, -4, chestLand, 91},
        {111, 44100, 8, 0.34, -4, chestLand, 93},
        {112, 44100, 8, 0.33, -3, tinyWin},
        {113, 44100, 8, 0.80, -5, spinStart},
        {114, 44100, 8, 0.72, -3, win31},
        {115, 44100, 8, 1.45, -3, win41},
        {117, 44100, 8, 1.49, -2, fanfare},
        {118, 44100, 8, 2.53, -2, win101},
        {119, 44100, 8, 2.52, -3, coins},
        {120, 11025, 8, 2.84, -2, win151},
        {121, 11025, 8, 3.02, -2, freeSpinsWon},
        {122, 44100, 8, 2.40, -2, win301},
        {123, 44100, 8, 2.56, -3, drumRoll},
        {125, 11025, 8, 5.87, -2, finale},
        {126, 44100, 8, 2.53, -2, bigWin},
        {127, 44100, 16, 15.63, -4, shanty},
        {128, 11025, 8, 0.14, -7, menuPick},
        {130, 22050, 8, 0.10, -8, click},
        {131, 11025, 8, 2.30, -3, shipsBell},
        {132, 44100, 16, 0.09, -7, stepBlip, 72},
        {133, 44100, 16, 0.096, -7, stepBlip, 74},
        {134, 44100, 16, 0.102, -7, stepBlip, 76},
        {135, 44100, 16, 0.108, -7, stepBlip, 79},
        {136, 44100, 16, 0.114, -7, stepBlip, 81},
        {137, 44100, 16, 0.12, -7, stepBlip, 84},
        {138, 44100, 16, 2.45, -2, bigWinCelebration},
        {139, 44100, 16, 3.45, -2, megaWinCelebration},
        {140, 44100, 16, 4.50, -2, epicWinCelebration},
    };
    // clang-format on
    return table;
}

}  // namespace quorvel::soundgen
