// The tail probabilities of a spin's total against a direct convolution in amount space,
// and the transform they are computed with against the plain sum that defines it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <random>
#include <vector>

#include "engine/jackpot_board.h"
#include "engine/paylines.h"
#include "math/fft.h"
#include "math/par_sheet.h"
#include "math/spin_law.h"
#include "math/spin_tails.h"
#include "math/volatility.h"

namespace {

using namespace quorvel;

// A distribution over amounts 0 .. cap - 1, with index cap holding "cap or more".
using Law = std::vector<double>;

double mass(const Law& law) {
    double total = 0;
    for (double p : law)
        total += p;
    return total;
}

Law convolve(const Law& a, const Law& b) {
    const std::size_t cap = a.size() - 1;
    Law c(cap + 1, 0.0);
    for (std::size_t i = 0; i < cap; ++i)
        for (std::size_t j = 0; i + j < cap; ++j)
            c[i + j] += a[i] * b[j];
    c[cap] = mass(a) * mass(b) - mass(c);
    return c;
}

Law point(std::size_t cap) {
    Law law(cap + 1, 0.0);
    law[0] = 1;
    return law;
}

Law power(const Law& base, int exponent) {
    Law result = point(base.size() - 1);
    for (int i = 0; i < exponent; ++i)
        result = convolve(result, base);
    return result;
}

Law add(Law a, const Law& b) {
    for (std::size_t i = 0; i < a.size(); ++i)
        a[i] += b[i];
    return a;
}

// The total of one free spin and everything it retriggers, by iterating on generations:
// start from a spin that adds nothing, then let each spin add its games, until it settles.
Law family(const std::vector<Law>& freeSpin) {
    Law y = point(freeSpin[0].size() - 1);
    for (int generation = 0; generation < 40; ++generation) {
        Law next = freeSpin[0];
        for (int chests = 3; chests <= 5; ++chests)
            next = add(
                next, convolve(freeSpin[chests - 2], power(y, engine::freeGamesFor(chests, true))));
        double change = 0;
        for (std::size_t i = 0; i < y.size(); ++i)
            change = std::max(change, std::abs(next[i] - y[i]));
        y = next;
        if (change < 1e-18) break;
    }
    return y;
}

std::vector<double> directTails(const math::ParTally& tally, int lines, int machinepay) {
    const int unit = std::gcd(lines, 5);  // every line pay is a multiple of 5 bets per line
    const std::size_t cap = static_cast<std::size_t>(1000 * lines / unit);
    const auto index = [&](int amount) { return std::min<std::size_t>(amount / unit, cap); };
    // Normal spins by chest class (0 below three chests) and whether the board starts.
    std::vector<Law> normal(8, Law(cap + 1, 0.0)), freeSpin(4, Law(cap + 1, 0.0));
    for (const auto& o : math::standingOutcomes(tally, lines, machinepay)) {
        normal[o.spinClass][index(o.win)] += o.p;
        freeSpin[o.spinClass / 2][index(o.win)] += o.p;
    }
    Law board(cap + 1, 0.0);
    for (int position = 1; position <= engine::kBoardPositions; ++position)
        board[index(engine::boardMultiple(engine::boardPrize(position)) * lines)] +=
            1.0 / engine::kBoardPositions;
    const Law y = family(freeSpin);
    Law total(cap + 1, 0.0);
    for (int c = 0; c < 8; ++c) {
        Law part = normal[c];
        if (c / 2 > 0) part = convolve(part, power(y, engine::freeGamesFor(c / 2 + 2, false)));
        if (c % 2 == 1) part = convolve(part, board);
        total = add(total, part);
    }
    std::vector<double> tails;
    for (int threshold : math::kTailThresholds) {
        double tail = 0;
        for (std::size_t i = threshold * lines / unit; i <= cap; ++i)
            tail += total[i];
        tails.push_back(tail);
    }
    return tails;
}

}  // namespace

TEST(ParTails, TransformAgreesWithDirectConvolution) {
    for (const auto& [lines, machinepay] : {std::pair{1, 2}, std::pair{5, 4}}) {
        const auto tally = math::enumerateNormalSpin(lines);
        const auto direct = directTails(tally, lines, machinepay);
        const auto v = math::volatility(tally, lines, machinepay);
        for (std::size_t i = 0; i < direct.size(); ++i) {
            EXPECT_NEAR(v.pAtLeast[i], direct[i], 1e-13 + 1e-9 * direct[i])
                << lines << " lines, at least " << math::kTailThresholds[i];
            if (i > 0) {
                EXPECT_LT(v.pAtLeast[i], v.pAtLeast[i - 1]);
            }
        }
        EXPECT_GT(direct.back(), 0) << "a thousand total bets can be won";
    }
}

TEST(ParTails, TransformIsTheDefiningSum) {
    constexpr std::size_t n = 64;
    std::mt19937 random(3);
    std::uniform_real_distribution<double> value(-1, 1);
    math::Spectrum data(n);
    for (auto& x : data)
        x = {value(random), value(random)};
    const math::Spectrum original = data;
    const math::Fft fft(n);
    fft.forward(data);
    for (std::size_t k = 0; k < n; ++k) {
        std::complex<double> sum = 0;
        for (std::size_t j = 0; j < n; ++j)
            sum += original[j] * std::polar(1.0, -2 * std::numbers::pi * double(j * k) / n);
        EXPECT_NEAR(std::abs(data[k] - sum), 0, 1e-12) << k;
    }
    fft.inverse(data);
    for (std::size_t j = 0; j < n; ++j)
        EXPECT_NEAR(std::abs(data[j] - original[j]), 0, 1e-14) << j;
    EXPECT_THROW(math::Fft(48), std::invalid_argument);
}
