#include <map>

#include "game_fixture.h"

using namespace quorvel;
using Strings = std::vector<std::string>;

namespace {

// Counts the animation's pauses and sees every reel position as the screen would.
struct Recorder : platform::EventLoop, platform::WindowObserver {
    platform::headless::VirtualTime& clock;
    explicit Recorder(platform::headless::VirtualTime& c) : clock(c) {}
    int sleeps = 0;
    int sleptMs = 0;
    std::map<std::string, std::vector<int>> tops;
    void pump() override { clock.pump(); }
    void setInputWatch(platform::InputWatch* watch) override { clock.setInputWatch(watch); }
    void sleep(int ms) override {
        ++sleeps;
        sleptMs += ms;
        clock.sleep(ms);
    }
    void elementChanged(platform::Element& e, platform::Aspect aspect) override {
        if (aspect == platform::Aspect::Geometry && e.name().starts_with("reel"))
            tops[e.name()].push_back(e.top());
    }
    void windowChanged(platform::Window&) override {}
};

struct ReelAnimation : ::testing::Test {
    platform::headless::HeadlessPlatform p;
    Recorder rec{p.clock};
    platform::Services services{p.clock,   rec,     p.sound,  p.resources, p.store, p.messages,
                                p.display, p.links, p.random, p.windows,   *p.text};
    screen::Quorvel q{services};
    const engine::RunState& run = q.run();
    void arrange(const testing_support::CabinetEdit& edit) {
        testing_support::arrangeCabinet(q, edit);
    }

    void land(std::array<int, 5> stops, int scattercount = 0) {
        arrange([&](auto& r, auto&) {
            for (int reel = 1; reel <= 5; ++reel) {
                r.stop[reel] = static_cast<std::int16_t>(stops[reel - 1]);
                r.scattercell[reel] = 0;
            }
            r.scattercount = static_cast<std::int16_t>(scattercount);
        });
        q.window().setObserver(&rec);
        q.spinreels();
        q.window().setObserver(nullptr);
    }
    int top(int reel) { return q.window().at("reel" + std::to_string(reel)).top(); }
    Strings sounds() {
        Strings names;
        for (const auto& call : p.sound.calls())
            names.push_back(call.name.substr(12));
        return names;
    }
};

}  // namespace

TEST_F(ReelAnimation, EverySpeedCodeHasItsStepsAndPauses) {
    struct Case {
        int code, steps, pause;
    };
    for (Case c : {Case{1, 169, 2}, Case{2, 181, 4}, Case{4, 211, 7}, Case{8, 269, 12},
                   Case{10, 229, 15}, Case{3, 169, 2}, Case{-7, 169, 2}}) {
        arrange([&](auto&, auto& v) { v.reelspeed = static_cast<std::int16_t>(c.code); });
        rec.sleeps = rec.sleptMs = 0;
        const auto before = p.clock.now();
        land({7, 13, 1, 22, 9});
        EXPECT_EQ(rec.sleeps, c.steps) << "code " << c.code;
        EXPECT_EQ(rec.sleptMs, c.steps * c.pause) << "code " << c.code;
        EXPECT_EQ(p.clock.now() - before, c.steps * c.pause) << "code " << c.code;
        for (int reel = 1; reel <= 5; ++reel)
            EXPECT_EQ(top(reel), -1875 * run.stop[reel]) << "code " << c.code << " reel " << reel;
    }
}

TEST_F(ReelAnimation, TheHighestStopSweepsAndBouncesBackToItsPlace) {
    arrange([&](auto&, auto& v) { v.reelspeed = 1; });
    land({1, 1, 1, 1, 1});
    const std::vector<int>& reel1 = rec.tops["reel1"];
    // Six sweeps of three positions, each from 4050 below the stop.
    ASSERT_GE(reel1.size(), 18u);
    EXPECT_EQ(reel1[0], -5925);
    EXPECT_EQ(reel1[1], -4050);
    EXPECT_EQ(reel1[2], -2175);
    EXPECT_EQ(reel1[3], -5925);
    // Then the bounce: 580 below the stop, climbing 20 a step to rest on it.
    EXPECT_EQ(reel1[18], -1295);
    EXPECT_EQ(reel1.back(), -1875);
    EXPECT_EQ(reel1.size(), 18u + 30u);
    // Reel 5 sweeps 2980 lower while reel 4 settles: its top passes above the strip.
    const std::vector<int>& reel5 = rec.tops["reel5"];
    EXPECT_EQ(*std::max_element(reel5.begin(), reel5.end()), -2175 + 2980 + 0);
}

TEST_F(ReelAnimation, CodeEightBouncesWithinTheNextStage) {
    arrange([&](auto&, auto& v) { v.reelspeed = 8; });
    land({10, 10, 10, 10, 10});
    // Seven positions a sweep, seven sweeps a stage: reel 2 moves 42 times with reel 1,
    // 49 times in its own stage, then climbs back in 30 steps and rests for the last 19.
    const std::vector<int>& reel2 = rec.tops["reel2"];
    ASSERT_EQ(reel2.size(), 42u + 49u + 30u);
    for (int k = 1; k <= 30; ++k)
        EXPECT_EQ(reel2[90 + k], -18750 + 600 - 20 * k) << k;
}

TEST_F(ReelAnimation, LandingSoundsNameTheReelsWithChests) {
    q.Form_Load();
    p.sound.clear();
    arrange([&](auto& r, auto& v) {
        v.soundonoff = -1;
        v.reelspeed = 1;
        r.freespinmode = 0;
        for (int reel : {1, 3, 4})
            r.scattercell[reel] = static_cast<std::int16_t>(3 * reel - 1);
        r.scattercount = 3;
    });
    q.spinreels();
    EXPECT_EQ(sounds(), (Strings{"107", "104", "104", "109", "104", "110", "104"}));
}

TEST_F(ReelAnimation, AChestOnReelFourAloneMakesNoChestSound) {
    q.Form_Load();
    p.sound.clear();
    arrange([&](auto& r, auto& v) {
        v.soundonoff = -1;
        r.scattercell[4] = 11;
        r.scattercount = 1;
    });
    q.spinreels();
    EXPECT_EQ(sounds(), (Strings{"104", "104", "104", "104", "104"}));
}

TEST_F(ReelAnimation, FreeSpinsAndSoundsOffAreSilentAndLeaveTheCreditAlone) {
    arrange([&](auto&, auto& v) { v.soundonoff = 0; });
    q.spinreels();
    EXPECT_TRUE(sounds().empty());
    arrange([&](auto& r, auto& v) {
        v.soundonoff = -1;
        v.bank = 4321;
        r.freespinmode = -1;
    });
    q.window().at("panelbank").setCaption("unchanged");
    const auto before = p.clock.now();
    q.spinreels();
    EXPECT_TRUE(sounds().empty());
    EXPECT_EQ(q.window().at("panelbank").caption(), "unchanged");
    EXPECT_EQ(p.clock.now() - before, 338) << "the reels turn the same way";
}
