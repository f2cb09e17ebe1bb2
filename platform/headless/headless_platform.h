#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/headless/recorders.h"
#include "platform/headless/scripted_random.h"
#include "platform/headless/virtual_time.h"
#include "platform/services.h"
#include "platform/window.h"

namespace quorvel::platform::headless {

// Keeps track of which windows the game has opened and what they announced; nothing is drawn.
class HeadlessWindowHost : public WindowHost, public WindowObserver {
public:
    void open(Window& window) override;
    void close(Window& window) override;
    void bringToFront(Window& window) override { front_ = &window; }
    const std::vector<Window*>& openWindows() const { return open_; }
    Window* front() const { return front_; }
    // What the windows gave a screen reader to say, in order.
    const std::vector<std::string>& announcements() const { return announcements_; }
    void clearAnnouncements() { announcements_.clear(); }

    void elementChanged(Element&, Aspect) override {}
    void windowChanged(Window&) override {}
    void announced(Window&, const std::string& text) override { announcements_.push_back(text); }

private:
    std::vector<std::string> announcements_;
    std::vector<Window*> open_;
    Window* front_ = nullptr;
};

// The whole platform for tests, plus the driver that plays the part of the player.
class HeadlessPlatform {
public:
    explicit HeadlessPlatform(std::uint64_t seed = 1);

    Services services();

    VirtualTime clock;
    RecordingSound sound{clock};
    MemoryResources resources;
    MemoryStore store;
    ScriptedMessageBoxes messages;
    FakeDisplay display;
    FakeLinks links;
    ScriptedRandom random;
    HeadlessWindowHost windows;
    // The source texts unless a test or the simulator gives a catalogue of languages.
    SourceCatalogue sourceText;
    TextCatalogue* text = &sourceText;

    void runFor(std::int64_t ms) { clock.runFor(ms); }
    bool runUntil(const std::function<bool()>& condition, std::int64_t limitMs) {
        return clock.runUntil(condition, limitMs);
    }

    // Queued input, as a player would give it; it runs at the next pump or run step.
    void click(Window& window, const std::string& name, int index = 0);
    void mouseDown(Window& window, const std::string& name, int index = 0, int button = 1);
    void mouseUp(Window& window, const std::string& name, int index = 0, int button = 1);
    void mouseMove(Window& window, const std::string& name, int index = 0);
    // A full press of a picture button: down, up, then click.
    void press(Window& window, const std::string& name, int index = 0);
    void mouseMoveOnWindow(Window& window);
    void key(Window& window, int character);
    void keyDown(Window& window, int code);
    void closeRequest(Window& window);
    // A full press of an element, or a typed character, given at virtual time `at` even if
    // the game is then busy in a sleep.
    void pressAt(std::int64_t at, Window& window, const std::string& name, int index = 0);
    void keyAt(std::int64_t at, Window& window, int character);
    // One event given at virtual time `at`, lost if its window has closed by then. A mouse
    // press or a click is offered to a watch as a press at the element's centre, and the
    // release of a press the watch took is swallowed with it, as a toolkit does.
    void eventAt(std::int64_t at, Window& window, const std::string& name, int index,
                 EventKind kind, int button = 1);
    void keyDownAt(std::int64_t at, Window& window, int code);
    // A request to close the window, or the mouse moving over no element of it.
    void windowEventAt(std::int64_t at, Window& window, EventKind kind);

private:
    bool isOpen(const Window* window) const;
    Press pressOn(Window& window, const std::string& name, int index) const;
    void queueElementEvent(Window& window, const std::string& name, int index, EventKind kind,
                           Event event);

    bool releaseTaken_ = false;
};

}  // namespace quorvel::platform::headless
