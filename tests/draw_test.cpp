#include <gtest/gtest.h>

#include "engine/strips.h"
#include "game_fixture.h"
#include "main_screen_fixture.h"

using namespace quorvel;
using engine::Symbol;

namespace {

struct Draw : testing_support::MainScreenTest {
    void queue(std::array<int, 5> stops, int reel3counts = 2) {
        testing_support::queueSpinDraws(p.random, stops, reel3counts);
    }
    // The draw belongs to a spin: the cabinet draws only once one has started.
    void drawSpin() {
        q.cabinet().endSpin();
        if (player.bank < 500) q.cabinet().insertCoin();
        const engine::Refusal started = q.cabinet().startSpin();
        ASSERT_EQ(started, engine::Refusal::None);
        q.drawreel1();
    }
};

}  // namespace

TEST_F(Draw, StopsFillTheWindowMarksAndRestOffsets) {
    queue({3, 1, 2, 5, 13});
    drawSpin();
    EXPECT_TRUE(p.random.queueEmpty());
    EXPECT_EQ(p.random.reseeds(), 7) << "one per reel, one more on reel 3, one for the payout";
    EXPECT_EQ(run.stop[1], 3);
    for (int cell : {1, 2, 3})
        EXPECT_EQ(run.wildcell[cell], cell);
    for (int cell : {6, 5, 4})
        EXPECT_EQ(run.wildcell[cell], cell) << "reel 2 counts upwards";
    EXPECT_EQ(run.wildcell[7], 0);
    EXPECT_EQ(run.window[3][1], Symbol::map);
    EXPECT_EQ(w.at("reel3").top(), -3750) << "each reel rests on its stop";
    EXPECT_EQ(w.at("reel5").top(), -24375);
    EXPECT_EQ(w.at("reel1").top(), -5625);
    // Reel 5 at stop 13 shows three wilds too: cells 13, 14, 15.
    for (int cell : {13, 14, 15})
        EXPECT_EQ(run.wildcell[cell], cell);
}

TEST_F(Draw, ChestsAndJollyRogersAreMarkedByCell) {
    // Reel 2 at 7: chest at the bottom (cell 4). Reel 3 at 4: mystery tile at the bottom.
    queue({10, 7, 4, 1, 1}, 1);
    drawSpin();
    EXPECT_EQ(run.scattercell[2], 4);
    EXPECT_EQ(run.scattercell[1], 3) << "reel 1 at 10 shows the chest of position 12";
    EXPECT_EQ(run.scattercount, 2);
    EXPECT_EQ(run.jackpotcell[3], 9);
    EXPECT_EQ(run.reel3counts, 1);
    EXPECT_EQ(run.jackpotcount, 1);

    queue({10, 7, 4, 1, 1}, 2);
    drawSpin();
    EXPECT_EQ(run.jackpotcell[3], 9) << "a tile that does not count keeps its cell";
    EXPECT_EQ(run.jackpotcount, 0);
}

TEST_F(Draw, ThreeCountingJollyRogersStartTheJackpotOnlyOutsideFreeSpins) {
    // Reel 1 at 8, reel 2 at 16 and reel 3 at 6 put a jolly roger in each top row.
    queue({8, 16, 6, 1, 1}, 1);
    drawSpin();
    EXPECT_TRUE(p.clock.enabled("tmrbell")) << "three counting flags start the jackpot feature";
    EXPECT_EQ(run.jackpotcount, 0) << "which clears their count";
    EXPECT_EQ(run.jackpotcell[1], 1);
    EXPECT_EQ(run.jackpotcell[2], 6);
    EXPECT_EQ(run.jackpotcell[3], 7);

    p.clock.stop("tmrbell");
    arrange([](engine::RunState& r, engine::PlayerValues&) {
        r.freespinmode = -1;
        r.freespintarget = 10;
    });
    queue({8, 16, 6, 1, 1}, 1);
    drawSpin();
    EXPECT_FALSE(p.clock.enabled("tmrbell"));
    EXPECT_EQ(run.reel3counts, 2) << "free spins never let the tile count";
    EXPECT_EQ(run.jackpotcount, 0);
    EXPECT_EQ(run.jackpotcell[1], 1);
}

TEST_F(Draw, TheResetClearsTheLastSpinOnScreenAndInState) {
    queue({3, 1, 1, 1, 1});
    drawSpin();
    counters.lineFlash.animcell[2] = 1;
    arrange([](engine::RunState& r, engine::PlayerValues&) { r.linematch[4] = 3; });
    w.at("doublebutton").setEnabled(true);
    w.at("pannomoney").show();
    w.at("flasher", 5).show();
    w.at("flasher", 5).setPicture("ImageList1", 3);
    w.at("lin", 7).hide();
    w.at("Lineflash", 2).show();
    for (const char* timer : {"tmrlineflash", "Timerscatters", "tmrtick", "Timer4", "Timerrespin"})
        p.clock.start(timer);

    queue({20, 20, 20, 20, 20});
    drawSpin();
    EXPECT_FALSE(w.at("doublebutton").enabled());
    EXPECT_FALSE(w.at("pannomoney").visible());
    EXPECT_FALSE(w.at("flasher", 5).visible());
    EXPECT_EQ(w.at("flasher", 5).picture(), (platform::Picture{"ImageList2", 19}));
    EXPECT_TRUE(w.at("lin", 7).visible());
    EXPECT_FALSE(w.at("Lineflash", 2).visible());
    // The game clock is stopped too, but the settled spin starts it again.
    for (const char* timer : {"tmrlineflash", "Timerscatters", "Timer4", "Timerrespin"})
        EXPECT_FALSE(p.clock.enabled(timer)) << timer;
    EXPECT_TRUE(p.clock.enabled("tmrtick"));
    EXPECT_EQ(counters.lineFlash.animcell[2], 0);
    EXPECT_EQ(run.linematch[4], 0);
    for (int cell = 1; cell <= 15; ++cell)
        EXPECT_EQ(run.wildcell[cell], 0) << cell;
}

TEST_F(Draw, EvaluationFollowsTheDraw) {
    // Reels 1-3 wild on the middle row (stops 3, 2, 10), a chest on reel 4 (stop 6).
    arrange([](engine::RunState& r, engine::PlayerValues&) {
        r.lines = 1;
        r.bet = 2;
    });
    queue({3, 2, 10, 6, 1});
    drawSpin();
    EXPECT_EQ(run.window[4][2], Symbol::chest);
    EXPECT_EQ(run.linematch[1], 3);
    EXPECT_EQ(run.linewin[1], 1);
    EXPECT_EQ(run.spinwin, 465 * 2);
    EXPECT_EQ(counters.countUp.countstep, 1) << "the count-up starts with one cent";
}

TEST(DrawSeeding, TheSameSeedDrawsTheSameSpinsEveryRun) {
    auto stopsOf = [](std::uint64_t seed) {
        platform::headless::HeadlessPlatform p(seed);
        screen::Quorvel q(p.services());
        std::vector<int> stops;
        q.cabinet().insertCoin();
        for (int spin = 0; spin < 40; ++spin) {
            q.btnstartall_Click();
            p.runFor(100);
            for (int reel = 1; reel <= 5; ++reel)
                stops.push_back(q.run().stop[reel]);
            stops.push_back(q.run().reel3counts);
        }
        return stops;
    };
    const auto first = stopsOf(11);
    EXPECT_EQ(first, stopsOf(11));
    EXPECT_NE(first, stopsOf(12));
    for (std::size_t i = 0; i < first.size(); ++i) {
        const bool mystery = i % 6 == 5;
        EXPECT_GE(first[i], 1);
        EXPECT_LE(first[i], mystery ? 2 : 22);
    }
}
