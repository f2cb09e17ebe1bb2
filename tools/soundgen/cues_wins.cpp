#include "tools/soundgen/score.h"

// The win cues grow with the win: a chime, an arpeggio, a fanfare, then brass with drums.
namespace quorvel::soundgen {
namespace {

auto plucked(double gain) {
    return [gain](double t, int k) { return pluck(t, k, gain); };
}
auto rung(double gain) {
    return [gain](double t, int k) { return bell(t, k, gain, 0.5); };
}
auto blown(double length, double gain) {
    return [length, gain](double t, int k) { return brass(t, length, k, gain); };
}

// "Ta-ta-taaa" on the given root, with a drum under the long note.
void callToArms(Score& s, double start, int root, double unit) {
    run(s, start, unit, {root, root}, blown(unit * 0.7, 0.3));
    chord(s, start + 2 * unit, unit * 3, {root, root + 4, root + 7, root + 12}, 0.16);
    s.push_back(timpani(start + 2 * unit, root - 24, 0.5));
}

void coinShower(Score& s, double start, int count, double spacing) {
    for (int i = 0; i < count; ++i) {
        const double jitter = 0.013 * ((i * 7) % 5);
        s.push_back(bell(start + i * spacing + jitter, 91 + (i * 5) % 9, 0.16, 0.12));
    }
}

}  // namespace

Score tinyWin(double, double) {
    Score s;
    run(s, 0, 0.09, {79, 84}, rung(0.4));
    return s;
}

Score smallWin(double, double) {
    Score s;
    run(s, 0, 0.12, {72, 76, 79}, plucked(0.35));
    s.push_back(bell(0.36, 84, 0.35, 0.5));
    return s;
}

Score win31(double, double) {
    Score s;
    run(s, 0, 0.09, {72, 76, 79, 84}, plucked(0.35));
    run(s, 0.02, 0.09, {60, 64, 67, 72}, blown(0.08, 0.15));
    s.push_back(bell(0.36, 88, 0.25, 0.2));
    return s;
}

Score win41(double, double) {
    Score s;
    run(s, 0, 0.1, {67, 72, 76, 79, 84}, plucked(0.3));
    chord(s, 0.5, 0.7, {60, 64, 67, 72}, 0.14);
    s.push_back(bell(0.5, 84, 0.25, 0.6));
    return s;
}

Score fanfare(double, double) {
    Score s;
    callToArms(s, 0.02, 67, 0.16);
    run(s, 0.5, 0.08, {79, 83, 86, 91}, rung(0.18));
    chord(s, 0.85, 0.45, {72, 76, 79, 84}, 0.13);
    s.push_back(cymbal(0.85, 0.5));
    return s;
}

Score win101(double, double) {
    Score s;
    callToArms(s, 0.02, 67, 0.16);
    callToArms(s, 0.75, 72, 0.16);
    run(s, 1.5, 0.08, {72, 76, 79, 84, 88, 91}, rung(0.16));
    chord(s, 1.5, 0.8, {60, 67, 72, 76, 79}, 0.12);
    s.push_back(cymbal(1.5, 0.8));
    return s;
}

Score coins(double, double) {
    // Coins poured into a tray, over a bright chord.
    Score s;
    coinShower(s, 0.02, 36, 0.055);
    chord(s, 0.05, 1.9, {72, 76, 79}, 0.07);
    s.push_back(bell(2.0, 96, 0.2, 0.3));
    return s;
}

Score win151(double, double) {
    Score s;
    callToArms(s, 0.02, 65, 0.18);
    run(s, 0.85, 0.09, {65, 69, 72, 77, 81}, blown(0.08, 0.2));
    chord(s, 1.35, 1.1, {53, 65, 69, 72, 77}, 0.13);
    s.push_back(timpani(1.35, 41, 0.5));
    s.push_back(cymbal(1.35, 1.0, 0.12));
    return s;
}

Score freeSpinsWon(double, double) {
    // Two octaves swept upwards, a swelling cymbal and a held chord with bells.
    Score s;
    run(s, 0, 0.06, {60, 62, 64, 65, 67, 69, 71, 72, 74, 76, 77, 79, 81, 83, 84}, plucked(0.25));
    Note swell = cymbal(0.1, 0.8, 0.15);
    swell.attack = 0.8;
    s.push_back(swell);
    chord(s, 0.95, 1.6, {60, 64, 67, 72, 76}, 0.12);
    s.push_back(timpani(0.95, 36, 0.5));
    run(s, 1.2, 0.25, {84, 88, 91, 96}, rung(0.14));
    return s;
}

Score win301(double, double) {
    Score s;
    for (int i = 0; i < 4; ++i)
        s.push_back(snare(0.02 + 0.1 * i, 0.25, 20 + i));
    callToArms(s, 0.42, 67, 0.15);
    callToArms(s, 1.0, 72, 0.15);
    chord(s, 1.6, 0.6, {60, 67, 72, 76, 79, 84}, 0.11);
    s.push_back(cymbal(1.6, 0.7, 0.15));
    return s;
}

Score bigWin(double, double) {
    Score s;
    for (int i = 0; i < 6; ++i)
        s.push_back(snare(0.02 + 0.07 * i, 0.22, 40 + i));
    run(s, 0.45, 0.11, {67, 67, 67, 72, 76, 79, 84}, blown(0.09, 0.22));
    chord(s, 1.25, 1.0, {48, 60, 64, 67, 72, 76, 79}, 0.1);
    s.push_back(timpani(1.25, 36, 0.55));
    s.push_back(cymbal(1.25, 1.1, 0.16));
    run(s, 1.3, 0.12, {84, 88, 91, 96, 100}, rung(0.12));
    return s;
}

Score finale(double, double) {
    // The big ending: two calls, a march up and a long chord that rings out with bells.
    Score s;
    callToArms(s, 0.02, 62, 0.2);
    callToArms(s, 0.95, 67, 0.2);
    run(s, 1.9, 0.16, {67, 69, 71, 72, 74, 76, 78, 79}, blown(0.14, 0.22));
    for (int i = 0; i < 8; ++i)
        s.push_back(snare(1.9 + 0.16 * i, 0.2, 60 + i));
    chord(s, 3.25, 2.0, {43, 55, 62, 67, 71, 74, 79}, 0.1);
    s.push_back(timpani(3.25, 31, 0.55));
    s.push_back(cymbal(3.25, 1.6, 0.14));
    run(s, 3.4, 0.3, {79, 83, 86, 91}, rung(0.13));
    return s;
}

}  // namespace quorvel::soundgen
