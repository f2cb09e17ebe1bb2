#pragma once

#include <string>

#include "platform/services.h"
#include "platform/window.h"

namespace quorvel::platform {

// A window opened over the main screen. The main screen stays disabled while it is open and
// gets its input back however the window closes.
class ChildWindow {
public:
    ChildWindow(Services services, Window& owner, std::string name, int clientWidth,
                int clientHeight, std::string caption);
    virtual ~ChildWindow();
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    Window& window() { return window_; }
    Window& owner() { return owner_; }
    bool isOpen() const { return open_; }
    // Puts the window on screen, centred over the main screen.
    void open();
    // Runs the window's own closing steps, gives the main screen back and takes the window
    // off screen. Closing is never refused.
    void close();

protected:
    // The window's closing sequence, run before the main screen is enabled again.
    virtual void closing() {}
    Services services_;

private:
    Window& owner_;
    Window window_;
    bool open_ = false;
};

}  // namespace quorvel::platform
