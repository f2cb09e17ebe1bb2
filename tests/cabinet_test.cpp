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
using engine::Refusal;
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
        const engine::Move<engine::DrawVerdict> drawn = c.drawSpin(random);
        EXPECT_TRUE(drawn.ok());
        balanced("a draw");
        return drawn.outcome;
    }
    // A spin up to its drawn, standing result.
    void spin(std::array<int, 5> stops, int reel3 = 2) {
        ASSERT_EQ(c.startSpin(), Refusal::None);
        ASSERT_TRUE(draw(stops, reel3).stands);
    }
    engine::SpinSettlement settle() {
        const engine::Move<engine::SpinSettlement> settled = c.settleSpin(0);
        EXPECT_TRUE(settled.ok());
        EXPECT_EQ(c.endSpin(), Refusal::None);
        balanced("a settled spin");
        return settled.outcome;
    }
};

TEST_F(CabinetRules, ADiscardedDrawIsPutBackAsIfItNeverHappened) {
    ASSERT_EQ(c.startSpin(), Refusal::None);
    const engine::PlayerValues before = c.player();
    // 1000 is far above twice the total bet: it stands only on a payout draw of 1.
    const engine::DrawVerdict discarded = draw(kThousandStops, 2, 2);
    EXPECT_FALSE(discarded.stands);
    EXPECT_EQ(discarded.evaluatedWin, 1000);
    EXPECT_EQ(c.player().bank, before.bank);
    EXPECT_EQ(c.player().wager, before.wager);
    EXPECT_EQ(c.player().games, before.games);
    EXPECT_EQ(c.player().totalwon, before.totalwon);
    EXPECT_EQ(c.phase(), Phase::Spin) << "the spin draws again";

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
    const engine::SpinSettlement trigger = settle();
    EXPECT_TRUE(trigger.triggered && trigger.fromNormalPlay);
    EXPECT_TRUE(trigger.booking.retriggered) << "the triggering spin opens the feature";
    EXPECT_EQ(c.phase(), Phase::FreeSpins);
    const int first = c.run().freespintarget;
    EXPECT_GT(first, 0);
    EXPECT_EQ(c.startSpin(), Refusal::None) << "a free spin is due";
    EXPECT_EQ(c.startSpin(), Refusal::NotNow) << "but not inside another";

    std::int64_t total = 125;
    bool retriggered = false;
    for (int spins = 0; spins < 100; ++spins) {
        if (spins > 0) {
            ASSERT_EQ(c.startSpin(), Refusal::None);
        }
        const bool retrigger = spins == 3;
        ASSERT_TRUE(draw(retrigger ? kThreeChestStops : kTenCentStops).stands);
        EXPECT_EQ(c.player().games, 1) << "free spins are never charged";
        total += c.run().spinwin;
        const engine::SpinSettlement settled = settle();
        retriggered = retriggered || settled.triggered;
        EXPECT_EQ(c.player().featureowed, c.run().featurewin) << "the total is owed as it grows";
        if (settled.booking.finished) break;
    }
    ASSERT_TRUE(retriggered);
    EXPECT_EQ(c.run().freespinsplayed, c.run().freespintarget);
    EXPECT_GT(c.run().freespintarget, first) << "the retrigger added spins";
    EXPECT_EQ(c.phase(), Phase::TotalWaiting);
    EXPECT_EQ(c.startSpin(), Refusal::NotNow) << "the total waits for collection";
    EXPECT_EQ(c.run().featurewin, total);

    const std::int32_t bank = c.player().bank;
    EXPECT_TRUE(c.collectFeature().ok());
    EXPECT_FALSE(c.collectFeature().ok()) << "collected once";
    balanced("the collection");
    EXPECT_EQ(c.player().bank, bank + total);
    EXPECT_EQ(c.player().featureowed, 0);
    EXPECT_EQ(c.player().history.games().front().freeSpinTotal, total);
    EXPECT_EQ(c.phase(), Phase::Idle);
    EXPECT_TRUE(c.gambleOffered()) << "the collected total may be gambled";
}

TEST_F(CabinetRules, EveryBoardPrizeIsPaidByWhereTheBallStops) {
    // Positions of each prize kind on the board: x20, x10, grand, minor, x30, major.
    for (int stop : {1, 2, 4, 6, 8, 13}) {
        SCOPED_TRACE("stop " + std::to_string(stop));
        spin(kJackpotStops, 1);
        EXPECT_EQ(c.beginJackpot(), Refusal::None);
        EXPECT_EQ(c.beginJackpot(), Refusal::NotNow) << "one board a spin";
        EXPECT_EQ(c.phase(), Phase::Spin) << "the spin's own win comes first";
        settle();
        EXPECT_EQ(c.phase(), Phase::Jackpot);
        EXPECT_EQ(c.startSpin(), Refusal::NotNow) << "no spin while the board runs";
        EXPECT_EQ(c.decideJackpotPrize(), Refusal::NotNow) << "the ball has not stopped";
        random.queueDraw(5, 16);
        EXPECT_EQ(c.boardStart(random).outcome, 5);
        random.queueDraw(stop, 16);
        EXPECT_EQ(c.boardStop(random), Refusal::None);
        EXPECT_EQ(c.boardStop(random), Refusal::NotNow) << "the stop is drawn once";
        EXPECT_EQ(c.decideJackpotPrize(), Refusal::None);
        balanced("the decision");
        const BoardPrize prize = engine::boardPrize(stop);
        const engine::MeterRule* meter = engine::meterRule(prize);
        const std::int32_t expected =
            meter ? c.player().*meter->amount : engine::boardMultiple(prize) * c.totalBet();
        EXPECT_EQ(c.run().jackpotprize, expected);
        const std::int32_t bank = c.player().bank;
        EXPECT_EQ(c.payJackpot().outcome.has_value(), meter != nullptr);
        EXPECT_FALSE(c.payJackpot().ok()) << "paid once";
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
        EXPECT_EQ(c.openGamble(), Refusal::None);
        EXPECT_EQ(c.openGamble(), Refusal::NotNow) << "one gamble a win";
        balanced("the opening");
        EXPECT_EQ(c.phase(), Phase::Gamble);
        EXPECT_EQ(c.player().bank, bank - 10);
        for (std::size_t i = 0; i < e.guesses.size(); ++i) {
            random.queueDraw(e.cards[i], engine::kSuits);
            c.guess(e.guesses[i], e.guesses[i] == GambleBet::Suit ? engine::clubs : 0, random);
            EXPECT_EQ(c.phase(), Phase::Reveal);
            EXPECT_FALSE(c.takeGamble().ok()) << "not while the card turns";
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
        c.shutDown(0);
        balanced("the shut-down");
        EXPECT_EQ(c.player().bank, bank - 10 + credited) << "card " << card;
        EXPECT_EQ(c.phase(), Phase::Idle);
        c.restoreProfile(c.player());
    }
}

}  // namespace
}  // namespace quorvel

namespace quorvel {
namespace {

// Statistics at their width limit: a spin whose result the books could not take is refused
// before it is charged, and a full wager takes no more spins; either way the identity holds.
TEST_F(CabinetRules, StatisticsAtTheirLimitNeverLeaveTheBooksUnexplained) {
    engine::PlayerValues full = c.player();
    full.totalwon = std::numeric_limits<std::int32_t>::max() - 5;
    full.wager = full.totalwon - 1000;
    full.amountinvested = 4000;
    full.bank = 5000;
    c.restoreProfile(full);
    balanced("a full profile");
    const engine::CabinetState before = c.state();
    EXPECT_EQ(c.startSpin(), Refusal::BooksFull);
    EXPECT_EQ(c.state(), before) << "refused before anything is charged";

    full = c.player();
    full.wager = std::numeric_limits<std::int32_t>::max() - 10;
    full.amountinvested = full.bank + full.wager - full.totalwon;
    c.restoreProfile(full);
    balanced("a full wager");
    EXPECT_EQ(c.startSpin(), Refusal::NoCredit) << "no room for another 25 wagered";
}

}  // namespace
}  // namespace quorvel
