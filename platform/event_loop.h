#pragma once

namespace quorvel::platform {

class EventLoop {
public:
    virtual ~EventLoop() = default;
    // Lets every pending event (input, due timers, repaints) run once, then returns.
    virtual void pump() = 0;
    // Blocks for the given time without running any event.
    virtual void sleep(int ms) = 0;
};

}  // namespace quorvel::platform
