#include "tools/soundgen/score.h"

namespace quorvel::soundgen {

Note brass(double start, double length, double midi, double gain) {
    return {.start = start,
            .length = length,
            .freq = key(midi),
            .wave = Wave::Saw,
            .gain = gain,
            .attack = 0.025,
            .release = 0.09,
            .lowpass = key(midi) * 3,
            .lowpassTo = key(midi) * 6,
            .vibrato = 0.08};
}

Note pluck(double start, double midi, double gain) {
    return {.start = start,
            .length = 0.5,
            .freq = key(midi),
            .wave = Wave::Triangle,
            .gain = gain,
            .attack = 0.002,
            .decay = 0.16,
            .release = 0.05};
}

Note bell(double start, double midi, double gain, double ring) {
    return {.start = start,
            .length = ring,
            .freq = key(midi),
            .wave = Wave::Bell,
            .gain = gain,
            .attack = 0.001,
            .release = 0.2};
}

Note blip(double start, double length, double midi, double gain) {
    return {.start = start,
            .length = length,
            .freq = key(midi),
            .wave = Wave::Square,
            .gain = gain,
            .attack = 0.003,
            .decay = length * 0.8,
            .release = 0.01,
            .lowpass = 3200};
}

Note snare(double start, double gain, unsigned seed) {
    return {.start = start,
            .length = 0.12,
            .wave = Wave::Noise,
            .gain = gain,
            .attack = 0.001,
            .decay = 0.035,
            .release = 0.02,
            .lowpass = 5000,
            .highpass = 900,
            .seed = seed};
}

Note timpani(double start, double midi, double gain) {
    return {.start = start,
            .length = 0.5,
            .freq = key(midi),
            .glideTo = key(midi) * 0.94,
            .wave = Wave::Sine,
            .gain = gain,
            .attack = 0.003,
            .decay = 0.22,
            .release = 0.08};
}

Note cymbal(double start, double length, double gain, unsigned seed) {
    // Kept under the brass and off the very top, where 8-bit hiss already lives.
    return {.start = start,
            .length = length,
            .wave = Wave::Noise,
            .gain = gain * 0.6,
            .attack = 0.002,
            .decay = length / 3,
            .release = 0.05,
            .lowpass = 11000,
            .highpass = 4000,
            .seed = seed};
}

void chord(Score& score, double start, double length, std::initializer_list<int> keys,
           double gain) {
    for (int k : keys)
        score.push_back(brass(start, length, k, gain));
}

}  // namespace quorvel::soundgen
