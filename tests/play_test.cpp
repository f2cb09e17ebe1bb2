#include <gtest/gtest.h>

#include "tools/sim/play_session.h"

using namespace quorvel::sim;

namespace {

Ledger run(GamblePolicy policy, int machinepay, long long spins, std::uint64_t seed,
           bool chaos = false) {
    PlayOptions options;
    options.spins = spins;
    options.seed = seed;
    options.machinepay = machinepay;
    options.gamble = policy;
    options.chaos = chaos;
    return play(options);
}

}  // namespace

TEST(PlayLedger, EveryPolicyAndPayoutSettingBalancesToTheCent) {
    for (GamblePolicy policy : {GamblePolicy::Never, GamblePolicy::Take, GamblePolicy::Red,
                                GamblePolicy::Black, GamblePolicy::Suit}) {
        for (int machinepay : {2, 3, 4}) {
            const Ledger l = run(policy, machinepay, 3000, 11 + machinepay);
            SCOPED_TRACE(l.text());
            EXPECT_EQ(l.imbalance(), 0);
            EXPECT_EQ(l.games, 3000) << "the run stops at the spins asked for";
            EXPECT_EQ(l.wager, 3000 * 25);
            EXPECT_GT(l.invested, 0);
            EXPECT_GE(l.bankEnd, 0);
            EXPECT_GT(l.freespinFeatures, 0);
            EXPECT_GT(l.freespinsPlayed, 10 * l.freespinFeatures - 1);
            EXPECT_GT(l.jackpotFeatures, 0);
            if (policy == GamblePolicy::Never) {
                EXPECT_EQ(l.gambles, 0);
            } else {
                EXPECT_GT(l.gambles, 0);
            }
            if (policy == GamblePolicy::Take || policy == GamblePolicy::Never)
                EXPECT_EQ(l.gambleLost, 0);
            else
                EXPECT_GT(l.gambleLost, 0);
        }
    }
}

TEST(PlayLedger, TheSameSeedPlaysTheSameRun) {
    const Ledger a = run(GamblePolicy::Suit, 3, 2000, 5);
    const Ledger b = run(GamblePolicy::Suit, 3, 2000, 5);
    auto first = a.json();
    auto second = b.json();
    first.erase("wall_seconds");
    second.erase("wall_seconds");
    EXPECT_EQ(first, second);
    EXPECT_NE(a.bankEnd, run(GamblePolicy::Suit, 3, 2000, 6).bankEnd);
}

TEST(PlayLedger, ChaosWithRestartsKeepsTheStoredBooksBalanced) {
    for (std::uint64_t seed : {1u, 2u, 3u}) {
        const Ledger l = run(GamblePolicy::Never, 4, 1500, seed, true);
        SCOPED_TRACE(l.text());
        EXPECT_EQ(l.imbalance(), 0);
        EXPECT_GE(l.games, 1500);
        EXPECT_GT(l.restarts, 10) << "the program was closed and started again";
        EXPECT_GT(l.inputInHandlers, 100) << "input also landed inside the turns";
        EXPECT_GE(l.bankEnd, 0);
    }
}

TEST(PlayLedger, ABookThatDoesNotBalanceIsCaught) {
    PlayOptions options;
    options.spins = 10;
    PlaySession session(options);
    EXPECT_NO_THROW(session.checkBooks("as started"));
    // A cent from nowhere in a slot the session is not playing is still caught.
    session.platform().store.write("quorvel", "player4", "bank", "1");
    EXPECT_THROW(session.checkBooks("after a cent appeared"), BrokenRule);
}
