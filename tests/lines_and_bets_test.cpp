#include "game_fixture.h"

using namespace quorvel;
using Strings = std::vector<std::string>;

namespace {

struct LinesAndBets : testing_support::GameTest {
    void SetUp() override { startWithCredit(5000); }
    void pressLines() {
        down("payline");
        up("payline");
    }
    void pressBet() {
        down("btnbet");
        up("btnbet");
    }
    void openMenu() {
        p.mouseMove(w, "btnopenmenu");
        p.runFor(0);
    }
    platform::Picture marker(int k) { return w.at("lin", k).picture(); }
};

}  // namespace

TEST_F(LinesAndBets, TheLinesButtonCyclesFromOneLineWithItsCues) {
    const std::vector<int> expected{1, 5, 10, 15, 25, 1};
    for (int lines : expected) {
        pressLines();
        EXPECT_EQ(run.lines, lines);
        EXPECT_EQ(text("lbllines"), std::to_string(lines));
        EXPECT_EQ(text("lbllast"), std::to_string(lines));
    }
    EXPECT_EQ(sounds(), (Strings{"132", "133", "134", "135", "136", "132"}));
    EXPECT_TRUE(shown("payline")) << "the release shows the pressed key again";
}

TEST_F(LinesAndBets, PlayedLinesShowTheirMarkersInColour) {
    for (int press = 0; press < 3; ++press)
        pressLines();
    ASSERT_EQ(run.lines, 10);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(marker(k), (platform::Picture{"linepics", k})) << k;
    for (int k = 11; k <= 25; ++k)
        EXPECT_EQ(marker(k), (platform::Picture{"linepics", k + 25})) << k;
    EXPECT_EQ(marker(26), (platform::Picture{"linepics", 1}));
}

TEST_F(LinesAndBets, TheBetButtonCyclesAndPricesTheSpin) {
    const std::vector<int> expected{2, 3, 5, 10, 20, 1, 2};
    for (int bet : expected) {
        pressBet();
        EXPECT_EQ(run.bet, bet);
        EXPECT_EQ(text("lblbet"), std::to_string(bet));
    }
    EXPECT_EQ(sounds(), (Strings{"133", "134", "135", "136", "137", "132", "133"}));
    while (run.bet != 20)
        pressBet();
    EXPECT_EQ(text("lbllast"), "500");
    EXPECT_EQ(text("lbltotallast"), "$ 5");
}

TEST_F(LinesAndBets, ChangingLinesHidesTheWinOverlays) {
    queueSpin(testing_support::kTenCentStops);
    spinButton();
    p.runFor(300);
    ASSERT_TRUE(w.at("flasher", 3).visible()) << "the wild of the paid line animates";
    // The wild animation would show its cells again at its next tick.
    p.clock.stop("Timer4");
    p.clock.stop("tmrlineflash");
    pressLines();
    for (int cell = 1; cell <= 15; ++cell)
        EXPECT_FALSE(w.at("flasher", cell).visible()) << cell;
}

TEST_F(LinesAndBets, ThePaylineViewDrawsAnyLineAndGivesTheGameBack) {
    openMenu();
    EXPECT_TRUE(shown("menupic"));
    click("viewpaylines");
    EXPECT_EQ(sounds(), (Strings{"128"}));
    EXPECT_FALSE(shown("menupic"));
    EXPECT_TRUE(shown("Btnreturn2game"));
    EXPECT_FALSE(shown("panfreespin"));
    for (int reel = 1; reel <= 5; ++reel)
        EXPECT_FALSE(shown("Picture" + std::to_string(reel)));
    EXPECT_FALSE(w.keyPreview());

    p.mouseMove(w, "lin", 14);
    p.runFor(0);
    for (int s = 1; s <= 6; ++s)
        EXPECT_TRUE(shown("Lineflash", s)) << s;
    EXPECT_EQ(w.at("Lineflash", 6).points(), (platform::LinePoints{11160, 1420, 10100, 1420}));
    EXPECT_EQ(w.at("Lineflash", 1).foreColour(), (platform::Colour{255, 192, 255}));
    p.mouseMove(w, "lin", 2);
    p.runFor(0);
    EXPECT_TRUE(shown("Lineflash", 1));
    EXPECT_EQ(w.at("Lineflash", 1).points(), (platform::LinePoints{870, 1920, 11160, 1920}));
    for (int s = 2; s <= 6; ++s)
        EXPECT_FALSE(shown("Lineflash", s)) << s;

    click("Btnreturn2game");
    EXPECT_FALSE(shown("Btnreturn2game"));
    EXPECT_TRUE(shown("panfreespin"));
    EXPECT_TRUE(shown("Picture3"));
    EXPECT_TRUE(w.keyPreview());
    EXPECT_FALSE(shown("Lineflash", 1));
    for (int k = 1; k <= 25; ++k)
        EXPECT_FALSE(enabled("lin", k)) << k;
    EXPECT_TRUE(enabled("lin", 26));
    EXPECT_TRUE(p.clock.enabled("tmrlineflash"));
    EXPECT_EQ(run.lines, 25);
}

TEST_F(LinesAndBets, MarkersOnlyDrawInTheViewExceptTheSecondMarkerOfLineOne) {
    p.mouseMove(w, "lin", 4);
    p.runFor(0);
    EXPECT_FALSE(shown("Lineflash", 1)) << "markers 1-25 do not react in the game view";
    p.mouseMove(w, "lin", 26);
    p.runFor(0);
    EXPECT_TRUE(shown("Lineflash", 1));
    EXPECT_EQ(w.at("Lineflash", 1).points(), (platform::LinePoints{870, 3825, 11160, 3825}));
}

TEST_F(LinesAndBets, TheMenuOpensOverItsButtonAndClosesOverTheBareWindow) {
    openMenu();
    EXPECT_TRUE(shown("menupic"));
    p.mouseMoveOnWindow(w);
    p.runFor(0);
    EXPECT_FALSE(shown("menupic"));
    arrange([&](auto& r, auto&) { r.freespinmode = -1; });
    openMenu();
    EXPECT_FALSE(shown("menupic")) << "never during free spins";
}
