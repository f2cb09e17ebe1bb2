// The total of a spin is a compound sum: its own win, a random number of free spins (each
// retrigger adds more), and the board's prize. Its distribution is built from generating
// functions evaluated on the unit circle through one transform, where the compounding is
// plain arithmetic per point, and comes back with one inverse transform.
//
// Amounts are whole multiples of `unit` bets per line. Every amount at or above the largest
// threshold is lumped at that threshold's index: no part of a total is negative, so a sum
// with a lumped part lands at or above it too, and every threshold's tail stays exact. What
// a finite transform adds is the wrap-around of totals past its length; a Chernoff bound on
// that mass chooses the length so the mass stays below 1e-16, and is reported.
#include "math/spin_tails.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <complex>
#include <map>
#include <numeric>
#include <stdexcept>

#include "math/fft.h"

namespace quorvel::math {
namespace {

using Complex = std::complex<double>;
constexpr double kNegligible = 1e-16;
constexpr int kChestClasses = ParTally::kChestClasses;

struct Frame {
    int lines;
    int unit;
    int cap;  // index of the largest threshold; larger amounts are lumped there
};

struct Masses {
    std::array<std::vector<double>, kSpinClasses> spin;  // empty for a class that never occurs
    std::vector<double> board;
};

Masses massesOf(const std::vector<SpinOutcome>& outcomes, const Frame& frame) {
    Masses masses;
    const auto index = [&](int amount) { return std::min(amount / frame.unit, frame.cap); };
    for (const SpinOutcome& o : outcomes) {
        auto& mass = masses.spin[o.spinClass];
        if (mass.empty()) mass.assign(frame.cap + 1, 0.0);
        mass[index(o.win)] += o.p;
    }
    const std::vector<int> multiples = boardMultiples();
    masses.board.assign(frame.cap + 1, 0.0);
    for (int multiple : multiples)
        masses.board[index(multiple * frame.lines)] += 1.0 / static_cast<double>(multiples.size());
    return masses;
}

template <typename T>
T power(T base, int exponent) {
    T result = 1;
    for (; exponent > 0; exponent >>= 1, base *= base)
        if (exponent & 1) result *= base;
    return result;
}

// y^k for each k, each power built from the one before (the counts come in rising order).
template <typename T, std::size_t N>
std::array<T, N> powers(T y, const std::array<int, N>& exponents) {
    std::array<T, N> result{};
    T last = 1;
    int at = 0;
    for (std::size_t i = 0; i < N; ++i) {
        last = exponents[i] >= at ? last * power(y, exponents[i] - at) : power(y, exponents[i]);
        at = exponents[i];
        result[i] = last;
    }
    return result;
}

struct FreeGames {
    std::array<int, kChestClasses> added{};   // by a free spin of each chest class
    std::array<int, kSpinClasses> awarded{};  // by a normal spin of each class
    FreeGames() {
        for (int c = 0; c < kChestClasses; ++c)
            added[c] = freeGamesOf(2 * c, true);
        for (int c = 0; c < kSpinClasses; ++c)
            awarded[c] = freeGamesOf(c, false);
    }
};
const FreeGames kFreeGames;

// The generating function of one free spin's family (itself and all it retriggers) at one
// point: the smallest root of y = sum over chest classes of q_c y^k_c. Newton's method from
// below climbs to it without overshooting on the real line (the right side is convex); on
// the unit circle the map is a contraction and Newton, started from a neighbouring point's
// root, settles in a few steps.
template <typename T>
bool familyAt(const std::array<T, kChestClasses>& q, T& y) {
    bool settled = false;
    for (int step = 0; step < 100 && !settled; ++step) {
        const auto p = powers(y, kFreeGames.added);
        // f(y) = sum q_c y^k_c - y, and y f'(y) = sum k_c q_c y^k_c - y.
        T f = -y, yslope = -y;
        for (int c = 0; c < kChestClasses; ++c) {
            f += q[c] * p[c];
            yslope += T(kFreeGames.added[c]) * q[c] * p[c];
        }
        const double scale = std::max(1.0, std::abs(y));
        if (std::abs(yslope) <= 1e-12 * scale) return false;
        const T delta = f * y / yslope;
        y -= delta;
        settled = std::abs(delta) <= 1e-15 * scale;
    }
    // A step can also vanish away from a root (at y = 0): only a root will do.
    const auto p = powers(y, kFreeGames.added);
    T f = -y;
    for (int c = 0; c < kChestClasses; ++c)
        f += q[c] * p[c];
    return settled && std::abs(f) <= 1e-12 * std::max(1.0, std::abs(y));
}

// The spin total's generating function at one point from the classes' values there, with
// `family` a first guess of the free-spin family's value, replaced by the value itself.
template <typename T>
bool totalAt(const std::array<T, kSpinClasses>& spin, T board, T& family, T& total) {
    std::array<T, kChestClasses> freeSpin{};
    for (int c = 0; c < kSpinClasses; ++c)
        freeSpin[chestClassOf(c)] += spin[c];  // no jolly roger counts in free spins
    if (!familyAt(freeSpin, family)) {
        family = freeSpin[0];
        if (!familyAt(freeSpin, family)) return false;
    }
    const auto features = powers(family, kFreeGames.awarded);
    total = 0;
    for (int c = 0; c < kSpinClasses; ++c)
        total += spin[c] * features[c] * (jackpotOf(c) ? board : T(1));
    return true;
}

// log E[theta^total], or nothing where it does not exist.
bool logTotalAtReal(const Masses& masses, double theta, double& logTotal) {
    const auto at = [theta](const std::vector<double>& mass) {
        double value = 0;
        for (auto m = mass.rbegin(); m != mass.rend(); ++m)
            value = value * theta + *m;
        return value;
    };
    std::array<double, kSpinClasses> spin{};
    for (int c = 0; c < kSpinClasses; ++c)
        spin[c] = at(masses.spin[c]);
    double family = spin[0] + spin[1], total = 0;
    if (!totalAt(spin, at(masses.board), family, total) || !(total > 0)) return false;
    logTotal = std::log(total);
    return true;
}

// P(total >= N) <= E[theta^total] / theta^N for every theta > 1: the shortest power-of-two
// length whose bound is negligible, and the bound itself.
std::size_t transformLength(const Masses& masses, const Frame& frame, double& bound) {
    const double span = frame.cap + 1.0;
    std::size_t best = 0;
    for (int a = 1; a <= 24; ++a) {
        const double logTheta = a / span;  // theta^span = e^a
        double logTotal = 0;
        if (!logTotalAtReal(masses, std::exp(logTheta), logTotal)) continue;
        const double needed = (logTotal - std::log(kNegligible)) / logTheta;
        const auto length = std::max(std::bit_ceil(static_cast<std::size_t>(std::ceil(needed))),
                                     std::bit_ceil(static_cast<std::size_t>(span)));
        const double thisBound = std::exp(logTotal - static_cast<double>(length) * logTheta);
        if (best == 0 || length < best || (length == best && thisBound < bound)) {
            best = length;
            bound = thisBound;
        }
    }
    if (best == 0) throw std::domain_error("the spin total has no usable bound");
    return best;
}

// The masses transformed two at a time, as the real and imaginary parts of one sequence;
// each one's own transform is taken apart point by point.
class Spectra {
public:
    Spectra(const std::vector<const std::vector<double>*>& masses, const Fft& fft)
        : count_(masses.size()), n_(fft.size()) {
        for (std::size_t first = 0; first < count_; first += 2) {
            Spectrum packed(n_);
            for (std::size_t i = 0; i < masses[first]->size(); ++i)
                packed[i].real((*masses[first])[i]);
            if (first + 1 < count_)
                for (std::size_t i = 0; i < masses[first + 1]->size(); ++i)
                    packed[i].imag((*masses[first + 1])[i]);
            fft.forward(packed);
            packed_.push_back(std::move(packed));
        }
    }
    // The transform of mass i at point k.
    Complex at(std::size_t i, std::size_t k) const {
        const Spectrum& packed = packed_[i / 2];
        const Complex mirror = std::conj(packed[k == 0 ? 0 : n_ - k]);
        return i % 2 == 0 ? 0.5 * (packed[k] + mirror) : Complex(0, -0.5) * (packed[k] - mirror);
    }

private:
    std::size_t count_, n_;
    std::vector<Spectrum> packed_;
};

const Fft& planOf(std::size_t length) {
    static std::map<std::size_t, Fft> plans;
    return plans.try_emplace(length, length).first->second;
}

std::vector<double> totalDistribution(const Masses& masses, std::size_t length) {
    std::vector<const std::vector<double>*> present{&masses.board};
    std::vector<int> classes;
    for (int c = 0; c < kSpinClasses; ++c)
        if (!masses.spin[c].empty()) {
            present.push_back(&masses.spin[c]);
            classes.push_back(c);
        }
    const Fft& fft = planOf(length);
    const Spectra spectra(present, fft);
    Spectrum total(length);
    // The distribution is real, so its spectrum mirrors: half the points suffice.
    Complex family = 1;  // the family's value at the last point: at z = 1 it is 1
    for (std::size_t k = 0; k <= length / 2; ++k) {
        std::array<Complex, kSpinClasses> spin{};
        for (std::size_t i = 0; i < classes.size(); ++i)
            spin[classes[i]] = spectra.at(i + 1, k);
        if (!totalAt(spin, spectra.at(0, k), family, total[k]))
            throw std::domain_error("free-spin family did not converge");
        if (k > 0) total[length - k] = std::conj(total[k]);
    }
    fft.inverse(total);
    std::vector<double> distribution(length);
    for (std::size_t i = 0; i < length; ++i)
        distribution[i] = total[i].real();
    return distribution;
}

}  // namespace

Tails spinTotalTails(const std::vector<SpinOutcome>& outcomes, int lines,
                     const std::vector<int>& thresholds) {
    Tails tails;
    tails.unit = lines;
    for (const SpinOutcome& o : outcomes)
        tails.unit = std::gcd(tails.unit, o.win);
    const int unitsPerBet = lines / tails.unit;
    const Frame frame{lines, tails.unit,
                      unitsPerBet * *std::max_element(thresholds.begin(), thresholds.end())};
    const Masses masses = massesOf(outcomes, frame);
    tails.length = transformLength(masses, frame, tails.wrapBound);
    const std::vector<double> distribution = totalDistribution(masses, tails.length);
    for (int threshold : thresholds) {
        double tail = 0;
        for (std::size_t i = static_cast<std::size_t>(unitsPerBet) * threshold;
             i < distribution.size(); ++i)
            tail += distribution[i];
        tails.pAtLeast.push_back(std::clamp(tail, 0.0, 1.0));
    }
    return tails;
}

}  // namespace quorvel::math
