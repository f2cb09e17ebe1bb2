#pragma once

#include <cmath>
#include <initializer_list>
#include <vector>

#include "tools/soundgen/synth.h"

namespace quorvel::soundgen {

using Score = std::vector<Note>;

// Equal-tempered pitch of a MIDI key (69 = A 440 Hz).
inline double key(double midi) {
    return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0);
}

// The instruments the cues are written for.
Note brass(double start, double length, double midi, double gain = 0.3);
Note pluck(double start, double midi, double gain = 0.3);
Note bell(double start, double midi, double gain = 0.3, double ring = 1.0);
Note blip(double start, double length, double midi, double gain = 0.4);
Note snare(double start, double gain = 0.3, unsigned seed = 1);
Note timpani(double start, double midi, double gain = 0.5);
Note cymbal(double start, double length, double gain = 0.15, unsigned seed = 7);

// A chord of brass voices held together.
void chord(Score& score, double start, double length, std::initializer_list<int> keys,
           double gain = 0.2);
// Notes one after another at a fixed step, each played by `play`.
template <typename Play>
void run(Score& score, double start, double step, std::initializer_list<int> keys, Play play) {
    double t = start;
    for (int k : keys) {
        score.push_back(play(t, k));
        t += step;
    }
}

// Every recording of the game with its format and its score.
struct Cue {
    int id;
    int rate;
    int bits;
    double seconds;
    double peakDb;
    Score (*score)(double seconds, double pitch);
    double pitch = 0;  // MIDI key for the cues that come as a rising set
};
const std::vector<Cue>& cues();

// Scores, grouped by what they mark. Each takes the cue's length and its key, if any.
using Scored = Score(double seconds, double pitch);
Scored noCredit, reelLand, smallWin, gambleLost, chestLand, tinyWin, spinStart, win31, win41;
Scored fanfare, win101, coins, win151, freeSpinsWon, win301, drumRoll, finale, bigWin, shanty;
Scored menuPick, click, shipsBell, spare, stepBlip;
Scored bigWinCelebration, megaWinCelebration, epicWinCelebration;

}  // namespace quorvel::soundgen
