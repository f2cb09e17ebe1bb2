#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/event_loop.h"
#include "platform/timers.h"

namespace quorvel::platform::headless {

// A virtual clock with the timers and the event queue that run on it. Nothing runs during
// a sleep; time moves only by sleeps and by the driver's run calls.
class VirtualTime : public Timers, public EventLoop {
public:
    std::int64_t now() const { return now_; }

    void add(const std::string& name, int intervalMs, std::function<void()> handler) override;
    // Enabling a stopped timer starts its countdown; enabling a running one changes nothing.
    void setEnabled(std::string_view name, bool enabled) override;
    void setInterval(std::string_view name, int intervalMs) override;
    bool enabled(std::string_view name) const override;
    int interval(std::string_view name) const override;
    // How often the timer's handler has run.
    int fired(std::string_view name) const;
    // Whether the timer's handler is on the stack right now.
    bool running(std::string_view name) const { return get(name).running; }

    void pump() override;
    void sleep(int ms) override;
    void setInputWatch(InputWatch* watch) override { watch_ = watch; }
    // A fixed day plus the virtual time, so a run records the same times every time.
    std::int64_t secondsSinceEpoch() const override { return kEpoch + now_ / 1000; }
    std::int64_t steadyMs() const override { return now_; }
    static constexpr std::int64_t kEpoch = 1'796'000'000;  // a day in November 2026

    // Queues an input event; it runs at the next pump or run step.
    void post(std::function<void()> input);
    bool pendingInput() const { return !input_.empty(); }
    // How much input ran inside a handler's own pump rather than between handlers.
    long long inputInPumps() const { return inputInPumps_; }
    // A press given at virtual time `at`, whatever the game is doing then: a sleep under a
    // watch offers it to the watch (`taken` runs if the watch uses it up); otherwise, or when
    // the watch leaves it, `input` is queued. A press for no window is never offered.
    void pressAt(std::int64_t at, Press press, std::function<void()> input,
                 std::function<void()> taken = {});

    // Runs input and timers until the clock has advanced by ms.
    void runFor(std::int64_t ms);
    // Runs until the condition holds (checked after every event) or the limit passes.
    bool runUntil(const std::function<bool()>& condition, std::int64_t limitMs);

private:
    struct Timer {
        std::string name;
        int interval = 0;
        bool enabled = false;
        bool running = false;
        std::int64_t due = 0;
        int fired = 0;
        std::function<void()> handler;
    };

    Timer* find(std::string_view name);
    const Timer* find(std::string_view name) const;
    Timer& get(std::string_view name);
    const Timer& get(std::string_view name) const;
    // Runs the input queued so far; answers how much ran.
    int runInput();
    // The enabled, idle timer that is due first (ties in the order added), or nullptr.
    Timer* nextDue();
    void fire(Timer& timer);
    // Hands the presses whose time has come to the watch or to the input queue.
    void givePresses(bool watched);
    std::int64_t nextPress() const;

    struct TimedPress {
        std::int64_t at;
        Press press;
        std::function<void()> input;
        std::function<void()> taken;
    };

    std::int64_t now_ = 0;
    std::vector<Timer> timers_;
    std::deque<std::function<void()>> input_;
    std::vector<TimedPress> presses_;
    InputWatch* watch_ = nullptr;
    long long inputInPumps_ = 0;
};

}  // namespace quorvel::platform::headless
