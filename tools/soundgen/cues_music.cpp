#include <algorithm>
#include <array>

#include "tools/soundgen/score.h"

// The two looped cues. Both fit a whole number of beats into their length and let every
// note die away before the end, so the loop joins without a click.
namespace quorvel::soundgen {
namespace {

struct Step {
    double beats;
    int midi;  // 0 = rest
};

// An original tune in D dorian, eight bars of four beats.
constexpr std::array kMelody{
    Step{1, 62}, Step{.5, 65}, Step{.5, 69},  Step{1, 74},  Step{1, 69},   // bar 1
    Step{1, 72}, Step{.5, 69}, Step{.5, 67},  Step{2, 64},                 // bar 2
    Step{1, 62}, Step{.5, 65}, Step{.5, 69},  Step{1, 74},  Step{1, 76},   // bar 3
    Step{1, 77}, Step{.5, 76}, Step{.5, 74},  Step{2, 69},                 // bar 4
    Step{1, 72}, Step{.5, 72}, Step{.5, 71},  Step{1, 72},  Step{1, 76},   // bar 5
    Step{1, 74}, Step{.5, 72}, Step{.5, 69},  Step{1, 67},  Step{1, 64},   // bar 6
    Step{1, 62}, Step{.5, 65}, Step{.5, 69},  Step{.5, 67}, Step{.5, 65},  // bar 7
    Step{1, 64}, Step{2, 62},  Step{1.25, 0}, Step{.5, 57}, Step{.25, 0},  // bar 7 end, bar 8
};
// The chord root of each half bar; the accompaniment plays root, third and fifth.
constexpr std::array<int, 16> kRoots{50, 50, 48, 48, 50, 50, 50, 45,
                                     48, 48, 48, 52, 50, 48, 50, 50};

int third(int root) {
    return root == 48 ? root + 4 : root + 3;  // C major, the rest minor
}

Note accordion(double start, double length, double midi, double gain) {
    Note n = brass(start, length, midi, gain);
    n.attack = 0.03;
    n.release = 0.06;
    n.lowpass = 2400;
    n.lowpassTo = 0;
    n.vibrato = 0.12;
    return n;
}

void accompany(Score& s, double beat) {
    for (std::size_t half = 0; half < kRoots.size(); ++half) {
        const double t = beat * 2 * static_cast<double>(half);
        const int root = kRoots[half];
        if (half == kRoots.size() - 1) {  // the last half bar rests for the loop
            continue;
        }
        s.push_back({.start = t,
                     .length = beat * 0.6,
                     .freq = key(root - 12),
                     .wave = Wave::Triangle,
                     .gain = 0.45,
                     .attack = 0.005,
                     .decay = 0.3,
                     .release = 0.08});
        for (int k : {root, third(root), root + 7})
            s.push_back(accordion(t + beat, beat * 0.45, k + 12, 0.07));
        s.push_back(snare(t + beat, 0.08, 100 + static_cast<unsigned>(half)));
    }
}

}  // namespace

Score shanty(double seconds, double) {
    const double beat = seconds / 32;
    Score s;
    double t = 0;
    for (const Step& step : kMelody) {
        if (step.midi > 0) {
            s.push_back(accordion(t, step.beats * beat * 0.85, step.midi, 0.2));
            s.push_back(accordion(t, step.beats * beat * 0.85, step.midi + 0.08, 0.12));
        }
        t += step.beats * beat;
    }
    accompany(s, beat);
    return s;
}

Score drumRoll(double seconds, double) {
    // A steady snare roll with a timpani on each beat and a brass stab on the first.
    const double beat = seconds / 4;
    Score s;
    for (int i = 0; i < 32; ++i) {
        const double accent = i % 8 == 0 ? 0.3 : 0.17 + 0.03 * (i % 2);
        s.push_back(snare(beat / 8 * i + 0.004, accent, 200 + static_cast<unsigned>(i)));
    }
    for (int b = 0; b < 4; ++b)
        s.push_back(timpani(beat * b + 0.004, b % 2 ? 38 : 43, 0.45));
    chord(s, 0.004, 0.25, {55, 62, 67}, 0.1);
    // The last hit is damped early so that nothing is cut off when the loop wraps.
    for (Note& n : s)
        n.length = std::min(n.length, seconds - n.start - n.release);
    return s;
}

}  // namespace quorvel::soundgen
