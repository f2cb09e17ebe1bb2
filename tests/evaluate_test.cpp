#include <gtest/gtest.h>

#include "engine/draw.h"
#include "engine/evaluate.h"

using namespace quorvel::engine;
using enum Symbol;

namespace {

// A window of map on every cell, with one line's cells replaced, ready to evaluate.
struct Spin {
    RunState run;
    explicit Spin(int bet = 1, int lines = 1) {
        run.bet = static_cast<std::int16_t>(bet);
        run.lines = static_cast<std::int16_t>(lines);
        resetDrawMarks(run);
        for (int reel = 1; reel <= 5; ++reel)
            for (int row = 1; row <= 3; ++row)
                run.window[reel][row] = pistolOrParrot(reel, row);
    }
    // A filler that never lines up three from the left on any line.
    static Symbol pistolOrParrot(int reel, int row) {
        static const Symbol fill[5][3] = {{ship, coin, skull},
                                          {cannon, map, pistol},
                                          {parrot, captain, flag},
                                          {cutlass, cutlass, cutlass},
                                          {cutlass, cutlass, cutlass}};
        return fill[reel - 1][row - 1];
    }
    Spin& onLine(int line, std::initializer_list<Symbol> symbols) {
        int reel = 1;
        for (Symbol s : symbols)
            run.window[reel][lineRow(line, reel)] = s, ++reel;
        return *this;
    }
    Spin& at(int reel, int row, Symbol s) {
        run.window[reel][row] = s;
        return *this;
    }
    RunState evaluate() {
        run.scattercount = 0;
        for (int reel = 1; reel <= 5; ++reel)
            for (int row = 1; row <= 3; ++row)
                run.scattercount += run.window[reel][row] == chest;
        fillLineSums(run);
        evaluateWin(run);
        return run;
    }
};

}  // namespace

TEST(Evaluate, TheFillerWindowPaysNothing) {
    RunState run = Spin(1, 25).evaluate();
    EXPECT_EQ(run.spinwin, 0);
    for (int line = 1; line <= 25; ++line)
        EXPECT_EQ(run.linewin[line], 0);
}

TEST(Evaluate, WildsPayEverySymbolTheyComplete) {
    {
        RunState run = Spin(2).onLine(1, {wild, wild, wild, chest, cutlass}).evaluate();
        EXPECT_EQ(run.linewin[1], 1);
        EXPECT_EQ(run.linematch[1], 3);
        // 465 bets for the ten three-of-a-kinds; the lone chest pays nothing.
        EXPECT_EQ(run.spinwin, 465 * 2);
    }
    {
        RunState run = Spin().onLine(1, {wild, wild, wild, wild, wild}).evaluate();
        EXPECT_EQ(run.linematch[1], 5);
        EXPECT_EQ(run.linewin[1], 1);
        EXPECT_EQ(run.spinwin, 2325);
    }
    {
        // Cannon is examined last, so it sets the match of four.
        RunState run = Spin().onLine(1, {wild, wild, wild, cannon, map}).evaluate();
        EXPECT_EQ(run.spinwin, 470);
        EXPECT_EQ(run.linematch[1], 4);
    }
}

TEST(Evaluate, OnlyRunsFromReelOnePay) {
    RunState skip4 = Spin(5).onLine(1, {ship, ship, ship, coin, ship}).evaluate();
    EXPECT_EQ(skip4.spinwin, 50 * 5);
    EXPECT_EQ(skip4.linematch[1], 3);
    RunState from2 = Spin().onLine(1, {coin, ship, ship, ship, ship}).evaluate();
    EXPECT_EQ(from2.spinwin, 0);
    RunState two = Spin().onLine(1, {ship, ship, coin, ship, ship}).evaluate();
    EXPECT_EQ(two.spinwin, 0);
    RunState big = Spin(20).onLine(1, {captain, captain, captain, captain, captain}).evaluate();
    EXPECT_EQ(big.spinwin, 30000);
    EXPECT_EQ(big.linematch[1], 5);
}

TEST(Evaluate, OnlyPlayedLinesPayButChestsCountEverywhere) {
    RunState run = Spin(3, 1)
                       .onLine(2, {ship, ship, ship, coin, coin})
                       .at(4, 3, chest)
                       .at(5, 3, chest)
                       .at(3, 3, chest)
                       .evaluate();
    EXPECT_EQ(run.linewin[2], 0);
    EXPECT_EQ(run.linematch[2], 0);
    EXPECT_EQ(run.scattercount, 3);
    EXPECT_EQ(run.spinwin, 5 * 3 * 1);
    RunState one = Spin().at(2, 2, chest).evaluate();
    EXPECT_EQ(one.spinwin, 0);
    RunState two = Spin(10, 25).at(2, 2, chest).at(4, 1, chest).evaluate();
    EXPECT_EQ(two.spinwin, 250);
}

TEST(Evaluate, EvaluationClearsTheLastWin) {
    Spin spin;
    spin.run.freespinmode = 0;
    spin.run.featurewin = 900;
    spin.run.atrisk = 40;
    spin.run.linewin[7] = 7;
    spin.evaluate();
    EXPECT_EQ(spin.run.featurewin, 0);
    EXPECT_EQ(spin.run.atrisk, 0);
    EXPECT_EQ(spin.run.linewin[7], 0);

    Spin free;
    free.run.freespinmode = -1;
    free.run.featurewin = 900;
    free.evaluate();
    EXPECT_EQ(free.run.featurewin, 900);
}

TEST(PayoutControl, BigWinsStandOnlyOnTheFirstDraw) {
    RunState run;
    run.bet = 2;
    run.lines = 10;
    EXPECT_EQ(payoutThreshold(run), 40);
    run.spinwin = 40;
    EXPECT_TRUE(resultStands(run, 4));
    run.spinwin = 41;
    EXPECT_FALSE(resultStands(run, 2));
    EXPECT_TRUE(resultStands(run, 1));
}
