#pragma once

#include <chrono>
#include <cstdint>

namespace quorvel::platform {

class Window;

// A press the player gives while the game is busy: a mouse button at a point of the window's
// client area (twips), or a typed character (`key`, 0 for the mouse).
struct Press {
    const Window* window = nullptr;
    int x = 0, y = 0;
    int key = 0;
};

// Looks at presses while the game sleeps in a loop of its own (the reels turning).
class InputWatch {
public:
    virtual ~InputWatch() = default;
    // True when the press is the watcher's: it is used up and reaches no handler.
    virtual bool takes(const Press& press) = 0;
};

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Lets every pending event (input, due timers, repaints) run once, then returns.
    virtual void pump() = 0;
    // Blocks for the given time without running any event.
    virtual void sleep(int ms) = 0;
    // While a watch is set each sleep shows it the presses given so far; the ones it leaves,
    // and all other input, wait for the next pump as they always do during a sleep.
    virtual void setInputWatch(InputWatch* watch) = 0;
    // The wall clock, for the record of when a game was played: seconds since 1970.
    virtual std::int64_t secondsSinceEpoch() const { return 0; }
    // A steady clock in milliseconds, for animations that keep to their length however late
    // their timer ticks come (a handler that sleeps holds every other timer back).
    virtual std::int64_t steadyMs() const {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace quorvel::platform
