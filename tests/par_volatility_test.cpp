// The exact volatility figures against a seeded Monte Carlo of the game's rules, played
// through the engine's own draw and evaluation.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/jackpot_board.h"
#include "engine/paylines.h"
#include "engine/random_source.h"
#include "engine/reel_window.h"
#include "math/par_sheet.h"
#include "math/volatility.h"

namespace {

using namespace quorvel;

class SeededRandom : public engine::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : generator_(seed) {}
    double next() override { return static_cast<double>(generator_() >> 11) * 0x1.0p-53; }
    void reseedFromClock() override {}

private:
    std::mt19937_64 generator_;
};

// Plays spins the way the game settles them, with the bet per line at 1 cent so that cents
// are bets per line.
class Player {
public:
    Player(int lines, int machinepay, std::uint64_t seed) : machinepay_(machinepay), random_(seed) {
        run_.lines = static_cast<std::int16_t>(lines);
        run_.bet = 1;
    }

    // One normal spin's total: its win, the free spins it starts, the board's bet multiple.
    std::int64_t spin(int& featureSpins) {
        engine::RunState& run = run_;
        run.freespinmode = 0;
        draw();
        std::int64_t total = run.spinwin;
        if (engine::jackpotFeatureStarts(run)) {
            const int position = engine::drawOneTo(random_, engine::kBoardPositions);
            total += engine::boardMultiple(engine::boardPrize(position)) * engine::totalBet(run);
        }
        featureSpins = 0;
        if (!engine::freeSpinsWon(run)) return total;
        int left = engine::freeGamesFor(run.scattercount, false);
        run.freespinmode = -1;
        for (; left > 0; --left, ++featureSpins) {
            draw();
            total += run.spinwin;
            if (engine::freeSpinsWon(run)) left += engine::freeGamesFor(run.scattercount, true);
        }
        return total;
    }

private:
    // Draws until the payout control lets a result stand.
    void draw() {
        engine::RunState& run = run_;
        do {
            engine::resetDrawMarks(run);
            for (int reel = 1; reel <= engine::kReels; ++reel)
                engine::drawReel(run, random_, reel);
            engine::fillLineSums(run);
            engine::evaluateWin(run_);
        } while (!engine::resultStands(run, engine::drawOneTo(random_, machinepay_)));
    }

    int machinepay_;
    SeededRandom random_;
    engine::RunState run_;
};

struct Sample {
    std::vector<std::int64_t> totals;
    std::vector<int> featureLengths;
};

Sample play(int lines, int machinepay, int spins, std::uint64_t seed) {
    Player player(lines, machinepay, seed);
    Sample sample;
    sample.totals.reserve(static_cast<std::size_t>(spins));
    for (int i = 0; i < spins; ++i) {
        int featureSpins = 0;
        sample.totals.push_back(player.spin(featureSpins));
        if (featureSpins > 0) sample.featureLengths.push_back(featureSpins);
    }
    return sample;
}

struct Estimate {
    double mean, sd, meanError, sdError;
};

// Mean and standard deviation with their standard errors; the error of the standard
// deviation comes from the sample's fourth central moment.
template <typename T>
Estimate estimate(const std::vector<T>& values, double scale) {
    const double n = static_cast<double>(values.size());
    double mean = 0;
    for (T v : values)
        mean += static_cast<double>(v) / scale;
    mean /= n;
    double m2 = 0, m4 = 0;
    for (T v : values) {
        const double d = static_cast<double>(v) / scale - mean;
        m2 += d * d;
        m4 += d * d * d * d;
    }
    m2 /= n;
    m4 /= n;
    const double sd = std::sqrt(m2);
    return {mean, sd, sd / std::sqrt(n), std::sqrt((m4 - m2 * m2) / n) / (2 * sd)};
}

constexpr double kZ = 4.5;  // every figure within 4.5 standard errors

void expectAgreement(int lines, int machinepay, int spins, std::uint64_t seed) {
    const auto exact = math::volatility(math::enumerateNormalSpin(lines), lines, machinepay);
    const Sample sample = play(lines, machinepay, spins, seed);

    const Estimate total = estimate(sample.totals, lines);
    EXPECT_NEAR(total.mean, exact.meanBets, kZ * total.meanError);
    EXPECT_NEAR(total.sd, exact.sd, kZ * total.sdError);

    for (std::size_t i = 0; i < math::kTailThresholds.size(); ++i) {
        const std::int64_t at = static_cast<std::int64_t>(math::kTailThresholds[i]) * lines;
        double hits = 0;
        for (std::int64_t t : sample.totals)
            hits += t >= at ? 1 : 0;
        const double p = exact.pAtLeast[i];
        // Binomial error of the exact p; a rare tail gets one hit of slack.
        const double error = std::sqrt(p * (1 - p) / spins);
        EXPECT_NEAR(hits / spins, p, kZ * error + 1.0 / spins) << math::kTailThresholds[i];
    }

    ASSERT_GT(sample.featureLengths.size(), 1000u);
    const Estimate feature = estimate(sample.featureLengths, 1);
    EXPECT_NEAR(feature.mean, exact.featureSpinsMean, kZ * feature.meanError);
    EXPECT_NEAR(feature.sd, exact.featureSpinsSd, kZ * feature.sdError);
}

}  // namespace

TEST(ParVolatility, MatchesMonteCarloAt25LinesRealistic) {
    expectAgreement(25, 4, 2'000'000, 20260612);
}

TEST(ParVolatility, MatchesMonteCarloAtOneLineDreamMachine) {
    expectAgreement(1, 2, 1'000'000, 77);
}

// The expected total reached through the feature's generating functions equals the sheet's
// returns, which were derived separately.
TEST(ParVolatility, MeanIsTheSheetsTotalReturn) {
    for (int lines : {1, 5, 10, 15, 25}) {
        const auto tally = math::enumerateNormalSpin(lines);
        for (int machinepay = 2; machinepay <= 4; ++machinepay) {
            const auto sheet = math::parSheet(tally, lines, machinepay);
            const auto v = math::volatility(tally, lines, machinepay);
            const double total = sheet.baseRtp + sheet.freespinRtp + sheet.jackpotMultipleRtp;
            EXPECT_NEAR(v.meanBets, total, 1e-12 * total) << lines << " " << machinepay;
            EXPECT_LT(v.wrapBound, 1e-15);
            EXPECT_GT(v.sd, 0);
            // A looser control lets more big wins stand: the spread grows.
            if (machinepay > 2) {
                EXPECT_LT(v.sd, math::volatility(tally, lines, machinepay - 1).sd) << lines;
            }
        }
    }
}
