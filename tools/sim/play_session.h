#pragma once

#include <cstdint>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>

#include "engine/game_state.h"
#include "platform/headless/headless_platform.h"
#include "screen/quorvel.h"

namespace quorvel::sim {

using screen::Pace;

enum class GamblePolicy { Never, Take, Red, Black, Suit };

struct PlayOptions {
    long long spins = 1000;
    std::uint64_t seed = 1;
    int machinepay = 4;
    int lines = 25;
    int bet = 1;
    GamblePolicy gamble = GamblePolicy::Never;
    bool chaos = false;
};

// What a long run did with the money, and how long it took.
struct Ledger {
    long long games = 0;
    long long bankStart = 0, bankEnd = 0;
    long long invested = 0, wager = 0, totalwon = 0;
    long long jackpotPaid = 0, betMultiplePaid = 0, gambleLost = 0;
    long long freespinFeatures = 0, freespinsPlayed = 0, jackpotFeatures = 0, gambles = 0;
    long long restarts = 0;
    long long inputInHandlers = 0;  // input that arrived inside a handler's own pump
    double virtualSeconds = 0, wallSeconds = 0;
    // How far the books are from balancing: the run's totals against the credit it gained,
    // or, when input switched players, each slot's stored books against its own values.
    long long unexplained = 0;
    long long imbalance() const { return unexplained; }
    nlohmann::json json() const;
    std::string text() const;
};

// A rule of the books that a run broke, and where.
struct BrokenRule {
    std::string what;
};

// The real main screen on the headless platform, played only through input events, and
// restarted from its stored values when the player closes it.
class PlaySession {
public:
    explicit PlaySession(const PlayOptions& options);
    ~PlaySession();

    screen::Quorvel& game() { return *game_; }
    platform::headless::HeadlessPlatform& platform() { return *platform_; }
    const engine::PlayerValues& player() { return game_->player(); }
    const engine::RunState& run() { return game_->run(); }
    const Pace& pace() { return game_->counters().pace; }
    const PlayOptions& options() const { return options_; }

    // Input as a player gives it; each is delivered at once, like a click between ticks.
    void down(const std::string& name, int index = 0);
    void up(const std::string& name, int index = 0);
    void press(const std::string& name, int index = 0);
    void click(const std::string& name, int index = 0);
    void key(int character);
    bool shown(const std::string& name) { return game_->window().at(name).shown(); }
    bool enabled(const std::string& name) { return game_->window().at(name).active(); }

    // Lets virtual time pass until the condition holds; checks the rules at every event.
    bool runUntil(const std::function<bool()>& condition, std::int64_t limitMs);
    // Nothing runs on the timers that still owes the player money.
    bool settled();
    void insertCreditIfShort();
    // A fresh start-up from the stored values, as after the program was closed.
    void restart();
    // Throws BrokenRule when the live books or any slot's stored books do not balance.
    void checkBooks(const char* where);
    engine::PlayerValues storedSlot(int slot);
    void checkRules();
    // Where the run stands, for a message that says where a rule broke.
    std::string where();
    Ledger ledger(double wallSeconds);

private:
    void start();
    void setStake();

    PlayOptions options_;
    std::unique_ptr<platform::headless::HeadlessPlatform> platform_;
    std::unique_ptr<screen::Quorvel> game_;
    engine::Books earlier_;  // books of the runs before the last restart
    std::int64_t earlierMs_ = 0;
    long long earlierInputInPumps_ = 0;
    long long restarts_ = 0;
};

// Plays the run the options describe; throws BrokenRule at the first broken rule.
Ledger play(const PlayOptions& options);

}  // namespace quorvel::sim
