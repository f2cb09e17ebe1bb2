#pragma once

namespace quorvel::platform {

class Window;

// Puts model windows on the platform's screen; the game owns the windows themselves.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    virtual void open(Window& window) = 0;
    virtual void close(Window& window) = 0;
    virtual void bringToFront(Window& window) = 0;
};

}  // namespace quorvel::platform
