#include "engine/game_record.h"
#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

struct Recall : GameTest {
    const std::deque<engine::GameRecord>& games() { return player.history.games(); }
    void f2() { keyDown(platform::kKeyF2); }
    platform::Window* recallWindow() { return openWindow("quorvelrecall"); }
};

}  // namespace

TEST_F(Recall, EachSettledGameIsNotedWithItsDrawAndMoney) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    ASSERT_EQ(games().size(), 1u);
    const engine::GameRecord& game = games().front();
    EXPECT_EQ(game.stops, (std::array<int, 5>{1, 3, 19, 1, 1}));
    EXPECT_EQ(game.reel3, 2);
    EXPECT_EQ(game.lines, 25);
    EXPECT_EQ(game.bet, 1);
    EXPECT_EQ(game.win, 10);
    EXPECT_EQ(game.paidLines, (std::vector<int>{19, 20}));
    EXPECT_EQ(game.bankBefore, 1000);
    EXPECT_EQ(game.bankAfter, 985);
    EXPECT_EQ(game.playedAt, platform::headless::VirtualTime::kEpoch);

    // The gamble that follows is noted on the same game.
    down("doublebutton");
    p.random.queueDraw(2, 4);
    click("betblack");
    click("cancelbet");
    EXPECT_EQ(games().front().gamble, "taken");
    EXPECT_EQ(games().front().gambleAmount, 20);
    EXPECT_EQ(games().front().bankAfter, 995);
}

TEST_F(Recall, FeaturesAreNotedOnTheGameThatStartedThem) {
    startWithCredit(1000);
    playLosingFreeSpinsAndCollect();
    ASSERT_EQ(games().size(), 1u) << "free spins are part of the game that won them";
    EXPECT_EQ(games().front().freeSpinsWon, 10);
    EXPECT_EQ(games().front().freeSpinTotal, 125);
    EXPECT_EQ(games().front().bankAfter, 1100);

    queueSpin(kJackpotStops, 1);
    p.random.queueDraw(1, 16);
    p.random.queueDraw(8, 16);  // thirty times the bet
    spinButton();
    ASSERT_TRUE(p.runUntil(
        [&] {
            return !p.clock.enabled("tmrshowjackpot") && counters.ball.showticks == 0 &&
                   !p.clock.enabled("tmrbell") && !p.clock.enabled("tmrdecidejackpot");
        },
        60'000));
    EXPECT_EQ(games().front().jackpotKind, "x30");
    EXPECT_EQ(games().front().jackpotPrize, 750);
    EXPECT_EQ(games().front().reel3, 1);
}

TEST_F(Recall, TheEleventhGamePushesOutTheOldestAndTheHistoryOutlivesARestart) {
    startWithCredit(1000);
    for (int spin = 0; spin < 11; ++spin) {
        queueSpin(spin == 0 ? kTenCentStops : kLosingStops);
        spinButton();
    }
    ASSERT_EQ(games().size(), 10u);
    EXPECT_EQ(games().back().bankBefore, 985) << "the first game (from 1000) is gone";
    EXPECT_EQ(games().front().bankAfter, player.bank);

    platform::headless::HeadlessPlatform next;
    next.store = p.store;
    screen::Quorvel again(next.services());
    again.Form_Load();
    EXPECT_EQ(again.player().history.games(), games());
}

TEST_F(Recall, AStoreFromBeforeTheRecallHasAnEmptyHistoryAndBadTextsAreSkipped) {
    store("recall1", "{not json");
    store("recall2", R"({"t":1,"s":[1,2,3,4,99]})");
    start();
    EXPECT_TRUE(games().empty());
    EXPECT_EQ(player.bank, 0);
    engine::GameRecord sample;
    sample.stops = {1, 2, 3, 4, 5};
    sample.lines = 25;
    sample.bet = 2;
    sample.paidLines = {1, 25};
    EXPECT_EQ(engine::recordFromText(engine::recordText(sample)), sample);
    sample.stops[4] = 23;
    EXPECT_FALSE(engine::recordFromText(engine::recordText(sample)).has_value());
}

TEST_F(Recall, F2OpensTheRecallWithTheNewestGameDrawn) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    queueSpin(kLosingStops);
    spinButton();
    f2();
    platform::Window* recall = recallWindow();
    ASSERT_NE(recall, nullptr);
    EXPECT_EQ(recall->caption(), "Game Recall");
    EXPECT_FALSE(w.enabled());
    EXPECT_TRUE(recall->at("game", 1).value());
    EXPECT_TRUE(recall->at("game", 2).visible());
    EXPECT_FALSE(recall->at("game", 3).visible());
    EXPECT_EQ(recall->at("reel2").top(), -1875 * 4) << "the losing game's reel 2 at stop 4";
    EXPECT_TRUE(recall->at("Picture2").visible());
    EXPECT_FALSE(recall->at("lblempty").visible());
    EXPECT_FALSE(recall->at("paidline", 1).visible());
    EXPECT_EQ(recall->at("lblcredit").caption(), "Credit 985 before, 960 after");

    recall->dispatch(recall->at("game", 2), platform::EventKind::Click);
    EXPECT_EQ(recall->at("reel2").top(), -1875 * 3);
    EXPECT_TRUE(recall->at("paidline", 1).visible()) << "line 19 in its colour";
    EXPECT_EQ(recall->at("paidline", 1).foreColour(), (platform::Colour{255, 255, 0}));
    EXPECT_EQ(recall->at("lblresult").caption(), "Won 10 (lines 19 20)");

    recall->keyPress(platform::kKeyEscape);
    EXPECT_TRUE(w.enabled());
    EXPECT_EQ(recallWindow(), nullptr);
}

TEST_F(Recall, F2IsRefusedWhileSomethingRunsAndNeverSpins) {
    startWithCredit(1000);
    f2();
    ASSERT_NE(recallWindow(), nullptr) << "an empty history still opens";
    EXPECT_TRUE(recallWindow()->at("lblempty").visible());
    for (int reel = 1; reel <= 5; ++reel)
        EXPECT_FALSE(recallWindow()->at("Picture" + std::to_string(reel)).visible())
            << "the sentence alone, no symbols";
    recallWindow()->keyPress(platform::kKeyEscape);

    // Mid-spin: the key arrives at one of the spin's pumps.
    queueSpin(kLosingStops);
    p.mouseDown(w, "btnspin");
    p.keyDown(w, platform::kKeyF2);
    p.runFor(0);
    up("btnspin");
    EXPECT_EQ(recallWindow(), nullptr);
    EXPECT_EQ(player.games, 1) << "F2 types no character and starts nothing";

    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    f2();
    EXPECT_EQ(recallWindow(), nullptr) << "not with a stake on the gamble panel";
    click("cancelbet");
    f2();
    EXPECT_NE(recallWindow(), nullptr);
}

TEST_F(Recall, TheMenusGameHistoryOpensTheRecallWhenF2Would) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    p.mouseMove(w, "btnopenmenu");
    click("gamehistory");
    EXPECT_EQ(recallWindow(), nullptr) << "refused with a stake on the gamble panel";
    EXPECT_FALSE(shown("menupic"));
    click("cancelbet");
    p.mouseMove(w, "btnopenmenu");
    p.runFor(0);
    ASSERT_TRUE(shown("menupic"));
    click("gamehistory");
    ASSERT_NE(recallWindow(), nullptr);
    EXPECT_FALSE(shown("menupic"));
    EXPECT_FALSE(w.enabled()) << "the main screen waits while the recall is open";
}
