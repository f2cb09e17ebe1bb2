#include "platform/headless/headless_platform.h"

#include <algorithm>
#include <utility>

namespace quorvel::platform::headless {

void HeadlessWindowHost::open(Window& window) {
    if (std::find(open_.begin(), open_.end(), &window) == open_.end()) open_.push_back(&window);
    if (!window.observer()) window.setObserver(this);
    window.setVisible(true);
    front_ = &window;
}

void HeadlessWindowHost::close(Window& window) {
    std::erase(open_, &window);
    window.setVisible(false);
    if (window.observer() == this) window.setObserver(nullptr);
    if (front_ == &window) front_ = open_.empty() ? nullptr : open_.back();
}

HeadlessPlatform::HeadlessPlatform(std::uint64_t seed) : random(clock, seed) {
    messages.onShow = [this] {
        for (Window* window : windows.openWindows())
            window->releaseCapture();
    };
}

Services HeadlessPlatform::services() {
    return Services{clock,   clock, sound,  resources, store, messages,
                    display, links, random, windows,   *text};
}

void HeadlessPlatform::queueElementEvent(Window& window, const std::string& name, int index,
                                         EventKind kind, Event event) {
    clock.post([&window, name, index, kind, event] {
        if (Element* element = window.find(name, index)) window.dispatch(*element, kind, event);
    });
}

void HeadlessPlatform::click(Window& window, const std::string& name, int index) {
    queueElementEvent(window, name, index, EventKind::Click, {});
}

void HeadlessPlatform::mouseDown(Window& window, const std::string& name, int index, int button) {
    Event event;
    event.button = button;
    queueElementEvent(window, name, index, EventKind::MouseDown, event);
}

void HeadlessPlatform::mouseUp(Window& window, const std::string& name, int index, int button) {
    Event event;
    event.button = button;
    queueElementEvent(window, name, index, EventKind::MouseUp, event);
}

void HeadlessPlatform::mouseMove(Window& window, const std::string& name, int index) {
    queueElementEvent(window, name, index, EventKind::MouseMove, {});
}

void HeadlessPlatform::press(Window& window, const std::string& name, int index) {
    mouseDown(window, name, index);
    mouseUp(window, name, index);
    click(window, name, index);
}

void HeadlessPlatform::mouseMoveOnWindow(Window& window) {
    clock.post([&window] { window.dispatchWindow(EventKind::MouseMove); });
}

void HeadlessPlatform::key(Window& window, int character) {
    clock.post([&window, character] { window.keyPress(character); });
}

void HeadlessPlatform::keyDown(Window& window, int code) {
    clock.post([&window, code] { window.keyDown(code); });
}

bool HeadlessPlatform::isOpen(const Window* window) const {
    const auto& open = windows.openWindows();
    return std::find(open.begin(), open.end(), window) != open.end();
}

Press HeadlessPlatform::pressOn(Window& window, const std::string& name, int index) const {
    const Element& element = window.at(name, index);
    return Press{&window, element.absoluteLeft() + element.width() / 2,
                 element.absoluteTop() + element.height() / 2, 0};
}

void HeadlessPlatform::pressAt(std::int64_t at, Window& window, const std::string& name,
                               int index) {
    clock.pressAt(at, pressOn(window, name, index), [this, &window, name, index] {
        if (!isOpen(&window)) return;
        for (EventKind kind : {EventKind::MouseDown, EventKind::MouseUp, EventKind::Click})
            if (Element* element = window.find(name, index)) window.dispatch(*element, kind);
    });
}

void HeadlessPlatform::keyAt(std::int64_t at, Window& window, int character) {
    clock.pressAt(at, Press{&window, 0, 0, character}, [this, &window, character] {
        if (isOpen(&window)) window.keyPress(character);
    });
}

void HeadlessPlatform::eventAt(std::int64_t at, Window& window, const std::string& name, int index,
                               EventKind kind, int button) {
    const bool press = kind == EventKind::MouseDown || kind == EventKind::Click;
    Event event;
    event.button = button;
    auto input = [this, &window, name, index, kind, event] {
        if (kind == EventKind::MouseUp && std::exchange(releaseTaken_, false)) return;
        if (!isOpen(&window)) return;
        if (Element* element = window.find(name, index)) window.dispatch(*element, kind, event);
    };
    auto taken = [this, kind] { releaseTaken_ = releaseTaken_ || kind == EventKind::MouseDown; };
    clock.pressAt(at, press ? pressOn(window, name, index) : Press{}, std::move(input),
                  std::move(taken));
}

void HeadlessPlatform::keyDownAt(std::int64_t at, Window& window, int code) {
    clock.pressAt(at, Press{}, [this, &window, code] {
        if (isOpen(&window)) window.keyDown(code);
    });
}

void HeadlessPlatform::windowEventAt(std::int64_t at, Window& window, EventKind kind) {
    clock.pressAt(at, Press{}, [this, &window, kind] {
        if (isOpen(&window)) window.dispatchWindow(kind);
    });
}

void HeadlessPlatform::closeRequest(Window& window) {
    clock.post([&window] { window.dispatchWindow(EventKind::Close); });
}

}  // namespace quorvel::platform::headless
