#pragma once

#include <cstdint>

namespace quorvel::platform {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Lets every pending event (input, due timers, repaints) run once, then returns.
    virtual void pump() = 0;
    // Blocks for the given time without running any event.
    virtual void sleep(int ms) = 0;
    // The wall clock, for the record of when a game was played: seconds since 1970.
    virtual std::int64_t secondsSinceEpoch() const { return 0; }
};

}  // namespace quorvel::platform
