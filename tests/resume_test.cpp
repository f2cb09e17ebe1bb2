// A game killed in play starts again where it stood: each phase is killed at its worst
// moment (the store copied as it was) and started again from the stored profile alone.
#include <memory>

#include "engine/ledger.h"
#include "game_fixture.h"
#include "tools/soak/resume_rules.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

struct Resume : GameTest {
    std::unique_ptr<platform::headless::HeadlessPlatform> next;
    std::unique_ptr<screen::Quorvel> again;

    // The store as it stands once `moment` first holds on the clock: nothing after it.
    platform::headless::MemoryStore killWhen(const std::function<bool()>& moment) {
        EXPECT_TRUE(p.runUntil(moment, 120'000)) << "the moment never came";
        return p.store;
    }
    void restartFrom(const platform::headless::MemoryStore& kept) {
        next = std::make_unique<platform::headless::HeadlessPlatform>(5);
        next->store = kept;
        again = std::make_unique<screen::Quorvel>(next->services());
        again->Form_Load();
        const auto& boxes = next->messages.shown();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Your interrupted game has been restored.");
    }
    bool settledAgain() {
        return again->cabinet().phase() == engine::Phase::Idle &&
               !next->clock.enabled("tmrshowjackpot") && !next->clock.enabled("tmrbell");
    }
    void expectBalanced() {
        EXPECT_EQ(again->cabinet().unexplained(), 0);
        EXPECT_EQ(engine::unexplainedCredit(again->player()), 0);
    }
};

}  // namespace

TEST_F(Resume, ASpinKilledWhileTheReelsTurnLandsOnTheSameStopsChargedAndPaidOnce) {
    startWithCredit(0);
    down("coinsin");
    up("coinsin");
    queueSpin(kTenCentStops);
    bool killed = false;
    platform::headless::MemoryStore kept;
    p.clock.add("kill", 50, [&] {
        if (killed) return;
        killed = true;
        kept = p.store;
        EXPECT_EQ(q.cabinet().phase(), engine::Phase::Spin);
    });
    p.clock.start("kill");
    spinButton();
    ASSERT_TRUE(killed);
    restartFrom(kept);
    EXPECT_EQ(again->run().stop, q.run().stop);
    EXPECT_EQ(again->window().at("reel3").top(), q.window().at("reel3").top());
    EXPECT_EQ(again->player().bank, 5000 - 25 + 10);
    EXPECT_EQ(again->player().games, 1);
    EXPECT_EQ(again->player().history.games().size(), 1u);
    expectBalanced();
}

TEST_F(Resume, FreeSpinsGoOnWithTheirCountTotalAndRetriggerAndPayTheTotalOnce) {
    startWithCredit(0);
    down("coinsin");
    up("coinsin");
    queueSpin(kThreeChestStops);
    queueSpin(kThreeChestStops);  // the first free spin wins more
    for (int i = 0; i < 30; ++i)
        queueSpin(kLosingStops);
    spinButton();
    const auto kept = killWhen([&] { return run.freespinsplayed == 4; });
    const int target = run.freespintarget;
    EXPECT_GT(target, 11) << "the retrigger is in the store";
    restartFrom(kept);
    EXPECT_EQ(again->cabinet().phase(), engine::Phase::FreeSpins);
    EXPECT_EQ(again->run().freespintarget, target);
    EXPECT_EQ(again->run().freespinsplayed, 4);
    EXPECT_EQ(again->run().featurewin, 250);
    EXPECT_EQ(again->window().at("spinsleft").caption(), std::to_string(target - 4));
    EXPECT_TRUE(again->window().at("spinsleft").visible());
    for (int i = 0; i < 30; ++i)
        queueSpinDraws(next->random, kLosingStops);
    ASSERT_TRUE(next->runUntil([&] { return again->window().at("takewin").visible(); }, 600'000));
    EXPECT_EQ(again->run().freespinsplayed, target) << "every free spin left was played";
    EXPECT_EQ(again->player().games, 1) << "none of them charged";
    next->click(again->window(), "takewin");
    next->runFor(0);
    EXPECT_EQ(again->player().bank, 5000 - 25 + 250);
    expectBalanced();
}

TEST_F(Resume, AWaitingTotalStillWaitsForTakeWin) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    for (int i = 0; i < 30; ++i)
        queueSpin(kLosingStops);
    spinButton();
    const auto kept = killWhen([&] { return shown("takewin"); });
    restartFrom(kept);
    EXPECT_EQ(again->cabinet().phase(), engine::Phase::TotalWaiting);
    EXPECT_EQ(again->player().bank, 975) << "not paid silently at start-up";
    EXPECT_TRUE(again->window().at("takewin").visible());
    EXPECT_EQ(again->window().at("LABWIN").caption(), "125");
    next->click(again->window(), "takewin");
    next->runFor(0);
    EXPECT_EQ(again->player().bank, 975 + 125);
    EXPECT_EQ(next->store.read("quorvel", "player1", "featureowed"), "0");
}

TEST_F(Resume, TheBoardBeforeItsStopStartsOverAndAfterItPaysWhatItShows) {
    for (const bool stopDrawn : {false, true}) {
        SCOPED_TRACE(stopDrawn ? "stop drawn" : "still running round");
        platform::headless::HeadlessPlatform first;
        screen::Quorvel game(first.services());
        for (const char* key : {"bank", "amountinvested"})
            first.store.write("quorvel", "player1", key, "1000");
        game.Form_Load();
        queueSpinDraws(first.random, kJackpotStops, 1);
        first.random.queueDraw(5, 16);
        first.random.queueDraw(4, 16);  // the grand
        first.mouseDown(game.window(), "btnspin");
        first.runFor(0);
        ASSERT_TRUE(first.runUntil(
            [&] {
                return stopDrawn ? game.run().ballstop == 4 : game.counters().ball.ballpos == 9;
            },
            30'000));
        next = std::make_unique<platform::headless::HeadlessPlatform>(5);
        next->store = first.store;
        if (!stopDrawn) {
            next->random.queueDraw(2, 16);  // a new start...
            next->random.queueDraw(1, 16);  // ...and a new stop: twenty times the bet
        }
        again = std::make_unique<screen::Quorvel>(next->services());
        again->Form_Load();
        EXPECT_EQ(again->cabinet().phase(), engine::Phase::Jackpot);
        ASSERT_TRUE(next->runUntil([&] { return settledAgain(); }, 60'000));
        EXPECT_EQ(again->player().bank, 975 + (stopDrawn ? 2'000'000 : 500));
        EXPECT_EQ(again->player().grandwon, stopDrawn ? 1 : 0);
        EXPECT_EQ(again->player().grand, 2'000'000) << "paid once: the meter starts again";
        expectBalanced();
    }
}

TEST_F(Resume, TheGambleReopensWithItsStakeAndStripAndATurningCardKeepsItsDraw) {
    store("amountinvested", "1000");
    startWithCredit(1000);
    queueSpin(kTenCentStops);
    spinButton();
    down("doublebutton");
    p.random.queueDraw(1, 4);
    click("betred");  // hearts: 20 at risk, one card on the strip
    restartFrom(p.store);
    EXPECT_EQ(again->cabinet().phase(), engine::Phase::Gamble);
    EXPECT_TRUE(again->window().at("pandouble").visible());
    EXPECT_EQ(again->window().at("risklab").caption(), "At Risk  20");
    EXPECT_EQ(again->window().at("historypic", 1).picture(),
              (platform::Picture{"imagelistcards", 6}));
    EXPECT_EQ(again->player().bank, 975);

    // Killed while the next card, a club, turns: the stake is lost, not given back.
    platform::headless::MemoryStore kept;
    next->clock.add("kill", 300, [&] {
        if (kept.entries().empty()) kept = next->store;
    });
    next->clock.start("kill");
    next->random.queueDraw(2, 4);
    next->click(again->window(), "betred");
    next->runFor(0);
    ASSERT_FALSE(kept.entries().empty());
    restartFrom(kept);
    EXPECT_EQ(again->player().bank, 975);
    EXPECT_EQ(again->player().gamblelost, 10);
    EXPECT_EQ(again->player().history.games().front().gamble, "lost");
    EXPECT_EQ(again->window().at("historypic", 2).picture(),
              (platform::Picture{"imagelistcards", 7}));
    expectBalanced();
}

// The soak's own rule for a resumed feature, held against the real game: killed after a
// free spin that retriggers has its draw stored, the resumed game settles it and the count
// grows, and the rule accepts that while a spin lost or gained is still refused.
TEST_F(Resume, TheSoakAcceptsAResumedFreeSpinThatRetriggersAndNothingElse) {
    store("amountinvested", "1000");
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    queueSpin(kLosingStops);
    queueSpin(kThreeChestStops);  // the second free spin retriggers
    for (int i = 0; i < 30; ++i)
        queueSpin(kLosingStops);
    platform::headless::MemoryStore kept;
    p.clock.add("kill", 5, [&] {
        const soak::Stored stored = soak::storedIn(p.store);
        if (kept.entries().empty() && stored.spinDrawn && stored.freeSpinsWon > 0) kept = p.store;
    });
    p.clock.start("kill");
    spinButton();
    ASSERT_TRUE(p.runUntil([&] { return !kept.entries().empty(); }, 120'000));
    const soak::Stored stored = soak::storedIn(kept);
    EXPECT_EQ(stored.phase, "free_spins");
    restartFrom(kept);
    soak::Resumed resumed = soak::resumedFrom(*again, 1);
    EXPECT_GT(resumed.freeSpinsLeft, stored.freeSpinsLeft) << "the settled spin retriggered";
    EXPECT_EQ(soak::compareResume(stored, resumed), "");
    for (int off : {-1, 1}) {
        resumed.freeSpinsLeft += off;
        EXPECT_EQ(soak::compareResume(stored, resumed), "the free spins left changed");
        resumed.freeSpinsLeft -= off;
    }
    expectBalanced();
}
