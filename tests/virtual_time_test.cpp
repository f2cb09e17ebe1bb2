#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless/virtual_time.h"

using quorvel::platform::headless::VirtualTime;

TEST(VirtualTime, TimersFireOnTheirPeriodOnlyWhileEnabled) {
    VirtualTime time;
    std::vector<std::int64_t> ticks;
    time.add("t", 100, [&] { ticks.push_back(time.now()); });
    time.runFor(1000);
    EXPECT_TRUE(ticks.empty());
    time.start("t");
    time.runFor(350);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{1100, 1200, 1300}));
    time.stop("t");
    time.runFor(500);
    EXPECT_EQ(ticks.size(), 3u);
}

TEST(VirtualTime, EnablingAndRetimingStartTheCountdownAfresh) {
    VirtualTime time;
    std::vector<std::int64_t> ticks;
    time.add("t", 100, [&] { ticks.push_back(time.now()); });
    time.start("t");
    time.runFor(50);
    time.start("t");  // already running: keeps its countdown
    time.runFor(60);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100}));
    time.setInterval("t", 300);
    EXPECT_EQ(time.interval("t"), 300);
    time.runFor(400);
    EXPECT_EQ(ticks, (std::vector<std::int64_t>{100, 410}));
    time.stop("t");
    time.runFor(5);
    time.start("t");
    time.runFor(300);
    EXPECT_EQ(ticks.back(), 815);
}

TEST(VirtualTime, AnOverdueTimerFiresOnceAndNeverReentersItsHandler) {
    VirtualTime time;
    int slowTicks = 0, fastTicks = 0, nested = 0;
    bool inside = false;
    time.add("slow", 100, [&] {
        if (inside) ++nested;
        inside = true;
        ++slowTicks;
        time.sleep(450);  // blocks: nothing runs, every timer falls behind
        time.pump();      // must not run this handler again
        inside = false;
    });
    time.add("fast", 50, [&] { ++fastTicks; });
    time.start("slow");
    time.start("fast");
    time.runFor(100);
    EXPECT_EQ(slowTicks, 1);
    EXPECT_EQ(nested, 0);
    // The fast timer was nine periods late at the pump and ran once there.
    EXPECT_EQ(fastTicks, 2);
    EXPECT_EQ(time.now(), 550);
    time.runFor(1);  // the slow timer is overdue after its handler: fires once more now
    EXPECT_EQ(slowTicks, 2);
    EXPECT_EQ(time.now(), 1000);
}

TEST(VirtualTime, PumpRunsQueuedInputAndDueTimersButNotTheFuture) {
    VirtualTime time;
    std::vector<std::string> log;
    time.add("t", 100, [&] { log.push_back("tick"); });
    time.start("t");
    time.post([&] {
        log.push_back("click");
        time.post([&] { log.push_back("later"); });
    });
    time.pump();
    EXPECT_EQ(log, (std::vector<std::string>{"click"}));
    time.sleep(100);
    time.pump();
    EXPECT_EQ(log, (std::vector<std::string>{"click", "later", "tick"}));
    EXPECT_FALSE(time.pendingInput());
}

TEST(VirtualTime, RunUntilStopsAtTheConditionOrTheLimit) {
    VirtualTime time;
    int ticks = 0;
    time.add("t", 200, [&] { ++ticks; });
    time.start("t");
    EXPECT_TRUE(time.runUntil([&] { return ticks == 3; }, 10000));
    EXPECT_EQ(time.now(), 600);
    EXPECT_FALSE(time.runUntil([&] { return ticks == 100; }, 1000));
    EXPECT_EQ(time.now(), 1600);
    EXPECT_EQ(time.fired("t"), 8);
    EXPECT_THROW(time.start("missing"), std::out_of_range);
}
