#include "game_fixture.h"
#include "presentation/gamble_places.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using Strings = std::vector<std::string>;

namespace {

struct Gamble : GameTest {
    // A 10-cent win on 25 lines leaves 985 in the bank with the gamble offered.
    void winTen(int credit = 1000) {
        startWithCredit(credit);
        queueSpin(kTenCentStops);
        spinButton();
        sounds();
    }
    void open() {
        down("doublebutton");
        up("doublebutton");
    }
    void bet(const std::string& button, int drawnSuit, int index = 0) {
        p.random.queueDraw(drawnSuit, 4);
        click(button, index);
    }
    platform::Picture card() { return w.at("piccardholder").picture(); }
};

}  // namespace

TEST_F(Gamble, OpeningTakesTheStakeOutOfTheCredit) {
    winTen();
    open();
    EXPECT_TRUE(shown("pandouble"));
    EXPECT_EQ(player.bank, 975);
    EXPECT_EQ(run.atrisk, 10);
    EXPECT_EQ(text("risklab"), "At Risk  10");
    EXPECT_EQ(text("lblblackred"), "Black/Red Win = 20");
    EXPECT_EQ(text("lblsuit"), "Suit Win = 40");
    EXPECT_TRUE(shown("lblsuit"));
    EXPECT_EQ(card(), (platform::Picture{"imagelistcards", 5}));
    EXPECT_EQ(w.at("suitbet", 3).picture(), (platform::Picture{"imagelistcards", 8}));
    EXPECT_EQ(text("panelbank"), "975");
    for (const char* button : {"btnspin", "coinsin", "payline", "btnbet", "autoplayon"})
        EXPECT_FALSE(enabled(button)) << button;
    EXPECT_EQ(sounds(), (Strings{"130"}));
    EXPECT_FALSE(p.clock.enabled("Timerwincounter"));
}

TEST_F(Gamble, RedThenHeartsThenTakeFourfoldsTwice) {
    winTen();
    open();
    sounds();
    bet("betred", 3);  // diamonds: red
    EXPECT_EQ(run.atrisk, 20);
    EXPECT_EQ(card(), (platform::Picture{"imagelistcards", 3}));
    EXPECT_EQ(sounds(), (Strings{"130", "130", "114"}));
    EXPECT_TRUE(shown("gamblewin"));
    EXPECT_EQ(w.at("gamblewin").top(), 4800);
    bet("suitbet", 1, 1);  // hearts on hearts
    EXPECT_EQ(run.atrisk, 80);
    EXPECT_EQ(text("lblsuit"), "Suit Win = 320");
    click("cancelbet");
    EXPECT_FALSE(shown("pandouble"));
    EXPECT_EQ(player.bank, 975 + 80);
    EXPECT_EQ(player.totalwon, 10 + 70) << "what the gamble added to its stake";
    EXPECT_EQ(text("LABWIN"), "80");
    EXPECT_EQ(text("lblwin"), "$ 0.8");
    EXPECT_EQ(stored("bank"), "1055");
    EXPECT_TRUE(enabled("btnspin"));
    EXPECT_FALSE(enabled("doublebutton"));
}

TEST_F(Gamble, TheResultPlaqueAtRestCoversNoneOfThePanelsTexts) {
    winTen();
    open();
    bet("betred", 1);  // hearts: red wins
    const platform::Element& plaque = w.at("gamblewin");
    ASSERT_TRUE(plaque.shown());
    const int top = plaque.top(), bottom = plaque.top() + plaque.height();
    auto clear = [&](int otherTop, int otherBottom) {
        return otherBottom <= top || otherTop >= bottom;
    };
    EXPECT_TRUE(
        clear(presentation::kRulesTop, presentation::kRulesTop + presentation::kRulesHeight))
        << "the house rules painted on the felt";
    for (const auto& element : w.elements()) {
        const platform::Element& e = *element;
        if (&e == &plaque || e.parent() != &w.at("pandouble") || !e.shown()) continue;
        const bool beside =
            e.left() >= plaque.left() + plaque.width() || e.left() + e.width() <= plaque.left();
        EXPECT_TRUE(beside || clear(e.top(), e.top() + e.height()))
            << e.name() << "(" << e.index() << ") \"" << e.caption() << "\" lies under the plaque";
    }
    EXPECT_LE(bottom, w.at("pandouble").height());
}

TEST_F(Gamble, TheRevealTakesFifteenFramesOfFiftyMilliseconds) {
    winTen();
    open();
    std::vector<platform::Picture> frames;
    p.clock.add("watch", 1, [&] { frames.push_back(card()); });
    p.clock.start("watch");
    const auto before = p.clock.now();
    bet("betblack", 4);
    p.clock.stop("watch");
    EXPECT_EQ(p.clock.now() - before, 750);
    ASSERT_GE(frames.size(), 15u);
    // The watch first falls due after the first frame's pause: frames 11 to 24, then the face.
    EXPECT_EQ(frames[0], (platform::Picture{"imagelistcards", 4, 11}));
    EXPECT_EQ(frames[13], (platform::Picture{"imagelistcards", 4, 24}));
    EXPECT_EQ(frames[14], (platform::Picture{"imagelistcards", 4}));
    EXPECT_EQ(card(), (platform::Picture{"imagelistcards", 4}));
}

TEST_F(Gamble, ALossAfterTwoWinsLosesTheStakeAndClosesAfterThreeSeconds) {
    winTen();
    open();
    bet("betblack", 2);
    bet("betblack", 4);
    ASSERT_EQ(run.atrisk, 40);
    sounds();
    const auto before = p.clock.now();
    bet("betred", 4);
    EXPECT_EQ(p.clock.now() - before, 750 + 3000);
    EXPECT_EQ(sounds(), (Strings{"130", "130", "106"}));
    EXPECT_FALSE(shown("pandouble"));
    EXPECT_EQ(player.bank, 975);
    EXPECT_EQ(player.totalwon, 10) << "the spin's win still counts";
    EXPECT_EQ(run.atrisk, 40) << "a loss leaves the amount as it was";
    EXPECT_EQ(text("risklab"), "    No Win  ");
    EXPECT_EQ(text("LABWIN"), "         No Win");
    EXPECT_EQ(text("lblwin"), " ");
    EXPECT_EQ(q.books().gambleLost, 10);
    EXPECT_EQ(stored("bank"), "975");
    EXPECT_TRUE(enabled("btnspin"));
}

TEST_F(Gamble, TakenAtOnceLeavesTheBooksAsTheyWere) {
    winTen();
    open();
    click("cancelbet");
    EXPECT_EQ(player.bank, 985);
    EXPECT_EQ(player.totalwon, 10);
    EXPECT_EQ(sounds(), (Strings{"130", "115"}));
}

TEST_F(Gamble, AfterFreeSpinsTheStakeIsTheCollectedTotalOnce) {
    startWithCredit(1000);
    playLosingFreeSpinsAndCollect();
    ASSERT_EQ(player.bank, 1100);
    open();
    EXPECT_EQ(run.atrisk, 125);
    EXPECT_EQ(run.carrywin, 0);
    bet("betred", 1);
    click("cancelbet");
    EXPECT_EQ(player.bank, 1225);
    EXPECT_EQ(player.totalwon, 250) << "125 from the reels and 125 added by the gamble";
}

TEST_F(Gamble, TheHistoryStripKeepsTheLastFiveDraws) {
    winTen(1'000'000);
    open();
    // Eleven draws of red bets; the suits cycle so every card can be told apart.
    const int suits[] = {1, 3, 1, 3, 1, 3, 1, 3, 1, 3, 1};
    for (int suit : suits)
        bet("betred", suit);
    ASSERT_EQ(run.historycount, 6) << "the eleventh draw counts like the sixth";
    // Draw 11 put its card in history card 1, which now sits at the right end.
    EXPECT_EQ(w.at("historypic", 1).left(), 2760);
    EXPECT_EQ(w.at("historypic", 2).left(), 360);
    EXPECT_EQ(w.at("historypic", 5).left(), 2160);
    for (int k = 1; k <= 5; ++k) {
        EXPECT_TRUE(shown("historypic", k));
        EXPECT_EQ(w.at("historypic", k).top(), 3960);
    }
    EXPECT_EQ(w.at("historypic", 1).picture(), (platform::Picture{"imagelistcards", 6}));
    EXPECT_EQ(w.at("historypic", 5).picture(), (platform::Picture{"imagelistcards", 8}));
}

TEST_F(Gamble, AClickDuringTheRevealIsIgnored) {
    winTen();
    open();
    p.random.queueDraw(1, 4);
    p.random.queueDraw(2, 4);
    bool clicked = false;
    p.clock.add("impatient", 100, [&] {
        if (clicked) return;
        clicked = true;
        p.click(w, "betred");
        p.click(w, "cancelbet");
    });
    p.clock.start("impatient");
    click("betblack");
    p.runFor(0);
    EXPECT_TRUE(clicked);
    EXPECT_EQ(run.historycount, 1) << "one click, one card";
    EXPECT_FALSE(p.random.queueEmpty()) << "the second draw was never made";
    EXPECT_EQ(player.bank, 975) << "the black bet lost; the take came too late";
}

TEST_F(Gamble, NoKeyStartsASpinWhileTheStakeIsOut) {
    winTen();
    open();
    queueSpin(kLosingStops);
    key(' ');
    EXPECT_EQ(player.games, 1);
    EXPECT_EQ(run.atrisk, 10);
}

TEST_F(Gamble, NotOfferedUnderAutoplayNorAfterALosingSpin) {
    startWithCredit(1000);
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_FALSE(enabled("doublebutton"));
    p.store.write("quorvel", "notice", "autoplay", "-1");
    queueSpin(kTenCentStops);
    down("autoplayon");
    EXPECT_EQ(run.spinwin, 10);
    EXPECT_FALSE(enabled("doublebutton"));
}
