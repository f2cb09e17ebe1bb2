#pragma once

#include <vector>

namespace quorvel::soundgen {

enum class Wave { Sine, Triangle, Square, Saw, Noise, Bell };

// One sounding event. Times in seconds, frequencies in hertz; 0 switches an option off.
struct Note {
    double start = 0;
    double length = 0.1;  // until the release begins
    double freq = 440;
    double glideTo = 0;  // the pitch slides exponentially to this by the end of `length`
    Wave wave = Wave::Sine;
    double gain = 0.5;
    double attack = 0.004;
    double decay = 0;  // exponential fall while held (time constant)
    double release = 0.03;
    double lowpass = 0;
    double lowpassTo = 0;  // the low-pass sweeps to this across `length`
    double highpass = 0;
    double vibrato = 0;  // depth in semitones at 5.5 Hz
    unsigned seed = 1;   // noise
};

// Mixes the notes into a buffer of `seconds` at `rate`; a note running past the end is cut.
std::vector<float> render(const std::vector<Note>& notes, int rate, double seconds);

// Scales the buffer to the peak level and shapes a few milliseconds in and out to silence.
void finish(std::vector<float>& samples, int rate, double peakDb);

}  // namespace quorvel::soundgen
