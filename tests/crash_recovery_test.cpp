#include "game_fixture.h"
#include "engine/ledger.h"
#include "players/settings_layout.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

// The store as a crash would leave it: whatever was last written, nothing settled after.
struct CrashRecovery : GameTest {
    engine::PlayerValues restartFrom(const platform::headless::MemoryStore& kept) {
        platform::headless::HeadlessPlatform next;
        next.store = kept;
        screen::Quorvel again(next.services());
        again.Form_Load();
        stored_ = next.store;
        return again.player();
    }
    platform::headless::MemoryStore stored_;
};

}  // namespace

TEST_F(CrashRecovery, AFeatureCutShortIsPaidAtTheNextStart) {
    startWithCredit(1000);
    queueSpin(kThreeChestStops);
    queueSpin(kTwoChestStops);
    for (int i = 0; i < 9; ++i)
        queueSpin(kLosingStops);
    spinButton();
    ASSERT_TRUE(p.runUntil([&] { return run.freespinsplayed == 3; }, 60'000));
    const platform::headless::MemoryStore atTheCrash = p.store;
    EXPECT_EQ(atTheCrash.read("quorvel", "player1", "featureowed"), "150");
    EXPECT_EQ(atTheCrash.read("quorvel", "player1", "total"), "150");

    const engine::PlayerValues after = restartFrom(atTheCrash);
    EXPECT_EQ(after.bank, 975 + 150);
    EXPECT_EQ(after.featureowed, 0);
    EXPECT_EQ(engine::unexplainedCredit(after), 1000)
        << "the starting credit was stored, not inserted";
    EXPECT_EQ(stored_.read("quorvel", "player1", "featureowed"), "0") << "paid once, not twice";
}

TEST_F(CrashRecovery, EveryStoredMomentOfALongRunBalances) {
    p.store.write("quorvel", "notice", "autoplay", "-1");
    startWithCredit(0);
    down("coinsin");
    up("coinsin");
    down("autoplayon");
    // Stop the clock at many moments, as a crash would, and read the store each time.
    for (int moment = 0; moment < 400; ++moment) {
        p.runFor(97 + moment % 13 * 50);
        const platform::headless::MemoryStore kept = p.store;
        platform::headless::MemoryStore readBack = kept;
        engine::PlayerValues v;
        players::loadsettings(v, readBack, "1");
        EXPECT_EQ(engine::unexplainedCredit(v), 0) << "at " << p.clock.now() << " ms";
        EXPECT_EQ(q.cabinet().unexplained(), 0) << "live, at " << p.clock.now() << " ms";
        if (player.bank < 25) {
            down("coinsin");
            up("coinsin");
            if (counters.pace.autoplaymode == 0) {
                down("autoplayon");
                up("autoplayon");
                down("autoplayon");
            }
        }
    }
    EXPECT_GT(player.games, 20);
}
