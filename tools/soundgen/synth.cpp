#include "tools/soundgen/synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace quorvel::soundgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Band-limits the edges of the naive square and saw so that 11 kHz files do not alias.
double polyBlep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

// Partials of a struck bell: inharmonic ratios, the higher ones dying sooner.
constexpr std::array<double, 6> kBellRatio{1.0, 2.0, 2.41, 3.01, 4.53, 5.33};
constexpr std::array<double, 6> kBellLevel{1.0, 0.55, 0.4, 0.25, 0.16, 0.1};

class Voice {
public:
    Voice(const Note& note, int rate)
        : n_(note), rate_(rate), noise_(note.seed * 2654435761u + 1) {}

    double next(double t) {
        const double f = pitch(t);
        const double dt = f / rate_;
        double s = shape(dt);
        phase_ += dt;
        phase_ -= std::floor(phase_);
        s = filter(s, t);
        return s * envelope(t) * n_.gain;
    }

private:
    double pitch(double t) const {
        double f = n_.freq;
        if (n_.glideTo > 0) f *= std::pow(n_.glideTo / n_.freq, std::min(t / n_.length, 1.0));
        if (n_.vibrato > 0) f *= std::pow(2.0, n_.vibrato / 12 * std::sin(kTau * 5.5 * t));
        return f;
    }

    double shape(double dt) {
        switch (n_.wave) {
            case Wave::Sine:
                return std::sin(kTau * phase_);
            case Wave::Triangle:
                return 1.0 - 4.0 * std::abs(phase_ - 0.5);
            case Wave::Square: {
                const double half = phase_ < 0.5 ? 1.0 : -1.0;
                return half + polyBlep(phase_, dt) - polyBlep(std::fmod(phase_ + 0.5, 1.0), dt);
            }
            case Wave::Saw:
                return 2.0 * phase_ - 1.0 - polyBlep(phase_, dt);
            case Wave::Noise:
                noise_ ^= noise_ << 13;
                noise_ ^= noise_ >> 17;
                noise_ ^= noise_ << 5;
                return static_cast<double>(noise_) / 2147483648.0 - 1.0;
            case Wave::Bell:
                return bell();
        }
        return 0;
    }

    double bell() {
        double sum = 0;
        const double t = static_cast<double>(sample_++) / rate_;
        for (std::size_t i = 0; i < kBellRatio.size(); ++i) {
            const double f = n_.freq * kBellRatio[i];
            if (f >= rate_ / 2.2) break;
            sum += kBellLevel[i] * std::sin(kTau * f * t) * std::exp(-t * (1.0 + 1.2 * i) / 0.6);
        }
        return sum * 0.5;
    }

    double filter(double s, double t) {
        if (n_.lowpass > 0) {
            double cut = n_.lowpass;
            if (n_.lowpassTo > 0) cut *= std::pow(n_.lowpassTo / cut, std::min(t / n_.length, 1.0));
            const double a = 1.0 - std::exp(-kTau * std::min(cut, rate_ * 0.45) / rate_);
            low1_ += a * (s - low1_);
            low2_ += a * (low1_ - low2_);
            s = low2_;
        }
        if (n_.highpass > 0) {
            const double a = std::exp(-kTau * n_.highpass / rate_);
            const double out = a * (high_ + s - lastIn_);
            lastIn_ = s;
            high_ = out;
            s = out;
        }
        return s;
    }

    double envelope(double t) const {
        double e = n_.attack > 0 ? std::min(t / n_.attack, 1.0) : 1.0;
        if (n_.decay > 0) e *= std::exp(-std::max(t - n_.attack, 0.0) / n_.decay);
        if (t > n_.length) e *= std::max(0.0, 1.0 - (t - n_.length) / n_.release);
        return e;
    }

    Note n_;
    int rate_;
    unsigned noise_;
    double phase_ = 0;
    long sample_ = 0;
    double low1_ = 0, low2_ = 0, high_ = 0, lastIn_ = 0;
};

}  // namespace

std::vector<float> render(const std::vector<Note>& notes, int rate, double seconds) {
    std::vector<double> mix(static_cast<std::size_t>(std::lround(seconds * rate)), 0.0);
    for (const Note& note : notes) {
        Voice voice(note, rate);
        const auto first = static_cast<std::size_t>(std::lround(note.start * rate));
        const auto count = static_cast<std::size_t>((note.length + note.release) * rate);
        for (std::size_t i = 0; i < count && first + i < mix.size(); ++i)
            mix[first + i] += voice.next(static_cast<double>(i) / rate);
    }
    return {mix.begin(), mix.end()};
}

void finish(std::vector<float>& samples, int rate, double peakDb) {
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    const float scale = peak > 0 ? static_cast<float>(std::pow(10.0, peakDb / 20)) / peak : 0.0f;
    const auto fade = std::min(samples.size() / 2, static_cast<std::size_t>(rate * 0.004));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t edge = std::min(i, samples.size() - 1 - i);
        const double shape =
            edge < fade ? 0.5 - 0.5 * std::cos(std::numbers::pi * edge / fade) : 1.0;
        samples[i] *= scale * static_cast<float>(shape);
    }
}

}  // namespace quorvel::soundgen
