#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

// Whatever is in play when the program is closed reaches the credit before it is stored.
struct ShutDownInPlay : GameTest {
    void close() {
        p.closeRequest(w);
        p.runFor(0);
        ASSERT_TRUE(q.ended());
    }
    long storedBank() { return std::stol(stored("bank")); }
};

}  // namespace

TEST_F(ShutDownInPlay, AnOpenGambleIsTakenFirst) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    up("doublebutton");
    p.random.queueDraw(1, 4);
    click("betred");
    ASSERT_EQ(run.atrisk, 20);
    close();
    EXPECT_EQ(storedBank(), 975 + 20);
    EXPECT_EQ(stored("total"), "20") << "the spin's 10 and the 10 the gamble added";
}

// A close never costs more than a crash: free spins still to play, and a ball that has not
// stopped, are kept as a kill would leave them and go on at the next start.
TEST_F(ShutDownInPlay, RunningFreeSpinsAndARunningBallAreKeptForTheNextStart) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    queueSpin(kTwoChestStops);
    for (int i = 0; i < 9; ++i)
        queueSpin(kLosingStops);
    spinButton();
    ASSERT_TRUE(p.runUntil([&] { return run.freespinsplayed == 3; }, 60'000));
    ASSERT_EQ(run.featurewin, 150);
    const int target = run.freespintarget;
    close();
    EXPECT_EQ(storedBank(), 975) << "the total is still owed, not paid";
    EXPECT_EQ(stored("featureowed"), "150");

    platform::headless::HeadlessPlatform next;
    next.store = p.store;
    screen::Quorvel again(next.services());
    for (int i = 0; i < 30; ++i)
        queueSpinDraws(next.random, kLosingStops);
    again.Form_Load();
    ASSERT_EQ(next.messages.shown().size(), 1u);
    EXPECT_EQ(next.messages.shown()[0].text, "Your interrupted game has been restored.");
    EXPECT_EQ(again.cabinet().phase(), engine::Phase::FreeSpins);
    EXPECT_EQ(again.run().freespinsplayed, 3);
    ASSERT_TRUE(next.runUntil([&] { return again.window().at("takewin").visible(); }, 600'000));
    EXPECT_EQ(again.run().freespinsplayed, target) << "every spin left was played";
    next.click(again.window(), "takewin");
    next.runFor(0);
    EXPECT_EQ(again.player().bank, 975 + 150);
    EXPECT_EQ(again.cabinet().unexplained(), 0);
}

TEST_F(ShutDownInPlay, ATotalWaitingForCollectionIsCollected) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    for (int i = 0; i < 10; ++i)
        queueSpin(kLosingStops);
    spinButton();
    ASSERT_TRUE(p.runUntil([&] { return shown("takewin"); }, 120'000));
    close();
    EXPECT_EQ(storedBank(), 1100);
}

TEST_F(ShutDownInPlay, AJackpotStillInItsIntroRunsAgainAtTheNextStart) {
    store("minor", "4980", "allslot");
    startWithCredit(1000);
    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(3, 16);  // where the ball starts
    spinButton();
    p.runFor(1000);
    ASSERT_TRUE(p.clock.enabled("tmrbell"));
    close();
    EXPECT_EQ(storedBank(), 975) << "no prize decided unseen";
    EXPECT_EQ(stored("minorwon"), "0");

    platform::headless::HeadlessPlatform next;
    next.store = p.store;
    screen::Quorvel again(next.services());
    next.random.queueDraw(5, 16);   // the ball starts again
    next.random.queueDraw(11, 16);  // and stops on the minor meter
    again.Form_Load();
    EXPECT_EQ(again.cabinet().phase(), engine::Phase::Jackpot);
    ASSERT_TRUE(next.runUntil([&] { return !again.cabinet().boardPending(); }, 120'000));
    EXPECT_EQ(again.player().bank, 975 + 5000);
    EXPECT_EQ(again.player().minor, 2000);
    EXPECT_EQ(again.cabinet().unexplained(), 0);
}

TEST_F(ShutDownInPlay, ADecidedJackpotPaysWhatTheBallShows) {
    startWithCredit(1000);
    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(3, 16);
    p.random.queueDraw(8, 16);  // thirty times the bet
    spinButton();
    ASSERT_TRUE(p.runUntil([&] { return p.clock.enabled("tmrshowjackpot"); }, 30'000));
    close();
    EXPECT_EQ(storedBank(), 975 + 750);
    EXPECT_EQ(stored("jackpotbank"), "0");
}

TEST_F(ShutDownInPlay, NothingIsPaidTwice) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    close();
    p.mouseMove(w, "btnopenmenu");
    p.click(w, "xit");
    p.runFor(10'000);
    EXPECT_EQ(storedBank(), 985);
}

// A player who closes the window while a losing card turns must not get the stake back;
// one who closes on a winning card keeps the win.
TEST_F(ShutDownInPlay, ACardBeingRevealedIsSettledByItsDraw) {
    for (const auto& [suit, bank, total] : {std::tuple{2, 975, "10"}, std::tuple{1, 995, "20"}}) {
        SCOPED_TRACE("suit " + std::to_string(suit));
        platform::headless::HeadlessPlatform fresh;
        screen::Quorvel game(fresh.services());
        for (const char* key : {"bank", "amountinvested"})
            fresh.store.write("quorvel", "player1", key, "1000");
        game.Form_Load();
        queueSpinDraws(fresh.random, kTenCentStops);
        fresh.mouseDown(game.window(), "btnspin");
        fresh.runFor(0);
        fresh.mouseDown(game.window(), "doublebutton");
        fresh.runFor(0);
        fresh.clock.add("closing", 330, [&] { fresh.closeRequest(game.window()); });
        fresh.clock.start("closing");
        fresh.random.queueDraw(suit, 4);
        fresh.click(game.window(), "betred");
        fresh.runFor(0);
        ASSERT_TRUE(game.ended()) << "closed while the card turned";
        EXPECT_EQ(fresh.store.read("quorvel", "player1", "bank"), std::to_string(bank));
        EXPECT_EQ(fresh.store.read("quorvel", "player1", "total"), total);
        EXPECT_EQ(engine::unexplainedCredit(game.player()), 0);
        EXPECT_EQ(game.player().history.games().front().gamble, suit == 2 ? "lost" : "taken");
    }
}

TEST_F(ShutDownInPlay, ASpinEndedByTheCloseBoxIsInTheRecall) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    p.clock.add("closing", 50, [&] { p.closeRequest(w); });
    p.clock.start("closing");
    spinButton();
    ASSERT_TRUE(q.ended());
    EXPECT_EQ(storedBank(), 985) << "charged and paid";
    const auto game = engine::recordFromText(stored("recall1"));
    ASSERT_TRUE(game.has_value()) << "the spin is in the recall";
    EXPECT_EQ(game->win, 10);
    EXPECT_EQ(game->bankAfter, 985);
}
