#include "tools/soundgen/score.h"

// The big-win celebrations: each tier a longer, fuller fanfare than the one below, all in C
// so that one following another never clashes.
namespace quorvel::soundgen {
namespace {

// A roll that swells from soft to loud, leading into the first chord.
void swellingRoll(Score& s, double start, double length, unsigned seed) {
    const int strokes = static_cast<int>(length / 0.045);
    for (int i = 0; i < strokes; ++i) {
        const double gain = 0.08 + 0.2 * i / strokes;
        s.push_back(snare(start + 0.045 * i, gain, seed + static_cast<unsigned>(i)));
    }
}

// Brass notes rising one per beat, each held until the next.
void risingCall(Score& s, double start, double beat, std::initializer_list<int> keys) {
    double t = start;
    for (int k : keys) {
        s.push_back(brass(t, beat * 0.85, k, 0.24));
        t += beat;
    }
}

// The held ending: low timpani, a crash and the full chord, with coins ringing over it.
void landing(Score& s, double start, double length, std::initializer_list<int> keys, int coins) {
    chord(s, start, length, keys, 0.1);
    s.push_back(timpani(start, 36, 0.55));
    s.push_back(cymbal(start, length * 0.8, 0.16, 11));
    for (int i = 0; i < coins; ++i)
        s.push_back(bell(start + 0.1 + 0.09 * i, 96 + (i * 7) % 12, 0.12, 0.25));
}

}  // namespace

Score bigWinCelebration(double, double) {
    Score s;
    swellingRoll(s, 0.02, 0.5, 80);
    risingCall(s, 0.55, 0.14, {60, 64, 67, 72});
    landing(s, 1.15, 1.0, {48, 60, 64, 67, 72, 76}, 6);
    return s;
}

Score megaWinCelebration(double, double) {
    Score s;
    swellingRoll(s, 0.02, 0.6, 100);
    risingCall(s, 0.65, 0.13, {60, 64, 67});
    s.push_back(timpani(0.65, 36, 0.45));
    risingCall(s, 1.1, 0.13, {65, 69, 72});
    s.push_back(timpani(1.1, 41, 0.45));
    risingCall(s, 1.55, 0.11, {67, 71, 74, 79});
    landing(s, 2.0, 1.2, {48, 55, 60, 64, 67, 72, 76, 79}, 9);
    return s;
}

Score epicWinCelebration(double, double) {
    Score s;
    swellingRoll(s, 0.02, 0.9, 120);
    for (int i = 0; i < 4; ++i)
        s.push_back(timpani(0.02 + 0.225 * i, 31 + 2 * i, 0.3 + 0.05 * i));
    risingCall(s, 0.95, 0.12, {60, 64, 67, 72});
    chord(s, 1.45, 0.35, {48, 55, 60, 64}, 0.1);
    risingCall(s, 1.85, 0.12, {65, 69, 72, 77});
    chord(s, 2.35, 0.35, {53, 60, 65, 69}, 0.1);
    risingCall(s, 2.75, 0.09, {67, 71, 74, 79, 83});
    landing(s, 3.2, 1.1, {36, 48, 55, 60, 64, 67, 72, 76, 79, 84}, 12);
    return s;
}

}  // namespace quorvel::soundgen
