#include "game_fixture.h"

using namespace quorvel;
using testing_support::kLosingStops;
using testing_support::kTenCentStops;
using Strings = std::vector<std::string>;

namespace {

struct Input : testing_support::GameTest {
    void coin() {
        down("coinsin");
        up("coinsin");
    }
    void autoplayButton() {
        down("autoplayon");
        up("autoplayon");
    }
    // Enough queued losing draws for a run of automatic spins.
    void queueLosses(int spins) {
        for (int i = 0; i < spins; ++i)
            queueSpin(kLosingStops);
    }
};

}  // namespace

TEST_F(Input, EachCoinAddsFiftyDollarsAndIsStored) {
    startWithCredit(0);
    const auto before = p.clock.now();
    coin();
    coin();
    EXPECT_EQ(player.bank, 10000);
    EXPECT_EQ(player.amountinvested, 10000);
    EXPECT_EQ(text("panelbank"), "10000");
    EXPECT_EQ(text("Lblcredit"), "$ 100");
    EXPECT_EQ(p.clock.now() - before, 400) << "each insertion blocks 200 ms";
    EXPECT_EQ(sounds(), (Strings{"130", "stop", "130", "stop"}));
    EXPECT_EQ(stored("bank"), "10000");
    EXPECT_EQ(stored("amountinvested"), "10000");
    EXPECT_TRUE(shown("coinsin"));
}

TEST_F(Input, ACoinClearsTheCreditWarningAndSilencesEvenWithSoundsOff) {
    startWithCredit(0, false);
    spinButton();
    ASSERT_TRUE(shown("pannomoney"));
    coin();
    EXPECT_FALSE(shown("pannomoney"));
    EXPECT_EQ(sounds(), (Strings{"stop"}));
}

TEST_F(Input, NoCoinDuringFreeSpins) {
    startWithCredit(100);
    arrange([&](auto& r, auto&) { r.freespinmode = -1; });
    coin();
    EXPECT_EQ(player.bank, 100);
    EXPECT_TRUE(sounds().empty());
}

TEST_F(Input, AutoplayShowsItsNoticeOnceThenSpinsAtItsPace) {
    startWithCredit(1000);
    queueLosses(3);
    autoplayButton();
    ASSERT_EQ(p.messages.shown().size(), 1u);
    const auto& box = p.messages.shown().front();
    EXPECT_EQ(box.title, "Slots_Quorvel");
    EXPECT_EQ(box.text,
              " ..............PLEASE READ.................\r"
              " When you use this function all other Functions are\r"
              "   unavailable to you until you turn the Autoplay OFF \r"
              " To turn Autoplay OFF Click on the Auto On/Off button.\r"
              "  \r"
              "  This message will not appear again");
    EXPECT_EQ(p.store.read("quorvel", "notice", "autoplay"), "-1");
    EXPECT_EQ(player.games, 1) << "the first automatic spin starts at once";
    EXPECT_TRUE(w.at("autoplayon").value()) << "AUTO lit while it runs";
    EXPECT_FALSE(enabled("btnspin"));
    EXPECT_FALSE(enabled("coinsin"));
    EXPECT_FALSE(enabled("payline"));

    // The next spin waits for 15 game ticks, then for the next 800 ms autoplay tick.
    const auto firstEnded = p.clock.now();
    p.sound.clear();
    ASSERT_TRUE(p.runUntil([&] { return player.games == 2; }, 5000));
    ASSERT_FALSE(p.sound.calls().empty());
    const auto wait = p.sound.calls().front().at - firstEnded;  // the second spin's cue
    EXPECT_EQ(p.sound.calls().front().name, "RESOURCE_ID_113");
    EXPECT_GE(wait, 1500);
    EXPECT_LE(wait, 2300);
    EXPECT_FALSE(enabled("doublebutton")) << "no gamble under autoplay";

    autoplayButton();  // off
    EXPECT_EQ(counters.pace.autoplaymode, 0);
    EXPECT_FALSE(w.at("autoplayon").value());
    EXPECT_TRUE(enabled("btnspin"));
    EXPECT_FALSE(p.clock.enabled("tmrautospin"));
    p.runFor(5000);
    EXPECT_EQ(player.games, 2);
    autoplayButton();  // on again: no second notice
    EXPECT_EQ(p.messages.shown().size(), 1u);
    EXPECT_EQ(player.games, 3);
}

TEST_F(Input, TheNoticeIsOncePerInstallationNotPerRun) {
    p.store.write("quorvel", "notice", "autoplay", "-1");
    startWithCredit(1000);
    queueLosses(1);
    autoplayButton();
    EXPECT_TRUE(p.messages.shown().empty());
}

TEST_F(Input, TheNoticeTakesTheReleaseAndTheWatchdogBringsTheButtonBack) {
    startWithCredit(10);  // no spin follows, so no time passes before the release
    down("autoplayon");
    up("autoplayon");
    EXPECT_FALSE(w.at("autoplayon").visible()) << "the release went to the notice";
    p.runFor(200);
    EXPECT_TRUE(w.at("autoplayon").visible());
}

TEST_F(Input, AutoplayWithTooLittleCreditHaltsAndTheNextClickSwitchesItOff) {
    startWithCredit(10);
    autoplayButton();
    EXPECT_TRUE(shown("pannomoney"));
    EXPECT_EQ(counters.pace.autoplaymode, 0);
    EXPECT_EQ(counters.pace.autotoggle, 1);
    EXPECT_EQ(player.games, 0);
    p.runFor(200);  // the notice took the release; the watchdog shows the button again
    autoplayButton();
    EXPECT_EQ(counters.pace.autotoggle, 0);
    EXPECT_TRUE(enabled("btnspin"));
    EXPECT_TRUE(enabled("coinsin"));
}

TEST_F(Input, AutoplayStopsWhenTheCreditRunsOut) {
    startWithCredit(50);
    queueLosses(3);
    autoplayButton();
    p.runFor(10000);
    EXPECT_EQ(player.games, 2);
    EXPECT_EQ(counters.pace.autoplaymode, 0);
    EXPECT_FALSE(w.at("autoplayon").value()) << "no longer lit";
    EXPECT_TRUE(shown("pannomoney"));
}

TEST_F(Input, TheSpaceBarSpinsOncePerFinishedSpin) {
    startWithCredit(1000);
    queueLosses(3);
    p.key(w, ' ');
    p.key(w, ' ');  // arrives while the first spin runs
    p.runFor(0);
    EXPECT_EQ(player.games, 1);
    key(' ');
    EXPECT_EQ(player.games, 2);
}

TEST_F(Input, AnyOtherKeyUsesUpTheAllowanceUntilAMouseSpin) {
    startWithCredit(1000);
    queueLosses(2);
    key('a');
    key(' ');
    EXPECT_EQ(player.games, 0);
    spinButton();
    key(' ');
    EXPECT_EQ(player.games, 2);
}

TEST_F(Input, KeysWarnOfTooLittleCreditEvenUnderAutoplay) {
    startWithCredit(10);
    counters.pace.autoplaymode = 10;
    key('x');
    EXPECT_TRUE(shown("pannomoney"));
    EXPECT_EQ(sounds(), (Strings{"103"}));
}

TEST_F(Input, UnderAutoplayKeysAreDiscarded) {
    startWithCredit(1000);
    queueLosses(1);
    counters.pace.autoplaymode = 10;
    key(' ');
    EXPECT_EQ(player.games, 0);
}

TEST_F(Input, TheOptionsButtonOpensItsWindowOnlyWhenTheGameIsIdle) {
    startWithCredit(1000);
    counters.pace.autoplaymode = 10;
    click("btnoptions");
    EXPECT_EQ(q.childWindow(), nullptr);
    counters.pace.autoplaymode = 0;
    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    up("doublebutton");
    sounds();
    click("btnoptions");
    EXPECT_EQ(q.childWindow(), nullptr) << "not with a stake out on the gamble";
    EXPECT_TRUE(sounds().empty()) << "a refused press makes no sound";
    click("cancelbet");
    sounds();

    w.at("doublebutton").setEnabled(true);
    click("btnoptions");
    ASSERT_NE(q.childWindow(), nullptr);
    EXPECT_EQ(q.childWindow()->window().name(), "quorveloptions");
    EXPECT_EQ(q.childWindow()->window().caption(), "Quorvel Options");
    EXPECT_FALSE(w.enabled());
    EXPECT_FALSE(enabled("doublebutton"));
    EXPECT_EQ(sounds(), (Strings{"130"}));
    p.closeRequest(q.childWindow()->window());
    p.runFor(0);
    EXPECT_TRUE(w.enabled());
}

TEST_F(Input, TheMenuOpensTheAboutAndPayTableWindows) {
    startWithCredit(1000);
    p.mouseMove(w, "btnopenmenu");
    click("about");
    ASSERT_NE(q.childWindow(), nullptr);
    EXPECT_EQ(q.childWindow()->window().name(), "aboutquorvel");
    EXPECT_EQ(q.childWindow()->window().caption(), "About Quorvel");
    EXPECT_FALSE(w.enabled());
    EXPECT_FALSE(shown("menupic"));
    q.childWindow()->close();
    EXPECT_TRUE(w.enabled());

    p.mouseMove(w, "btnopenmenu");
    click("mnuviewpaytable");
    ASSERT_NE(q.childWindow(), nullptr);
    EXPECT_EQ(q.childWindow()->window().caption(), "QUORVEL PAYTABLE");
    EXPECT_EQ(sounds(), (Strings{"128", "128"}));
    p.closeRequest(q.childWindow()->window());
    p.runFor(0);
    EXPECT_TRUE(w.enabled());

    arrange([&](auto& r, auto&) { r.freespintarget = 11; });
    p.mouseMove(w, "btnopenmenu");
    click("about");
    EXPECT_FALSE(q.childWindow()->isOpen()) << "no about window while free spins are pending";
}

TEST_F(Input, AutoplayNeverStartsASpinInsideTheFirstOne) {
    p.store.write("quorvel", "notice", "autoplay", "-1");
    store("reelspeed", "8");  // 3.2 s of reels: the 800 ms autoplay tick falls inside them
    startWithCredit(1000);
    queueLosses(3);
    down("autoplayon");
    EXPECT_EQ(q.deepestSpin(), 1);
    EXPECT_EQ(player.games, 1);
    p.runFor(10'000);
    EXPECT_EQ(q.deepestSpin(), 1);
    EXPECT_GE(player.games, 2);
}
