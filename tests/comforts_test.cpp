// What players expect of a modern cabinet beyond the rules: their own volume, and reels that
// land at once when asked.
#include "game_fixture.h"

using namespace quorvel;
using namespace quorvel::testing_support;
using Strings = std::vector<std::string>;

namespace {

struct Comforts : GameTest {
    int volumePicture() { return w.at("volumebar").picture().index; }
    void clickVolumeBar(int x) {
        platform::Event at;
        at.x = x;
        w.dispatch(w.at("volumebar"), platform::EventKind::MouseDown, at);
    }

    struct Spin {
        std::int32_t credit;
        std::array<int, 5> tops;
        Strings cues;
        std::int64_t ms;
    };
    // One spin by the SPIN button at the slowest reels, with a press `hurry` ms into it.
    Spin spinWith(std::array<int, 5> stops, const std::function<void(std::int64_t)>& hurry) {
        const std::int32_t before = player.bank;
        const std::int64_t start = p.clock.now();
        queueSpin(stops);
        if (hurry) hurry(start);
        down("btnspin");
        Spin spin{player.bank - before, {}, sounds(), p.clock.now() - start};
        up("btnspin");
        for (int reel = 1; reel <= 5; ++reel)
            spin.tops[reel - 1] = w.at("reel" + std::to_string(reel)).top();
        return spin;
    }
};

}  // namespace

TEST_F(Comforts, TheVolumeIsThePlayersAndMuteKeepsItsLevel) {
    store("volume", "40");
    startWithCredit(500);
    EXPECT_EQ(p.sound.volume(), 40);
    EXPECT_EQ(volumePicture(), 5) << "four of ten steps lit";
    queueSpin(kTenCentStops);
    spinButton();
    ASSERT_FALSE(p.sound.calls().empty());
    for (const auto& call : p.sound.calls())
        EXPECT_EQ(call.volume, 40) << call.name;

    p.keyDown(w, 'M');
    p.runFor(0);
    EXPECT_TRUE(q.muted());
    EXPECT_EQ(p.sound.volume(), 0);
    EXPECT_EQ(w.at("btnmute").picture().index, 2);
    EXPECT_EQ(player.volume, 40) << "muting keeps the level";
    // The mute key does not use up the one key a spin takes: the space bar still spins.
    key('m');
    queueSpin(kLosingStops);
    const std::int32_t games = player.games;
    key(' ');
    EXPECT_EQ(player.games, games + 1);

    click("btnmute");
    EXPECT_FALSE(q.muted());
    EXPECT_EQ(p.sound.volume(), 40);
    clickVolumeBar(w.at("volumebar").width());
    EXPECT_EQ(p.sound.volume(), 100);
    EXPECT_EQ(stored("volume"), "100") << "the level is saved with the profile at once";
    clickVolumeBar(0);
    EXPECT_EQ(p.sound.volume(), 0);
    EXPECT_EQ(volumePicture(), 1);
    for (int code : {'+', '=', '+', '-'})
        p.keyDown(w, code);
    p.runFor(0);
    EXPECT_EQ(p.sound.volume(), 20) << "the plus and minus keys step by a tenth";
}

TEST_F(Comforts, AStoredVolumeOutOfRangeFallsBackToFull) {
    store("volume", "250");
    store("quickstop", "7");
    startWithCredit(500);
    EXPECT_EQ(player.volume, 100);
    EXPECT_EQ(player.quickstop, 1);
    EXPECT_EQ(p.sound.volume(), 100);
}

TEST_F(Comforts, QuickStopLandsTheSameResultSoonerWithEveryLandingCueOnce) {
    store("reelspeed", "10");
    startWithCredit(5000);
    const Spin full = spinWith(kTwoChestStops, nullptr);
    const Spin reels = spinWith(kTwoChestStops, [&](auto t) { p.pressAt(t + 300, w, "Picture3"); });
    const Spin spinKey =
        spinWith(kTwoChestStops, [&](auto t) { p.pressAt(t + 300, w, "btnspin"); });
    const Spin space = spinWith(kTwoChestStops, [&](auto t) { p.keyAt(t + 1500, w, ' '); });
    for (const Spin* hurried : {&reels, &spinKey, &space}) {
        EXPECT_EQ(hurried->credit, full.credit);
        EXPECT_EQ(hurried->tops, full.tops);
        EXPECT_EQ(hurried->cues, full.cues);
        EXPECT_LT(hurried->ms + 1000, full.ms);
    }
    EXPECT_FALSE(p.clock.pendingInput()) << "the press that landed the reels reaches nothing else";
}

TEST_F(Comforts, QuickStopNeverSpeedsAutoplayAndCanBeTurnedOff) {
    store("reelspeed", "10");
    store("quickstop", "0");
    startWithCredit(5000);
    const Spin full = spinWith(kLosingStops, nullptr);
    const Spin off = spinWith(kLosingStops, [&](auto t) { p.pressAt(t + 300, w, "Picture1"); });
    EXPECT_EQ(off.ms, full.ms);
    arrange([](auto&, auto& v) { v.quickstop = 1; });
    // A press elsewhere (Select Lines) is no request to stop.
    const Spin elsewhere =
        spinWith(kLosingStops, [&](auto t) { p.pressAt(t + 300, w, "payline"); });
    EXPECT_EQ(elsewhere.ms, full.ms);
    counters.pace.autoplaymode = screen::Pace::kAutoplayOn;
    const Spin autoplay =
        spinWith(kLosingStops, [&](auto t) { p.pressAt(t + 300, w, "Picture1"); });
    EXPECT_EQ(autoplay.ms, full.ms);
}
