#include "engine/play_record.h"
#include "game_fixture.h"
#include "players/settings_layout.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

// The store as a crash would leave it: whatever was last written, nothing settled after.
struct CrashRecovery : GameTest {};

}  // namespace

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
        EXPECT_EQ(engine::unexplainedStored(v, players::loadPlay(readBack, "1")), 0)
            << "at " << p.clock.now() << " ms";
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
