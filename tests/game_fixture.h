#pragma once

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "platform/headless/spin_draws.h"
#include "screen/quorvel.h"
#include "tests/arrange.h"

namespace quorvel::platform {
inline void PrintTo(const Picture& picture, std::ostream* out) {
    *out << picture.source << "(" << picture.index << (picture.overlay ? "+" : "")
         << (picture.overlay ? std::to_string(picture.overlay) : "") << ")";
}
}  // namespace quorvel::platform

namespace quorvel::testing_support {

using platform::headless::queueSpinDraws;

// A started game on the headless platform: the player's input goes through the driver,
// draws are queued, time is virtual.
// A cabinet of its own, for tests that play several side by side or one per case.
// Stops of draws the tests rely on (25 lines, 1 cent a line).
inline constexpr std::array<int, 5> kLosingStops{1, 4, 3, 1, 1};
// Pays 10: lines 19 and 20 each three of a kind through the wilds in cells 3 and 6.
inline constexpr std::array<int, 5> kTenCentStops{1, 3, 19, 1, 1};
// Pays 1000 over seventeen lines.
inline constexpr std::array<int, 5> kThousandStops{1, 1, 12, 8, 1};
// Two chests and nothing else: pays the total bet back, 25.
inline constexpr std::array<int, 5> kTwoChestStops{1, 4, 3, 5, 7};

// Chests and nothing else: three pay 125, four 250, five 500.
inline constexpr std::array<int, 5> kThreeChestStops{1, 4, 15, 5, 7};
inline constexpr std::array<int, 5> kFourChestStops{1, 7, 14, 5, 7};
inline constexpr std::array<int, 5> kFiveChestStops{10, 7, 1, 5, 7};
// A jolly roger on top of reels 1, 2 and 3; with the mystery tile counting, the feature.
inline constexpr std::array<int, 5> kJackpotStops{8, 16, 6, 1, 1};

struct LoneGame {
    platform::headless::HeadlessPlatform p;
    screen::Quorvel q{p.services()};
    void press(const std::string& name) {
        p.mouseDown(q.window(), name);
        p.mouseUp(q.window(), name);
        p.runFor(0);
    }
    std::string caption(const std::string& name) { return q.window().at(name).caption(); }
    bool shown(const std::string& name) { return q.window().at(name).visible(); }
};

struct GameTest : ::testing::Test {
    GameTest() = default;
    // The game in the catalogue's language.
    explicit GameTest(platform::TextCatalogue& text) : q(speaking(p, text)) {}
    static platform::Services speaking(platform::headless::HeadlessPlatform& p,
                                       platform::TextCatalogue& text) {
        p.text = &text;
        return p.services();
    }

    platform::headless::HeadlessPlatform p;
    screen::Quorvel q{p.services()};
    platform::Window& w = q.window();
    const engine::RunState& run = q.run();
    const engine::PlayerValues& player = q.player();
    screen::AnimationCounters& counters = q.counters();

    void arrange(const CabinetEdit& edit) { arrangeCabinet(q, edit); }

    // Stores the values of slot 1 before start-up, as a returning player would have them.
    void store(const std::string& key, const std::string& value,
               const std::string& app = "quorvel") {
        p.store.write(app, "player1", key, value);
    }
    void start() {
        q.Form_Load();
        p.sound.clear();
    }
    // The credit as coins put it there, so the stored books balance.
    void startWithCredit(int cents, bool sound = true) {
        store("bank", std::to_string(cents));
        store("amountinvested", std::to_string(cents));
        store("soundonoff", sound ? "-1" : "0");
        start();
    }

    void queueSpin(std::array<int, 5> stops, int reel3 = 2, int payout = 1) {
        queueSpinDraws(p.random, stops, reel3, payout);
    }

    // Input is delivered at once, as the platform delivers a click between timer ticks.
    void down(const std::string& name, int index = 0) {
        p.mouseDown(w, name, index);
        p.runFor(0);
    }
    void up(const std::string& name, int index = 0) {
        p.mouseUp(w, name, index);
        p.runFor(0);
    }
    void click(const std::string& name, int index = 0) {
        p.click(w, name, index);
        p.runFor(0);
    }
    void key(int character) {
        p.key(w, character);
        p.runFor(0);
    }
    // Three chests win ten free spins, all losing, played out and collected.
    void playLosingFreeSpinsAndCollect() {
        queueSpin(kThreeChestStops);
        for (int i = 0; i < 10; ++i)
            queueSpin(kLosingStops);
        spinButton();
        ASSERT_TRUE(p.runUntil([&] { return shown("takewin"); }, 120'000));
        click("takewin");
    }
    void spinButton() {
        down("btnspin");
        up("btnspin");
    }
    // Ten cents won on a 25-cent stake, doubled on black and taken.
    void playTenCentsTaken() {
        queueSpin(kTenCentStops);
        spinButton();
        down("doublebutton");
        p.random.queueDraw(2, 4);
        click("betblack");
        click("cancelbet");
    }

    std::vector<std::string> sounds() {
        std::vector<std::string> names;
        for (const auto& call : p.sound.calls())
            names.push_back(call.kind == platform::headless::RecordingSound::Kind::Stop
                                ? "stop"
                                : call.name.substr(12));  // "RESOURCE_ID_" off
        p.sound.clear();
        return names;
    }
    // Where an element is painted: later ones lie over earlier ones.
    std::size_t layer(const platform::Element& element) const {
        const auto& all = w.elements();
        for (std::size_t i = 0; i < all.size(); ++i)
            if (all[i].get() == &element) return i;
        return all.size();
    }
    std::string text(const std::string& name, int index = 0) { return w.at(name, index).caption(); }
    bool shown(const std::string& name, int index = 0) { return w.at(name, index).shown(); }
    bool enabled(const std::string& name, int index = 0) { return w.at(name, index).enabled(); }
    std::string stored(const std::string& key, const std::string& section = "player1",
                       const std::string& app = "quorvel") {
        return p.store.read(app, section, key);
    }
    // A secondary window on screen, by name; nullptr when none is.
    platform::Window* openWindow(const std::string& name) {
        for (platform::Window* window : p.windows.openWindows())
            if (window->name() == name) return window;
        return nullptr;
    }
    // Keys without a character (F2, F3) reach the main screen as key-downs.
    void keyDown(int code) {
        p.keyDown(w, code);
        p.runFor(0);
    }
};

}  // namespace quorvel::testing_support
