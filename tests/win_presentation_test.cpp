#include <algorithm>

#include "game_fixture.h"
#include "presentation/payline_drawings.h"

using namespace quorvel;

namespace {

struct WinPresentation : testing_support::GameTest {
    // Settles a spin, then takes the presentation's timers off the clock so each tick is
    // run by hand and looked at in between.
    void settle(std::array<int, 5> stops) {
        startWithCredit(5000);
        queueSpin(stops);
        spinButton();
        for (const char* timer : {"tmrlineflash", "Timer4", "Timerscatters", "Timerwincounter"})
            p.clock.stop(timer);
    }
    // "19+" = line 19's segments lit and its marker hidden; "19-" = the other phase.
    std::string lineTick() {
        q.tmrlineflash_Timer();
        const int line = run.linewin[counters.lineFlash.lineindex];
        const bool lit = w.at("Lineflash", 1).visible();
        EXPECT_EQ(w.at("lin", line).visible(), !lit) << "markers blink against the segments";
        return std::to_string(line) + (lit ? "+" : "-");
    }
};

}  // namespace

TEST_F(WinPresentation, PaidLinesTakeFiveTicksEachInTurn) {
    settle(testing_support::kTenCentStops);
    std::vector<std::string> ticks;
    for (int tick = 0; tick < 15; ++tick)
        ticks.push_back(lineTick());
    EXPECT_EQ(ticks,
              (std::vector<std::string>{"19+", "19-", "19+", "19-", "19-", "20+", "20-", "20+",
                                        "20-", "20-", "19+", "19-", "19+", "19-", "19-"}));
    // Each line is drawn with its own segments and colour.
    EXPECT_EQ(w.at("Lineflash", 6).points(), (platform::LinePoints{10100, 6200, 11160, 6200}));
    EXPECT_EQ(w.at("Lineflash", 6).foreColour(), (platform::Colour{255, 255, 0}));
}

TEST_F(WinPresentation, WildsOfAPaidLineAnimateWhileTheOtherCellsBlink) {
    settle(testing_support::kTenCentStops);
    lineTick();  // line 19: bottom of reel 1 (wild, cell 3), top of reel 2 (wild, cell 6), cell 9
    EXPECT_EQ(counters.lineFlash.animcell[3], 1);
    EXPECT_EQ(counters.lineFlash.animcell[6], 1);
    EXPECT_EQ(counters.lineFlash.animcell[9], 0);
    EXPECT_TRUE(w.at("flasher", 9).visible()) << "lit phase: the highlight frames the symbol";
    lineTick();
    EXPECT_FALSE(w.at("flasher", 9).visible());
    EXPECT_TRUE(w.at("flasher", 3).visible()) << "the lowest cell of its reel stays up";
    for (int frame = 1; frame <= 19; ++frame) {
        q.Timer4_Timer();
        const int expected = frame > 18 ? 1 : frame;
        EXPECT_EQ(w.at("flasher", 6).picture(), (platform::Picture{"ImageList2", expected}));
        EXPECT_TRUE(w.at("flasher", 6).visible());
    }
    EXPECT_EQ(w.at("flasher", 9).picture(), (platform::Picture{"ImageList2", 19}));
}

TEST_F(WinPresentation, APaidLineIsDrawnInItsColourOverTheReelsAndItsSymbolsHighlighted) {
    settle(testing_support::kTenCentStops);
    lineTick();  // line 19 lit: cells 3 and 6 are wilds, cell 9 the third symbol
    const presentation::PaylineDrawing& drawing = presentation::paylineDrawing(19);
    std::size_t topmostReelPart = 0;
    for (int reel = 1; reel <= 5; ++reel)
        topmostReelPart = std::max({topmostReelPart, layer(w.at("Picture" + std::to_string(reel))),
                                    layer(w.at("reel" + std::to_string(reel)))});
    for (int cell = 1; cell <= 15; ++cell)
        topmostReelPart = std::max(topmostReelPart, layer(w.at("flasher", cell)));
    for (std::size_t s = 1; s <= drawing.segments.size(); ++s) {
        const platform::Element& segment = w.at("Lineflash", static_cast<int>(s));
        EXPECT_TRUE(segment.visible()) << s;
        EXPECT_EQ(segment.points(), drawing.segments[s - 1]) << s;
        EXPECT_EQ(segment.foreColour(), (platform::Colour{255, 255, 0})) << s;
        EXPECT_GE(segment.lineWidth(), 10) << s;
        EXPECT_GT(layer(segment), topmostReelPart) << "segment " << s << " hidden by the reels";
    }
    // The symbol that is not a wild wears the highlight, which shows it rather than hiding it.
    EXPECT_TRUE(w.at("flasher", 9).visible());
    EXPECT_EQ(w.at("flasher", 9).picture(), (platform::Picture{"ImageList2", 19}));
    // The gamble panel and the jackpot board still lie over any line left drawn.
    EXPECT_LT(layer(w.at("Lineflash", 1)), layer(w.at("pandouble")));
    EXPECT_LT(layer(w.at("Lineflash", 6)), layer(w.at("jackpotframe")));
}

TEST_F(WinPresentation, ChestsAnimateAndAChestOnlyWinDrawsNoLine) {
    settle(testing_support::kTwoChestStops);
    ASSERT_EQ(run.spinwin, 25);
    q.tmrlineflash_Timer();
    EXPECT_FALSE(w.at("Lineflash", 1).visible());
    for (int frame = 1; frame <= 14; ++frame) {
        q.Timerscatters_Timer();
        const int expected = frame > 13 ? 1 : frame;
        for (int cell : {10, 15}) {
            EXPECT_EQ(w.at("flasher", cell).picture(), (platform::Picture{"ImageList1", expected}));
            EXPECT_TRUE(w.at("flasher", cell).visible());
        }
    }
}

TEST_F(WinPresentation, OnTheClockTheLineTimerStopsItselfWithoutPaidLines) {
    startWithCredit(5000);
    queueSpin(testing_support::kTwoChestStops);
    spinButton();
    EXPECT_TRUE(p.clock.enabled("tmrlineflash"));
    EXPECT_TRUE(p.clock.enabled("Timerscatters"));
    p.runFor(150);
    EXPECT_FALSE(p.clock.enabled("tmrlineflash"));
    EXPECT_TRUE(p.clock.enabled("Timerscatters"));
}

namespace {

struct CountUp : testing_support::GameTest {
    void SetUp() override { startWithCredit(5000); }
    std::vector<std::string> count(int ticks) {
        std::vector<std::string> shown;
        for (int tick = 0; tick < ticks && p.clock.enabled("Timerwincounter"); ++tick) {
            q.Timerwincounter_Timer();
            shown.push_back(text("LABWIN"));
        }
        return shown;
    }
    void single(int win, int winroll) {
        arrange([&](auto& r, auto& v) {
            v.winroll = static_cast<std::int16_t>(winroll);
            r.spinwin = win;
        });
        counters.countUp.countstep = 1;
        p.clock.start("Timerwincounter");
    }
};

}  // namespace

TEST_F(CountUp, ASingleWinCountsUpInGrowingSteps) {
    single(500, 1);
    arrange([&](auto&, auto& v) { v.bank = 9999; });
    const auto shown = count(40);
    ASSERT_EQ(shown.size(), 20u) << "the last step passes the amount on the 20th tick";
    EXPECT_EQ(shown[0], "1");
    EXPECT_EQ(shown[1], "11");
    EXPECT_EQ(shown[10], "101");
    EXPECT_EQ(shown[11], "121");
    EXPECT_EQ(shown[18], "491");
    EXPECT_EQ(shown[19], "500") << "never more than the win";
    EXPECT_EQ(text("lblwin"), "$ 5");
    EXPECT_EQ(text("panelbank"), "9999") << "the credit is shown once the count ends";
    EXPECT_EQ(counters.countUp.countedwin, 0);
    EXPECT_EQ(counters.countUp.countstep, 60) << "a single count leaves its last step";
}

TEST_F(CountUp, SwitchedOffItShowsTheAmountAtOnce) {
    single(500, 0);
    arrange([&](auto&, auto& v) { v.bank = 1234; });
    EXPECT_EQ(count(5), (std::vector<std::string>{"500"}));
    EXPECT_EQ(text("Lblcredit"), "$ 12.34");
}

TEST_F(CountUp, ARunningTotalCountsOnFromTheFeatureTotal) {
    arrange([&](auto&, auto& v) { v.winroll = 1; });
    counters.countUp.countmode = 1;
    arrange([&](auto& r, auto&) {
        r.featurewin = 3000;
        r.spinwin = 200;
    });
    counters.countUp.countstep = 1;
    arrange([&](auto& r, auto&) { r.freespintarget = 11; });
    w.at("takewin").setEnabled(true);
    p.clock.start("Timerwincounter");
    const auto shown = count(100);
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown.front(), "2801");
    EXPECT_EQ(shown.back(), "3000");
    EXPECT_FALSE(enabled("takewin"));
    EXPECT_EQ(counters.countUp.countmode, 1) << "kept while the feature total waits";
    EXPECT_EQ(counters.countUp.countstep, 0);
}

TEST_F(CountUp, DuringFreeSpinsTheTotalJumpsAtTheFirstTick) {
    arrange([&](auto& r, auto& v) {
        v.winroll = 1;
        r.freespinmode = -1;
        r.featurewin = 700;
        r.spinwin = 50;
    });
    counters.countUp.countstep = 1;
    p.clock.start("Timerwincounter");
    EXPECT_EQ(count(10), (std::vector<std::string>{"700"}));
}

TEST_F(CountUp, OnTheClockEachTickIsFiftyMilliseconds) {
    arrange([&](auto&, auto& v) { v.winroll = 1; });
    queueSpin(testing_support::kTenCentStops);
    spinButton();
    const auto started = p.clock.now();
    p.runUntil([&] { return !p.clock.enabled("Timerwincounter"); }, 5000);
    EXPECT_EQ(text("LABWIN"), "10");
    EXPECT_EQ(text("lblwin"), "$ 0.1");
    // 1, then 11 passes 10: two ticks, each held back by the paid-line tick's 100 ms pause.
    EXPECT_GE(p.clock.now() - started, 100);
    EXPECT_LE(p.clock.now() - started, 400);
}
