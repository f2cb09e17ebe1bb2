#include "engine/evaluate.h"
#include "game_fixture.h"
#include "screen/sound_cues.h"

using namespace quorvel;
using testing_support::kLosingStops;
using testing_support::kTenCentStops;
using testing_support::kThousandStops;
using Strings = std::vector<std::string>;

namespace {
struct SpinCycle : testing_support::GameTest {};
}  // namespace

TEST_F(SpinCycle, ALosingSpinChargesTheBetAndSaysNoWin) {
    startWithCredit(1000);
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(player.bank, 975);
    EXPECT_EQ(player.wager, 25);
    EXPECT_EQ(player.games, 1);
    EXPECT_EQ(player.totalwon, 0);
    EXPECT_EQ(text("LABWIN"), "         No Win");
    EXPECT_EQ(text("lblwin"), "");
    EXPECT_EQ(text("panelbank"), "975");
    EXPECT_EQ(text("Lblcredit"), "$ 9.75");
    EXPECT_EQ(text("lbllast"), "25");
    EXPECT_FALSE(enabled("doublebutton")) << "nothing to gamble";
    EXPECT_TRUE(enabled("btnspin"));
    EXPECT_TRUE(enabled("payline"));
    EXPECT_TRUE(enabled("coinsin"));
    EXPECT_TRUE(enabled("autoplayon"));
    EXPECT_TRUE(shown("btnspin")) << "the release showed the pressed button again";
    EXPECT_EQ(counters.pace.autospinwait, 15);
    // Spin cue, then five reels landing; no chest anywhere, no win.
    EXPECT_EQ(sounds(), (Strings{"113", "104", "104", "104", "104", "104"}));
    // The jackpot meters rise from nothing to their floors on the first spin.
    EXPECT_EQ(player.grand, 2'000'000);
    EXPECT_EQ(player.major, 200'000);
    EXPECT_EQ(player.minor, 2'000);
}

TEST_F(SpinCycle, AWinningSpinPaysCountsUpAndOffersTheGamble) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    EXPECT_EQ(run.spinwin, 10);
    EXPECT_EQ(player.bank, 985) << "the win is in the bank before the meter counts it";
    EXPECT_EQ(player.totalwon, 10);
    EXPECT_EQ(text("LABWIN"), "               Good Luck") << "the count-up has not ticked yet";
    EXPECT_EQ(sounds(), (Strings{"113", "104", "104", "104", "104", "104", "105"}));
    EXPECT_TRUE(enabled("doublebutton"));
    for (const char* timer : {"tmrtick", "Timer4", "tmrlineflash", "Timerwincounter"})
        EXPECT_TRUE(p.clock.enabled(timer)) << timer;
    EXPECT_FALSE(p.clock.enabled("Timerscatters"));
    p.runFor(60);
    EXPECT_EQ(text("LABWIN"), "10");
    EXPECT_EQ(text("lblwin"), "$ 0.1");
    EXPECT_EQ(text("panelbank"), "985");
    EXPECT_FALSE(p.clock.enabled("Timerwincounter"));
}

TEST_F(SpinCycle, TheMetersGrowOncePerNormalSpin) {
    store("grand", "2000000", "allslot");
    store("major", "199999", "allslot");
    store("minor", "2500", "allslot");
    startWithCredit(100);
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(player.grand, 2'000'050);
    EXPECT_EQ(player.major, 200'000) << "lifted to its floor, without growth";
    EXPECT_EQ(player.minor, 2'520);
    p.runFor(100);
    EXPECT_EQ(text("lblgrand"), "$ 20000.5");
    EXPECT_EQ(text("lblmajor"), "$ 2000");
}

TEST_F(SpinCycle, NotEnoughCreditRefusesTheSpinAndStopsAutoplay) {
    startWithCredit(24);
    down("btnspin");
    EXPECT_TRUE(shown("pannomoney"));
    EXPECT_EQ(text("pannomoney"),
              "Not enough credit for this bet !, reduce your bet or click the \"Insert Credit "
              "Button \" for more credit.");
    EXPECT_EQ(player.bank, 24);
    EXPECT_EQ(player.games, 0);
    EXPECT_EQ(sounds(), (Strings{"113", "103"}));
    EXPECT_TRUE(enabled("coinsin"));
    EXPECT_TRUE(enabled("btnspin")) << "the spin button does not disable itself";
    EXPECT_FALSE(enabled("autoplayon")) << "the spin button's press disabled autoplay";
    up("btnspin");

    // Through the start-all action (space bar, autoplay), the spin button goes off as well.
    counters.pace.autoplaymode = 10;
    q.btnstartall_Click();
    EXPECT_EQ(counters.pace.autoplaymode, 0);
    EXPECT_FALSE(enabled("btnspin"));
}

TEST_F(SpinCycle, ExactlyTheTotalBetIsEnoughCredit) {
    startWithCredit(25);
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(player.games, 1);
    EXPECT_EQ(player.bank, 0);
    EXPECT_FALSE(shown("pannomoney"));
}

TEST_F(SpinCycle, ADiscardedBigWinIsRedrawnUnseenAndChargedOnce) {
    startWithCredit(1000);
    queueSpin(kThousandStops, 2, 2);  // 1000 > twice the bet: the payout draw of 2 discards it
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(run.stop[3], kLosingStops[2]);
    EXPECT_EQ(run.spinwin, 0);
    EXPECT_EQ(player.bank, 975);
    EXPECT_EQ(player.wager, 25);
    EXPECT_EQ(player.games, 1);
    EXPECT_EQ(player.totalwon, 0);
    EXPECT_TRUE(p.random.queueEmpty());
    // One spin cue and one landing per reel: the discarded draw never moved a reel.
    EXPECT_EQ(sounds(), (Strings{"113", "104", "104", "104", "104", "104"}));
}

TEST_F(SpinCycle, ABigWinStandsWhenThePayoutDrawIsOne) {
    startWithCredit(1000);
    queueSpin(kThousandStops, 2, 1);
    spinButton();
    EXPECT_EQ(run.spinwin, 1000);
    EXPECT_EQ(player.bank, 1975);
    EXPECT_EQ(sounds().back(), "126");
}

TEST_F(SpinCycle, EveryWinBandHasItsCueAndOneThousandAndOneIsNoException) {
    using screen::cue::winCue;
    EXPECT_EQ(winCue(0), nullptr);
    EXPECT_STREQ(winCue(1), "RESOURCE_ID_105");
    EXPECT_STREQ(winCue(21), "RESOURCE_ID_112");
    EXPECT_STREQ(winCue(22), "RESOURCE_ID_117");
    EXPECT_STREQ(winCue(750), "RESOURCE_ID_123");
    EXPECT_STREQ(winCue(1000), "RESOURCE_ID_126");
    EXPECT_STREQ(winCue(1001), "RESOURCE_ID_126");
    EXPECT_STREQ(winCue(1002), "RESOURCE_ID_126");
}

TEST_F(SpinCycle, AWinOfOneThousandAndOneCountsUpInStepsOfOne) {
    store("winroll", "1");
    startWithCredit(5000);
    queueSpin(kLosingStops);
    spinButton();
    // No draw pays exactly 1001, so settle one by hand as the dispatch leaves it.
    arrange([&](auto& r, auto&) { r.spinwin = 1001; });
    counters.countUp.countstep = 1;
    q.Timerwincounter_Timer();
    EXPECT_EQ(counters.countUp.countedwin, 1) << "the first step of every win is one cent";
    EXPECT_EQ(text("LABWIN"), "1");
    EXPECT_EQ(counters.countUp.countstep, 10);
}

TEST_F(SpinCycle, EverySettledSpinIsStoredAtOnce) {
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    EXPECT_EQ(stored("bank"), "985");
    EXPECT_EQ(stored("wager"), "25");
    EXPECT_EQ(stored("total"), "10");
    EXPECT_EQ(stored("games"), "1");
    EXPECT_EQ(stored("grand", "player1", "allslot"), "2000000");
}

TEST_F(SpinCycle, ControlsAreLockedWhileTheReelsTurn) {
    startWithCredit(1000);
    queueSpin(kLosingStops);
    // A timer that is due at every pump sees the screen as a click inside the spin would.
    std::vector<std::string> seen;
    p.clock.add("probe", 1, [&] {
        seen.push_back(std::to_string(p.clock.now()) + (enabled("btnspin") ? " spin" : "") +
                       (enabled("coinsin") ? " coin" : "") + (enabled("payline") ? " lines" : "") +
                       (enabled("btnoptions") ? " options" : "") + " " + text("LABWIN"));
    });
    p.clock.start("probe");
    p.clock.sleep(1);
    spinButton();
    // Before the draw the buttons still work; after the reels stop (338 ms at speed 1), the
    // pumps of the dispatch find them locked and the meter wishing luck.
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front(), "1 spin coin lines options 0");
    EXPECT_EQ(seen[1], "339                Good Luck");
}
