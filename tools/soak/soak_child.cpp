#include "tools/soak/soak_child.h"

#include <signal.h>

#include <QCoreApplication>
#include <array>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "engine/play_record.h"
#include "platform/headless/headless_platform.h"
#include "platform/headless/spin_draws.h"
#include "platform/qt/qt_settings_store.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"

namespace quorvel::soak {
namespace {

using platform::EventKind;
using Stops = std::array<int, 5>;

constexpr Stops kLosing{1, 4, 3, 1, 1};
constexpr Stops kTenCents{1, 3, 19, 1, 1};
constexpr Stops kThreeChests{1, 4, 15, 5, 7};
constexpr Stops kJackpot{8, 16, 6, 1, 1};
constexpr Stops kThousand{1, 1, 12, 8, 1};

// The disk store, remembering the state of play last handed to it.
class NotingStore : public platform::SettingsStore {
public:
    explicit NotingStore(platform::qt::QtSettingsStore& disk) : disk_(disk) {}
    std::string read(const std::string& application, const std::string& section,
                     const std::string& key) const override {
        return disk_.read(application, section, key);
    }
    void write(const std::string& application, const std::string& section, const std::string& key,
               const std::string& value) override {
        if (key == players::kPlayKey) lastPlay = value;
        disk_.write(application, section, key, value);
    }
    std::uint64_t revision() const override { return disk_.revision(); }
    std::string lastPlay;

private:
    platform::qt::QtSettingsStore& disk_;
};

class Player;

// The game's pumps and sleeps also let the disk store commit, as they do in the real game;
// in the phase a kill is aimed at, sleeps take their real time so the kill can land there.
class PacedLoop : public platform::EventLoop {
public:
    PacedLoop(platform::EventLoop& inner, Player& player) : inner_(inner), player_(player) {}
    void pump() override;
    void sleep(int ms) override;
    void setInputWatch(platform::InputWatch* watch) override { inner_.setInputWatch(watch); }
    std::int64_t secondsSinceEpoch() const override { return inner_.secondsSinceEpoch(); }
    std::int64_t steadyMs() const override { return inner_.steadyMs(); }

private:
    platform::EventLoop& inner_;
    Player& player_;
};

class Player {
public:
    Player(std::uint64_t seed, const std::string& phaseFile, std::string target)
        : platform_(seed), rng_(seed), phaseFile_(phaseFile), target_(std::move(target)) {
        if (target_.starts_with("step")) {
            killAtStep_ = std::stoi(target_.substr(4));
            disk_.setCommitObserver([this](std::string_view) {
                if (--killAtStep_ == 0) raise(SIGKILL);
            });
        }
        platform::Services s = platform_.services();
        platform::Services paced{s.timers,  loop_,   s.sound,  s.resources, store_, s.messages,
                                 s.display, s.links, s.random, s.windows,   s.text};
        // The count-up runs step by step, so a kill can land inside it.
        if (store_.read("quorvel", "player1", "winroll").empty())
            store_.write("quorvel", "player1", "winroll", "1");
        game_ = std::make_unique<screen::Quorvel>(paced);
        game_->Form_Load();
    }

    [[noreturn]] void run() {
        while (true) {
            act();
            platform_.runFor(roll(3) == 0 ? roll(2500) : roll(200));
            QCoreApplication::processEvents();
            note();
        }
    }

    // The phase the disk holds, once what was written has been committed.
    void note() {
        const std::string stored = storedPhase();
        if (stored == last_) return;
        last_ = stored;
        if (FILE* f = std::fopen(phaseFile_.c_str(), "w")) {
            std::fputs(stored.c_str(), f);
            std::fclose(f);
        }
    }
    bool inTarget() const { return last_ == target_; }

private:
    int roll(int n) { return static_cast<int>(rng_() % static_cast<std::uint64_t>(n)); }
    platform::Window& w() { return game_->window(); }
    bool usable(const char* name) { return w().at(name).shown() && w().at(name).active(); }
    void press(const char* name, int index = 0) {
        platform::Element& e = w().at(name, index);
        w().dispatch(e, EventKind::MouseDown);
        w().dispatch(e, EventKind::MouseUp);
        w().dispatch(e, EventKind::Click);
    }

    std::string storedPhase() {
        if (game_->childWindow() && game_->childWindow()->isOpen()) return "options";
        if (platform_.clock.enabled("Timerwincounter") && game_->run().freespinmode == 0 &&
            game_->cabinet().phase() == engine::Phase::Idle)
            return "countup";
        engine::RunState run;
        engine::PlayState play;
        if (!engine::readPlay(store_.lastPlay, run, play)) return "idle";
        const engine::Phase phase = engine::phaseOf(run, play);
        if (phase == engine::Phase::Jackpot && run.ballstop > 0) return "jackpot_stop_drawn";
        return std::string(engine::phaseName(phase));
    }

    // The next spin's draws, steered towards the phase the kill is aimed at.
    void queueFor(const std::string& aim) {
        auto& random = platform_.random;
        if (aim == "free_spins" || aim == "total_waiting") {
            platform::headless::queueSpinDraws(random, kThreeChests);
        } else if (aim == "jackpot" || aim == "jackpot_stop_drawn") {
            platform::headless::queueSpinDraws(random, kJackpot, 1);
        } else if (aim == "gamble" || aim == "reveal" || aim == "countup") {
            platform::headless::queueSpinDraws(random, aim == "countup" ? kThousand : kTenCents);
        } else if (aim == "spin") {
            platform::headless::queueSpinDraws(random, roll(2) ? kLosing : kTenCents);
        }
    }

    void act() {
        if (platform::ChildWindow* child = game_->childWindow(); child && child->isOpen()) {
            if (roll(4) == 0) child->close();
            return;
        }
        const bool waitHere = target_ == "total_waiting" || target_ == "gamble";
        if (usable("takewin") && !(waitHere && inTarget())) return press("takewin");
        if (w().at("pandouble").shown()) return gamble();
        if (!game_->cabinet().creditCovers() && usable("coinsin")) return press("coinsin");
        if (game_->cabinet().phase() != engine::Phase::Idle) return;
        const int dice = roll(100);
        if (target_ == "gamble" || target_ == "reveal") {
            if (usable("doublebutton")) return press("doublebutton");
        } else if (dice < 10 && usable("autoplayon")) {
            return press("autoplayon");
        } else if (dice < 40 && usable("doublebutton")) {
            return press("doublebutton");
        } else if (dice < 43 && usable("btnoptions")) {
            return press("btnoptions");
        }
        if (usable("btnspin")) {
            if (roll(2) == 0) queueFor(target_);
            press("btnspin");
        }
    }

    void gamble() {
        if (target_ == "gamble" && inTarget()) return;
        if (roll(3) == 0 && target_ != "reveal") return press("cancelbet");
        press(roll(2) ? "betred" : "betblack");
    }

    platform::headless::HeadlessPlatform platform_;
    platform::qt::QtSettingsStore disk_{"QuorvelSoak"};
    NotingStore store_{disk_};
    PacedLoop loop_{platform_.clock, *this};
    std::unique_ptr<screen::Quorvel> game_;
    std::mt19937_64 rng_;
    std::string phaseFile_;
    std::string target_;
    std::string last_;
    int killAtStep_ = 0;
};

void PacedLoop::pump() {
    inner_.pump();
    QCoreApplication::processEvents();
    player_.note();
}

void PacedLoop::sleep(int ms) {
    inner_.sleep(ms);
    if (player_.inTarget()) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    QCoreApplication::processEvents();
    player_.note();
}

}  // namespace

void playUntilKilled(std::uint64_t seed, const std::string& phaseFile, const std::string& target) {
    Player(seed, phaseFile, target).run();
}

}  // namespace quorvel::soak
