#include "engine/play_record.h"
#include "game_fixture.h"
#include "players/settings_layout.h"

using namespace quorvel;
using namespace quorvel::testing_support;

namespace {

struct Saving : GameTest {
    // What the store would hold had the last save written every key whatever it held.
    std::map<platform::headless::MemoryStore::Key, std::string> fullSave() {
        platform::headless::MemoryStore copy = p.store;
        players::savesettings(player, copy);
        players::savePlay(player, engine::playText(run, q.cabinet().play()), copy);
        return copy.entries();
    }
    // Free spins whose second spin wins too, so the feature total moves while they run.
    void playFreeSpins() {
        for (auto stops : {kThreeChestStops, kTenCentStops})
            queueSpin(stops);
        for (int spin = 1; spin < 10; ++spin)
            queueSpin(kLosingStops);
        spinButton();
        ASSERT_TRUE(p.runUntil([&] { return shown("takewin"); }, 120'000));
        click("takewin");
    }
};

}  // namespace

// Saves write only what changed, yet the store always ends as a save of every key would leave
// it, even after another writer changed a key behind the game's back.
TEST_F(Saving, OnlyChangedValuesAreWrittenAndTheStoreMatchesAFullSave) {
    startWithCredit(1000);
    queueSpin(kLosingStops);
    spinButton();
    ASSERT_EQ(p.store.entries(), fullSave());

    const int unchangedBefore = p.store.unchangedWrites();
    int writes = p.store.writes();
    for (int round = 0; round < 11; ++round) {  // the recall fills and then shifts
        playTenCentsTaken();
        ASSERT_EQ(p.store.entries(), fullSave()) << "round " << round;
        EXPECT_GT(p.store.writes(), writes) << "a spin's changes reach the store";
        writes = p.store.writes();
    }
    playFreeSpins();
    EXPECT_EQ(p.store.entries(), fullSave());
    EXPECT_EQ(player.history.games().front().freeSpinsWon, 10);
    EXPECT_GT(player.history.games().front().freeSpinTotal, 125);
    EXPECT_EQ(p.store.unchangedWrites(), unchangedBefore)
        << "a value the store already held was written again";

    // The options window or a hand edit writes the store directly: the game must not trust
    // what it last wrote, and the next save puts back what a full save would.
    store("games", "999");
    store("recall3", "edited");
    queueSpin(kLosingStops);
    spinButton();
    EXPECT_EQ(stored("games"), std::to_string(player.games));
    EXPECT_EQ(p.store.entries(), fullSave());

    // A write of the value already held changes nothing, and the saves stay lean after it.
    store("bank", std::to_string(player.bank));
    const int unchangedAfter = p.store.unchangedWrites();
    playTenCentsTaken();
    EXPECT_EQ(p.store.entries(), fullSave());
    EXPECT_EQ(p.store.unchangedWrites(), unchangedAfter);
}
