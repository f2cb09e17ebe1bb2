#include <cmath>

#include "engine/money.h"

#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using Strings = std::vector<std::string>;

namespace {

struct FreeSpins : GameTest {
    void trigger(std::array<int, 5> stops, int freeSpinsQueued) {
        startWithCredit(1000);
        queueSpin(stops);
        for (int i = 0; i < freeSpinsQueued; ++i)
            queueSpin(kLosingStops);
        spinButton();
    }
    // Runs the feature until it ends (the completed banner shows) or the limit passes.
    bool playOut(int limitMs = 120'000) {
        return p.runUntil([&] { return run.freespinmode == 0; }, limitMs);
    }
};

}  // namespace

TEST_F(FreeSpins, ThreeChestsGiveExactlyTenFreeSpins) {
    trigger(kThreeChestStops, 10);
    EXPECT_EQ(run.freespinmode, -1);
    EXPECT_EQ(run.freespintarget, 11);
    EXPECT_EQ(run.freespinsplayed, 1);
    EXPECT_EQ(run.featurewin, 125) << "the triggering win is in the feature total once";
    EXPECT_EQ(player.bank, 975) << "the triggering spin's win waits for the collection";
    EXPECT_EQ(player.totalwon, 125);
    EXPECT_EQ(player.howmanyspins, 1);
    EXPECT_EQ(player.grand, 0) << "the meters do not grow on the spin that wins free spins";
    EXPECT_FALSE(shown("panfreespin"));
    EXPECT_FALSE(shown("lbllast"));
    EXPECT_EQ(text("LABWIN"), "125");
    EXPECT_TRUE(shown("ctlfrees1"));
    EXPECT_EQ(w.at("ctlfrees1").left(), 2000);
    auto trail = sounds();
    EXPECT_EQ(Strings(trail.end() - 3, trail.end()), (Strings{"121", "121", "127"}));
    EXPECT_TRUE(p.sound.calls().empty());

    // The banner blinks for two seconds, then the count of spins to come shows.
    p.runFor(2050);
    EXPECT_FALSE(shown("ctlfrees1"));
    EXPECT_TRUE(shown("ctrlfreesleft1"));
    EXPECT_EQ(text("spinsleft"), "10");

    ASSERT_TRUE(playOut());
    EXPECT_EQ(run.freespinsplayed, 11);
    EXPECT_EQ(player.games, 1) << "free spins are not games";
    EXPECT_EQ(player.wager, 25) << "and are not charged";
    EXPECT_TRUE(p.random.queueEmpty()) << "exactly ten free spins drew";
    EXPECT_TRUE(shown("freespinscompleted1"));
    const platform::Element& banner = w.at("freespinscompleted1");
    const platform::Element& reels = w.at("reelwindow");
    EXPECT_NEAR(2 * banner.left() + banner.width(), 2 * reels.left() + reels.width(), 2)
        << "the banner stands centred over the reels";
    EXPECT_TRUE(shown("takewin"));
    EXPECT_EQ(text("LABWIN"), "125");
    // Only the end cue: no reel or win sounds during free spins.
    EXPECT_EQ(sounds(), (Strings{"125"}));

    click("takewin");
    EXPECT_EQ(player.bank, 1100);
    EXPECT_EQ(run.carrywin, 125);
    EXPECT_EQ(run.freespintarget, 0);
    EXPECT_TRUE(shown("panfreespin"));
    EXPECT_TRUE(enabled("doublebutton"));
    EXPECT_EQ(sounds(), (Strings{"119"}));
    EXPECT_EQ(stored("bank"), "1100") << "the collected total is stored at once";
}

// WCAG's relative luminance and contrast ratio of two colours.
double luminance(platform::Colour c) {
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}
double contrast(platform::Colour a, platform::Colour b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST_F(FreeSpins, TheCountLeftReadsAtAGlanceOnItsBannerInsideTheWindow) {
    trigger(kThreeChestStops, 10);
    p.runFor(2050);
    const platform::Element& banner = w.at("ctrlfreesleft1");
    const platform::Element& count = w.at("spinsleft");
    ASSERT_TRUE(banner.shown() && count.shown());
    for (const platform::Element* e : {&banner, &count}) {
        EXPECT_GE(e->left(), 0) << e->name();
        EXPECT_GE(e->top(), 0) << e->name();
        EXPECT_LE(e->left() + e->width(), w.clientWidth()) << e->name();
        EXPECT_LE(e->top() + e->height(), w.clientHeight()) << e->name() << " runs off the window";
    }
    // In the right part of the banner, after its text, and painted over it.
    EXPECT_GE(count.left(), banner.left() + banner.width() / 2);
    EXPECT_LE(count.left() + count.width(), banner.left() + banner.width());
    EXPECT_GE(count.top(), banner.top());
    EXPECT_LE(count.top() + count.height(), banner.top() + banner.height());
    EXPECT_GT(layer(count), layer(banner));
    // Large, bold, light on its own dark plate, centred there whatever the count.
    EXPECT_GE(count.font().points, 24);
    EXPECT_TRUE(count.font().bold);
    ASSERT_TRUE(count.hasBackColour());
    EXPECT_GT(luminance(count.foreColour()), luminance(count.backColour()));
    EXPECT_GE(contrast(count.foreColour(), count.backColour()), 7.0);
    EXPECT_EQ(count.align(), platform::Align::Centre);
    EXPECT_FALSE(count.autoSize());
    EXPECT_EQ(count.caption(), "10");

    p.runUntil([&] { return run.freespinsplayed == 2; }, 10'000);
    EXPECT_EQ(count.caption(), "9");
    EXPECT_TRUE(count.shown());
}

TEST_F(FreeSpins, FourAndFiveChestsGiveFifteenAndTwenty) {
    trigger(kFourChestStops, 15);
    EXPECT_EQ(run.freespintarget, 16);
    ASSERT_TRUE(playOut());
    EXPECT_TRUE(p.random.queueEmpty());
    click("takewin");

    queueSpin(kFiveChestStops);
    for (int i = 0; i < 20; ++i)
        queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(run.freespintarget, 21);
    ASSERT_TRUE(playOut());
    EXPECT_TRUE(p.random.queueEmpty());
    EXPECT_EQ(player.howmanyspins, 2);
}

TEST_F(FreeSpins, ARetriggerOnTheLastFreeSpinAddsElevenMore) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    for (int i = 0; i < 9; ++i)
        queueSpin(kLosingStops);
    queueSpin(kThreeChestStops);  // the tenth free spin
    for (int i = 0; i < 11; ++i)
        queueSpin(kLosingStops);
    spinButton();
    ASSERT_TRUE(playOut());
    EXPECT_TRUE(p.random.queueEmpty());
    EXPECT_EQ(run.freespinsplayed, 22);
    EXPECT_EQ(run.freespintarget, 22);
    EXPECT_EQ(player.howmanyspins, 2);
    EXPECT_EQ(run.featurewin, 250);
    EXPECT_EQ(player.totalwon, 250);
}

TEST_F(FreeSpins, AFreeSpinWithTwoChestsAddsOneTotalBet) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    queueSpin(kTwoChestStops);
    for (int i = 0; i < 9; ++i)
        queueSpin(kLosingStops);
    spinButton();
    ASSERT_TRUE(playOut());
    EXPECT_EQ(run.featurewin, 150);
}

TEST_F(FreeSpins, EachFreeSpinComesTwoAndAHalfSecondsOfGameClockAfterTheLast) {
    trigger(kThreeChestStops, 10);
    std::vector<std::int64_t> starts;
    const int before = run.freespinsplayed;
    while (run.freespinsplayed < before + 3) {
        const int played = run.freespinsplayed;
        ASSERT_TRUE(p.runUntil([&] { return run.freespinsplayed > played; }, 10'000));
        starts.push_back(p.clock.now());
    }
    for (std::size_t i = 1; i < starts.size(); ++i) {
        EXPECT_GE(starts[i] - starts[i - 1], 2500 + 338);
        EXPECT_LE(starts[i] - starts[i - 1], 2500 + 338 + 400);
    }
}

TEST_F(FreeSpins, BetAndLinesStayFrozenWhileTheyRun) {
    trigger(kThreeChestStops, 10);
    sounds();
    q.payline_MouseDown();
    q.btnbet_MouseDown();
    EXPECT_EQ(run.lines, 25);
    EXPECT_EQ(run.bet, 1);
    EXPECT_TRUE(sounds().empty()) << "the buttons do nothing at all";
    ASSERT_TRUE(playOut());
    EXPECT_EQ(run.bet, 1);
}

TEST_F(FreeSpins, UnderAutoplayTheTotalIsCollectedAndAutoplayGoesOn) {
    p.store.write("quorvel", "notice", "autoplay", "-1");
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    for (int i = 0; i < 12; ++i)
        queueSpin(kLosingStops);
    down("autoplayon");
    up("autoplayon");
    EXPECT_EQ(run.freespinmode, -1);
    EXPECT_FALSE(p.clock.enabled("tmrautospin")) << "paused by the feature";
    ASSERT_TRUE(playOut());
    EXPECT_EQ(player.bank, 1100) << "collected without a click";
    EXPECT_FALSE(shown("takewin"));
    EXPECT_FALSE(enabled("doublebutton")) << "no gamble under autoplay, not even now";
    EXPECT_TRUE(p.clock.enabled("tmrautospin"));
    ASSERT_TRUE(p.runUntil([&] { return player.games == 2; }, 5000));
}

TEST_F(FreeSpins, OptionsStayShutWhileATotalWaits) {
    trigger(kThreeChestStops, 10);
    ASSERT_TRUE(playOut());
    ASSERT_TRUE(enabled("btnoptions"));
    click("btnoptions");
    EXPECT_EQ(q.childWindow(), nullptr);
    click("takewin");
    click("btnoptions");
    EXPECT_NE(q.childWindow(), nullptr);
}

TEST_F(FreeSpins, ThePaylineViewNeverHidesAWaitingTotal) {
    trigger(kThreeChestStops, 10);
    ASSERT_TRUE(playOut());
    ASSERT_TRUE(shown("takewin"));
    p.mouseMove(w, "btnopenmenu");
    click("viewpaylines");
    EXPECT_FALSE(shown("takewin"));
    click("Btnreturn2game");
    EXPECT_TRUE(shown("takewin")) << "the total can still be collected";
    EXPECT_FALSE(shown("panfreespin")) << "and no spin can wipe it first";
    key(' ');
    EXPECT_EQ(player.games, 1);
    click("takewin");
    EXPECT_EQ(player.bank, 1100);
}

// The first normal win after a collected feature counts up from nothing to itself, never
// through a negative amount left from the feature's own count.
TEST_F(FreeSpins, TheFirstWinAfterACollectedFeatureCountsUpFromNothing) {
    trigger(kThreeChestStops, 10);
    arrange([](auto&, auto& v) { v.winroll = 1; });
    ASSERT_TRUE(playOut());
    click("takewin");
    p.runFor(3000);
    queueSpin(kThousandStops);
    spinButton();
    std::string shownAmounts;
    while (p.clock.enabled("Timerwincounter") && shownAmounts.size() < 4000) {
        p.runFor(10);
        shownAmounts += text("LABWIN") + " ";
    }
    EXPECT_EQ(shownAmounts.find('-'), std::string::npos) << shownAmounts;
    EXPECT_EQ(text("LABWIN"), engine::creditForm(run.spinwin));
}
