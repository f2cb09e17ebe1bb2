#pragma once

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/window.h"

namespace quorvel::platform {

// A control the keyboard reaches with Tab, by name and index.
struct TabStop {
    const char* name;
    int index;
};

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
    // Whether its loading, closing or input steps are on the stack.
    bool busy() const { return busy_ > 0 || window_.handling(); }
    // Puts the window on screen, centred over the main screen, then runs its loading steps.
    void open();
    // Runs the window's own closing steps, gives the main screen back and takes the window
    // off screen. Closing is never refused.
    void close();
    // Takes the window off screen without its closing steps (it is being replaced).
    void withdraw();

    // Tab and Shift+Tab walk these controls (those shown and enabled), Enter or the space bar
    // presses the one with the focus (Enter stays with a text box), Escape closes the window.
    void setTabOrder(std::span<const TabStop> order);
    void focusNext(int step);

protected:
    // The window's own steps once it is on screen.
    virtual void opened() {}
    // The window's closing sequence, run before the main screen is enabled again.
    virtual void closing() {}
    Services services_;

private:
    void navigationKey(Event& event);

    Window& owner_;
    std::vector<Element*> tabOrder_;
    Window window_;
    bool open_ = false;
    int busy_ = 0;
};

// The one secondary window of a screen. A window replaced or cleared while one of its own
// handlers is still running (it pumped events, and the input replaced it) is kept until that
// handler returns, so it never runs on a destroyed window.
class ChildSlot {
public:
    ChildWindow* get() const { return current_.get(); }
    ChildWindow& operator*() const { return *current_; }
    ChildWindow* operator->() const { return current_.get(); }
    explicit operator bool() const { return current_ != nullptr; }
    void replace(std::unique_ptr<ChildWindow> next);
    void clear() { replace(nullptr); }
    // How many replaced windows still wait for their handlers to return.
    std::size_t waiting() const { return retired_.size(); }

private:
    std::unique_ptr<ChildWindow> current_;
    std::vector<std::unique_ptr<ChildWindow>> retired_;
};

}  // namespace quorvel::platform
