#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using Strings = std::vector<std::string>;

namespace {

struct Jackpot : GameTest {
    // The feature's two draws: where the ball starts, then where it stops.
    void play(int startPosition, int stopPosition, int credit = 1000) {
        startWithCredit(credit);
        queueSpin(kJackpotStops, 1);
        p.random.queueDraw(startPosition, 16);
        p.random.queueDraw(stopPosition, 16);
        spinButton();
    }
    bool paid() {
        return p.runUntil(
            [&] {
                return !p.clock.enabled("tmrshowjackpot") && counters.ball.showticks == 0 &&
                       !p.clock.enabled("tmrbell") && !p.clock.enabled("tmrdecidejackpot");
            },
            60'000);
    }
};

}  // namespace

TEST_F(Jackpot, TheBallRunsTwoLapsSlowsAndPaysItsPrize) {
    play(16, 1);
    EXPECT_TRUE(p.clock.enabled("tmrbell"));
    EXPECT_EQ(counters.ball.ballpos, 16);
    EXPECT_FALSE(enabled("btnoptions"));
    EXPECT_FALSE(enabled("btnopenmenu"));
    EXPECT_EQ(player.bank, 975);

    // The intro: the board slides down from tick 30 of the game clock to tick 50.
    ASSERT_TRUE(p.runUntil([&] { return w.at("jackpotframe").visible(); }, 10'000));
    EXPECT_EQ(w.at("jackpotframe").left(), 930);
    ASSERT_TRUE(p.runUntil([&] { return p.clock.enabled("tmrdecidejackpot"); }, 10'000));
    EXPECT_EQ(w.at("jackpotframe").top(), 50 * 123 - 5450);
    EXPECT_FALSE(shown("panfreespin"));

    // From 16 the first step goes on to 1 at once and starts the full lap.
    p.runFor(100);
    EXPECT_EQ(counters.ball.ballpos, 1);
    EXPECT_EQ(counters.ball.balllaps, 1);
    EXPECT_EQ(w.at("jackpotball11").left(), -50);
    ASSERT_TRUE(p.runUntil([&] { return counters.ball.ballslowing == 1; }, 10'000));
    EXPECT_EQ(run.ballstop, 1) << "the first slowing step ends on the stop";
    EXPECT_EQ(run.jackpotprize, 500);
    ASSERT_TRUE(p.runUntil([&] { return p.clock.enabled("tmrshowjackpot"); }, 1000));
    p.runFor(150);
    EXPECT_TRUE(shown("lbljackpotwon"));
    EXPECT_EQ(text("lbljackpotwon"), "BET X 20  = 500");
    EXPECT_EQ(text("LABWIN"), "500");

    ASSERT_TRUE(paid());
    EXPECT_EQ(player.bank, 1475);
    EXPECT_EQ(player.jackpotbank, 0) << "a bet multiple is not a jackpot";
    EXPECT_EQ(player.totalwon, 0);
    EXPECT_EQ(q.books().betMultiplePrizes, 500);
    EXPECT_FALSE(shown("jackpotframe"));
    EXPECT_TRUE(shown("panfreespin"));
    EXPECT_TRUE(enabled("btnoptions"));
    EXPECT_EQ(stored("bank"), "1475");
}

TEST_F(Jackpot, AWonMeterIsPaidCountedAndStartsAgainFromItsFloor) {
    store("grand", "2345678", "allslot");
    play(5, 4);
    ASSERT_TRUE(paid());
    EXPECT_EQ(player.grandwon, 1);
    EXPECT_EQ(player.bank, 975 + 2345728) << "the meter grew by 50 on the triggering spin";
    EXPECT_EQ(player.jackpotbank, 2345728);
    EXPECT_EQ(player.grand, 2'000'000);
    EXPECT_EQ(text("lblgrand"), "$ 20000");
    EXPECT_EQ(w.at("jackpotpicture").picture().source, "jackpotwin");
    EXPECT_GE(w.at("jackpotpicture").picture().index, 7);
}

TEST_F(Jackpot, ABetMultipleEqualToAMeterIsStillABetMultiple) {
    store("minor", "2980", "allslot");  // 3000 after the spin's growth
    startWithCredit(10'000);
    for (int press = 0; press < 4; ++press) {
        down("payline");  // 1, 5, 10, 15 lines
        up("payline");
    }
    for (int press = 0; press < 5; ++press) {
        down("btnbet");  // 2, 3, 5, 10, 20 a line
        up("btnbet");
    }
    ASSERT_EQ(run.bet * run.lines, 300);
    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(1, 16);
    p.random.queueDraw(2, 16);  // a ten-times-the-bet tile
    spinButton();
    ASSERT_EQ(player.minor, 3000);
    ASSERT_TRUE(paid());
    EXPECT_EQ(text("LABWIN"), "3000");
    EXPECT_EQ(w.at("lbljackpotwon").caption(), "BET X 10  = 3000");
    EXPECT_EQ(player.minor, 3000) << "the meter was not won";
    EXPECT_EQ(player.minorwon, 0);
    EXPECT_EQ(player.jackpotbank, 0);
    EXPECT_EQ(player.bank, 10'000 - 300 + 3000);
}

TEST_F(Jackpot, AutoplayResumesOnlyAfterThePayment) {
    p.store.write("quorvel", "notice", "autoplay", "-1");
    startWithCredit(1000);
    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(3, 16);
    p.random.queueDraw(9, 16);
    queueSpin(kLosingStops);
    down("autoplayon");
    EXPECT_FALSE(p.clock.enabled("tmrautospin"));
    ASSERT_TRUE(paid());
    EXPECT_EQ(player.games, 1);
    EXPECT_TRUE(p.clock.enabled("tmrautospin"));
    ASSERT_TRUE(p.runUntil([&] { return player.games == 2; }, 5000));
}

TEST_F(Jackpot, TheIntroRingsTheBellOncePerAnimationLoop) {
    store("soundonoff", "-1");
    play(8, 8);
    sounds();
    ASSERT_TRUE(p.runUntil([&] { return p.clock.enabled("tmrdecidejackpot"); }, 10'000));
    const auto rung = sounds();
    EXPECT_GE(std::count(rung.begin(), rung.end(), "131"), 5);
    p.runFor(100);
    ASSERT_FALSE(p.sound.calls().empty());
    EXPECT_EQ(p.sound.calls().back().kind, platform::headless::RecordingSound::Kind::Loop);
    EXPECT_EQ(p.sound.calls().back().name, "RESOURCE_ID_123");
}
