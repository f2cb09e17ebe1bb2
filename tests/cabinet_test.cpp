// The rules and the money without a window: the cabinet alone, driven move by move, with the
// books' identity checked after every one of them.
#include <gtest/gtest.h>

#include "engine/cabinet.h"
#include "engine/cards.h"

#include <limits>
#include "game_fixture.h"

namespace quorvel {
namespace {

using engine::BoardPrize;
using engine::Cabinet;
using engine::GambleBet;
using engine::Phase;
using namespace testing_support;

struct CabinetRules : ::testing::Test {
    platform::headless::VirtualTime clock;
    platform::headless::ScriptedRandom random{clock, 7};
    Cabinet c;

    void SetUp() override {
        engine::PlayerValues profile;
        profile.grand = 2'000'000;
        profile.major = 200'000;
        profile.minor = 2'000;
        c.restoreProfile(profile);
        c.startRun();
        c.insertCoin();
        balanced("a coin");
    }
    void balanced(const std::string& after) { EXPECT_EQ(c.unexplained(), 0) << "after " << after; }
    engine::DrawVerdict draw(std::array<int, 5> stops, int reel3 = 2, int payout = 1) {
        queueSpinDraws(random, stops, reel3, payout);
        c.resetDrawMarks();
        for (int reel = 1; reel <= engine::kReels; ++reel)
            c.drawReel(random, reel);
        const engine::DrawVerdict verdict = c.evaluateDraw(random);
        balanced("a draw");
        return verdict;
    }
    // A normal spin up to its drawn, standing result.
    void spin(std::array<int, 5> stops, int reel3 = 2) {
        ASSERT_TRUE(c.fixStake());
        c.clearFeatureTotals();
        c.clearSpinMarks();
        ASSERT_TRUE(draw(stops, reel3).stands);
        EXPECT_EQ(c.phase(), Phase::Spin);
    }
    void settle() {
        c.settleSpin();
        c.recordGame(0);
        balanced("a settled spin");
    }
};

TEST_F(CabinetRules, ADiscardedDrawIsPutBackAsIfItNeverHappened) {
    ASSERT_TRUE(c.fixStake());
    const engine::PlayerValues before = c.player();
    // 1000 is far above twice the total bet: it stands only on a payout draw of 1.
    const engine::DrawVerdict discarded = draw(kThousandStops, 2, 2);
    EXPECT_FALSE(discarded.stands);
    EXPECT_EQ(discarded.evaluatedWin, 1000);
    EXPECT_EQ(c.player().bank, before.bank);
    EXPECT_EQ(c.player().wager, before.wager);
    EXPECT_EQ(c.player().games, before.games);
    EXPECT_EQ(c.player().totalwon, before.totalwon);
    EXPECT_EQ(c.phase(), Phase::Idle);

    ASSERT_TRUE(draw(kTenCentStops).stands);
    EXPECT_EQ(c.player().bank, 5000 - 25) << "charged once";
    settle();
    EXPECT_EQ(c.player().bank, 5000 - 25 + 10);
    EXPECT_EQ(c.player().games, 1);
    ASSERT_EQ(c.player().history.games().size(), 1u);
    EXPECT_EQ(c.player().history.games().front().bankBefore, 5000);
    EXPECT_EQ(c.phase(), Phase::Idle);
}

TEST_F(CabinetRules, AFreeSpinFeatureWithARetriggerPaysItsWholeTotalOnce) {
    spin(kThreeChestStops);
    c.triggerFreeSpins();
    balanced("the trigger");
    c.enterFreeSpins();
    c.awardFreeSpins(true);
    EXPECT_EQ(c.phase(), Phase::FreeSpins);
    const int first = c.run().freespintarget;
    EXPECT_GT(first, 0);
    EXPECT_TRUE(c.bookFreeSpin().retriggered) << "the triggering spin opens the feature";
    c.recordGame(0);
    balanced("the trigger's booking");

    std::int64_t total = 125;
    bool retriggered = false;
    for (int spins = 0; spins < 100; ++spins) {
        const bool retrigger = spins == 3;
        ASSERT_TRUE(draw(retrigger ? kThreeChestStops : kTenCentStops).stands);
        EXPECT_EQ(c.player().games, 1) << "free spins are never charged";
        total += c.run().spinwin;
        if (retrigger) {
            c.triggerFreeSpins();
            c.awardFreeSpins(false);
            retriggered = true;
            balanced("a retrigger");
        }
        const engine::FreeSpinBooking booking = c.bookFreeSpin();
        balanced("a free spin");
        EXPECT_EQ(c.player().featureowed, c.run().featurewin) << "the total is owed as it grows";
        if (booking.finished) break;
    }
    ASSERT_TRUE(retriggered);
    EXPECT_EQ(c.run().freespinsplayed, c.run().freespintarget);
    EXPECT_GT(c.run().freespintarget, first) << "the retrigger added spins";
    c.endFreeSpins();
    EXPECT_EQ(c.phase(), Phase::TotalWaiting);
    EXPECT_EQ(c.run().featurewin, total);

    const std::int32_t bank = c.player().bank;
    c.collectFeature();
    balanced("the collection");
    EXPECT_EQ(c.player().bank, bank + total);
    EXPECT_EQ(c.player().featureowed, 0);
    EXPECT_EQ(c.player().history.games().front().freeSpinTotal, total);
    EXPECT_EQ(c.phase(), Phase::Idle);
}

TEST_F(CabinetRules, EveryBoardPrizeIsPaidByWhereTheBallStops) {
    // Positions of each prize kind on the board: x20, x10, grand, minor, x30, major.
    for (int stop : {1, 2, 4, 6, 8, 13}) {
        SCOPED_TRACE("stop " + std::to_string(stop));
        spin(kJackpotStops, 1);
        c.beginJackpot();
        EXPECT_EQ(c.phase(), Phase::Spin) << "the spin's own win comes first";
        settle();
        EXPECT_EQ(c.phase(), Phase::Jackpot);
        random.queueDraw(5, 16);
        EXPECT_EQ(c.drawBallStart(random), 5);
        random.queueDraw(stop, 16);
        c.drawBallStop(random);
        c.decideJackpotPrize();
        balanced("the decision");
        const BoardPrize prize = engine::boardPrize(stop);
        const engine::MeterRule* meter = engine::meterRule(prize);
        const std::int32_t expected =
            meter ? c.player().*meter->amount : engine::boardMultiple(prize) * c.totalBet();
        EXPECT_EQ(c.run().jackpotprize, expected);
        const std::int32_t bank = c.player().bank;
        EXPECT_EQ(c.payJackpot().has_value(), meter != nullptr);
        EXPECT_FALSE(c.payJackpot().has_value()) << "paid once";
        balanced("the prize");
        EXPECT_EQ(c.player().bank, bank + expected);
        if (meter) {
            EXPECT_EQ(c.player().*meter->amount, meter->floor);
        }
        EXPECT_EQ(c.phase(), Phase::Idle);
    }
    EXPECT_EQ(c.player().grandwon + c.player().majorwon + c.player().minorwon, 3);
    EXPECT_EQ(c.books().jackpotFeatures, 6);
}

TEST_F(CabinetRules, EachGambleEndingKeepsTheBooks) {
    struct Ending {
        std::vector<GambleBet> guesses;
        std::vector<int> cards;
        bool take;
        std::int32_t credited;
    };
    // Won on red then taken (double); lost on black; taken at once; won on a suit, taken.
    for (const Ending& e :
         {Ending{{GambleBet::Red}, {engine::hearts}, true, 20},
          Ending{{GambleBet::Black}, {engine::diamonds}, false, 0}, Ending{{}, {}, true, 10},
          Ending{{GambleBet::Suit}, {engine::clubs}, true, 40}}) {
        spin(kTenCentStops);
        settle();
        const std::int32_t bank = c.player().bank;
        c.openGamble();
        balanced("the opening");
        EXPECT_EQ(c.phase(), Phase::Gamble);
        EXPECT_EQ(c.player().bank, bank - 10);
        for (std::size_t i = 0; i < e.guesses.size(); ++i) {
            random.queueDraw(e.cards[i], engine::kSuits);
            c.guess(e.guesses[i], engine::clubs, random);
            EXPECT_EQ(c.phase(), Phase::Reveal);
            balanced("a card drawn");
            c.settleGuess();
            balanced("a guess settled");
        }
        if (e.take) c.takeGamble();
        balanced("the end of the gamble");
        EXPECT_EQ(c.player().bank, bank - 10 + e.credited);
        EXPECT_EQ(c.phase(), Phase::Idle);
        EXPECT_EQ(c.player().history.games().front().gamble, e.take ? "taken" : "lost");
    }
    EXPECT_EQ(c.player().gamblelost, 10);
}

// Closing the game while a card turns cannot undo its outcome.
TEST_F(CabinetRules, ShutDownSettlesACardBeingRevealedByItsDraw) {
    for (const auto& [card, credited] : {std::pair{engine::clubs, 0}, {engine::hearts, 20}}) {
        spin(kTenCentStops);
        settle();
        const std::int32_t bank = c.player().bank;
        c.openGamble();
        random.queueDraw(card, engine::kSuits);
        c.guess(GambleBet::Red, 0, random);
        c.settleForShutDown(random, 0);
        balanced("the shut-down");
        EXPECT_EQ(c.player().bank, bank - 10 + credited) << "card " << card;
        EXPECT_EQ(c.phase(), Phase::Idle);
    }
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Statistics at their width limit: a result the books cannot take is drawn again, and a full
// wager takes no more spins; either way the identity holds.
TEST_F(CabinetRules, StatisticsAtTheirLimitNeverLeaveTheBooksUnexplained) {
    engine::PlayerValues full = c.player();
    full.totalwon = std::numeric_limits<std::int32_t>::max() - 5;
    full.wager = full.totalwon - 1000;
    full.amountinvested = 4000;
    full.bank = 5000;
    c.restoreProfile(full);
    balanced("a full profile");
    ASSERT_TRUE(c.fixStake());
    EXPECT_FALSE(draw(kTenCentStops, 2, 0).stands) << "a win of 10 no longer fits the total won";
    EXPECT_EQ(c.player().games, 0);
    ASSERT_TRUE(draw(kLosingStops).stands);
    settle();

    full = c.player();
    full.wager = std::numeric_limits<std::int32_t>::max() - 10;
    full.amountinvested = full.bank + full.wager - full.totalwon;
    c.restoreProfile(full);
    balanced("a full wager");
    EXPECT_FALSE(c.fixStake()) << "no room for another 25 wagered";
}

}  // namespace
}  // namespace quorvel
