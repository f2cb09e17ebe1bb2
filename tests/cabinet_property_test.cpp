// The cabinet alone, driven by long random sequences of moves at random moments, legal or
// not: the books balance after every move and a refused move changes nothing.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "engine/cabinet.h"
#include "engine/cards.h"

namespace quorvel {
namespace {

using engine::Cabinet;
using engine::GambleBet;
using engine::Refusal;

class SeededRandom : public engine::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double next() override { return std::uniform_real_distribution<double>(0.0, 1.0)(engine_); }
    void reseedFromClock() override {}

private:
    std::mt19937_64 engine_;
};

struct Player {
    Cabinet& c;
    SeededRandom& random;
    std::mt19937& pick;
    std::int64_t now = 0;

    int any(int n) { return std::uniform_int_distribution<int>(0, n - 1)(pick); }
    GambleBet anyBet() { return static_cast<GambleBet>(any(3)); }
    // Input still queued at the close must move nothing; the next start resumes what was kept.
    void closeAndStartAgain() {
        c.shutDown(++now);
        const engine::CabinetState closed = c.state();
        for (int which = 0; which < 17; ++which)
            EXPECT_TRUE(move(which)) << "move " << which << " after the close";
        EXPECT_EQ(c.state(), closed);
        const engine::RunState run = c.run();
        const engine::PlayState play = c.play();
        c.restoreProfile(c.player());
        c.resumePlay(run, play);
    }
    // Every move a player, a timer or a damaged order of events could make; each says
    // whether the cabinet refused it.
    bool move(int which) {
        switch (which) {
            case 0:
                return c.startSpin() != Refusal::None;
            case 1:
                return !c.drawSpin(random).ok();
            case 2:
                return !c.settleSpin(++now).ok();
            case 3:
                return c.endSpin() != Refusal::None;
            case 4:
                return c.beginJackpot() != Refusal::None;
            case 5:
                return !c.boardStart(random).ok();
            case 6:
                return c.boardStop(random) != Refusal::None;
            case 7:
                return c.decideJackpotPrize() != Refusal::None;
            case 8:
                return !c.payJackpot().ok();
            case 9:
                return c.openGamble() != Refusal::None;
            case 10:
                return !c.guess(anyBet(), any(engine::kSuits + 1), random).ok();
            case 11:
                return !c.settleGuess().ok();
            case 12:
                return !c.takeGamble().ok();
            case 13:
                return !c.collectFeature().ok();
            case 14:
                return c.insertCoin() != Refusal::None;
            case 15:
                return !c.stepLines().ok();
            case 16:
                return !c.stepBet().ok();
            default:
                closeAndStartAgain();
                return false;
        }
    }
};

constexpr int kMoves = 18;

TEST(CabinetProperty, AnyOrderOfMovesKeepsTheBooksAndARefusalChangesNothing) {
    constexpr int kSeeds = 40;
    constexpr int kMovesPerSeed = 3000;
    int refused = 0, features = 0, boards = 0, gambles = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Cabinet c;
        engine::PlayerValues profile;
        profile.machinepay = static_cast<std::int16_t>(1 + seed % 4);
        c.restoreProfile(profile);
        c.startRun();
        c.insertCoin();
        SeededRandom random(seed);
        std::mt19937 pick(seed * 7919);
        Player player{c, random, pick};
        std::string trail;
        for (int n = 0; n < kMovesPerSeed; ++n) {
            // Spins' own steps come often, so play reaches its features.
            const int which =
                player.any(3) == 0 ? player.any(4) : player.any(kMoves - 1 + (n % 500 == 0));
            const engine::CabinetState before = c.state();
            const engine::Books books = c.books();
            const bool wasRefused = player.move(which);
            trail += std::to_string(which) + (wasRefused ? "x " : " ");
            if (trail.size() > 120) trail.erase(0, trail.size() - 120);
            if (wasRefused) {
                ++refused;
                ASSERT_EQ(c.state(), before)
                    << "move " << which << " was refused but changed the state";
                ASSERT_EQ(c.books().gambles, books.gambles);
            }
            ASSERT_EQ(c.unexplained(), 0) << "after move " << which << " (#" << n << "): " << trail;
            const auto phase = static_cast<int>(c.phase());
            ASSERT_TRUE(phase >= 0 && phase <= static_cast<int>(engine::Phase::Reveal));
            if (c.player().bank < 100) c.insertCoin();
        }
        features += static_cast<int>(c.books().freeSpinFeatures);
        boards += static_cast<int>(c.books().jackpotFeatures);
        gambles += static_cast<int>(c.books().gambles);
    }
    // The walk reached every feature and refused plenty: it proved something.
    EXPECT_GT(refused, 10'000);
    EXPECT_GT(features, 5);
    EXPECT_GT(boards, 0);
    EXPECT_GT(gambles, 100);
}

}  // namespace
}  // namespace quorvel
