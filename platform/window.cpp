#include "platform/window.h"

#include <stdexcept>
#include <utility>

#include "platform/keys.h"
#include "platform/utf8.h"

namespace quorvel::platform {

Window::Window(std::string name, int clientWidth, int clientHeight)
    : name_(std::move(name)), clientWidth_(clientWidth), clientHeight_(clientHeight) {}

Element& Window::add(const std::string& name, int index, ElementKind kind) {
    auto key = std::make_pair(name, index);
    if (byName_.count(key)) throw std::logic_error("duplicate element " + name);
    elements_.push_back(std::make_unique<Element>(*this, name, index, kind));
    byName_[key] = elements_.back().get();
    return *elements_.back();
}

Element* Window::find(const std::string& name, int index) const {
    auto it = byName_.find({name, index});
    return it == byName_.end() ? nullptr : it->second;
}

Element& Window::at(const std::string& name, int index) const {
    if (Element* element = find(name, index)) return *element;
    throw std::out_of_range("no element " + name + "(" + std::to_string(index) + ") in " + name_);
}

void Window::setCaption(const std::string& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    windowChanged();
}

void Window::setEnabled(bool enabled) {
    if (enabled_ == enabled) return;
    enabled_ = enabled;
    windowChanged();
}

void Window::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    windowChanged();
}

void Window::move(int left, int top) {
    if (left_ == left && top_ == top) return;
    left_ = left;
    top_ = top;
    windowChanged();
}

void Window::setKeyPreview(bool on) {
    keyPreview_ = on;
}

void Window::setMousePointer(MousePointer pointer) {
    if (pointer_ == pointer) return;
    pointer_ = pointer;
    windowChanged();
}

void Window::setFocus(Element* element) {
    if (focus_ == element) return;
    focus_ = element;
    windowChanged();
}

void Window::setBackground(const Picture& picture) {
    if (background_ == picture) return;
    background_ = picture;
    windowChanged();
}

void Window::on(const std::string& name, EventKind kind, Handler handler) {
    handlers_[{name, kind}] = std::move(handler);
}

Handler* Window::handler(const std::string& name, EventKind kind) {
    auto it = handlers_.find({name, kind});
    return it == handlers_.end() ? nullptr : &it->second;
}

// Copied first: a handler may replace its own registration while it runs.
void Window::run(const Handler& handler, Event& event) {
    const Handler copy = handler;
    ++running_;
    copy(event);
    --running_;
}

bool Window::dispatch(Element& target, EventKind kind, Event event) {
    Element* capturing = kind == EventKind::MouseUp ? std::exchange(captured_, nullptr) : nullptr;
    Element& element = capturing ? *capturing : target;
    if (!capturing && (!element.shown() || !element.active())) return false;
    if (kind == EventKind::MouseDown) captured_ = &element;
    if (kind == EventKind::Click && element.kind() == ElementKind::OptionButton) {
        select(element);
        return true;
    }
    Handler* h = handler(element.name(), kind);
    if (!h) return false;
    event.index = element.index();
    run(*h, event);
    return true;
}

bool Window::dispatchWindow(EventKind kind, Event event) {
    if (!enabled_ && kind != EventKind::Close) return false;
    Handler* h = handler("", kind);
    if (!h) return false;
    run(*h, event);
    return true;
}

int Window::keyPress(int key) {
    if (!enabled_) return 0;
    if (navigator_ && navigator_(key)) return 0;
    Event event;
    event.key = key;
    if (keyPreview_) {
        if (Handler* h = handler("", EventKind::KeyPress)) {
            run(*h, event);
        }
        if (event.key == 0) return 0;
    }
    if (focus_ && focus_->shown() && focus_->active()) {
        if (Handler* h = handler(focus_->name(), EventKind::KeyPress)) {
            event.index = focus_->index();
            run(*h, event);
        }
    }
    return event.key;
}

void Window::keyDown(int code) {
    if (!enabled_) return;
    if (Handler* h = handler("", EventKind::KeyDown)) {
        Event event;
        event.key = code;
        run(*h, event);
    }
}

int Window::type(int key) {
    const int left = keyPress(key);
    Element* box = focus_;
    if (left == 0 || !box || box->kind() != ElementKind::TextBox || !box->active()) return left;
    std::string text = box->caption();
    if (left == keys::kBackspace)
        utf8::dropLast(text);
    else if (left >= keys::kSpace && left != 0x7F)
        utf8::append(text, static_cast<char32_t>(left));
    box->setCaption(text);
    return left;
}

void Window::press(const std::string& name, int index) {
    Element& element = at(name, index);
    if (Handler* h = handler(name, EventKind::Click)) {
        Event event;
        event.index = element.index();
        run(*h, event);
    }
}

void Window::select(Element& option) {
    for (const auto& other : elements_) {
        if (other.get() != &option && other->kind() == ElementKind::OptionButton &&
            other->parent() == option.parent())
            other->setValue(false);
    }
    option.setValue(true);
    if (Handler* h = handler(option.name(), EventKind::Click)) {
        Event event;
        event.index = option.index();
        run(*h, event);
    }
}

bool Window::takesInput(const Element& element) const {
    for (EventKind kind :
         {EventKind::Click, EventKind::MouseDown, EventKind::MouseUp, EventKind::MouseMove})
        if (handlers_.count({element.name(), kind})) return true;
    return false;
}

void Window::announce(const std::string& text) {
    if (observer_) observer_->announced(*this, text);
}

void Window::notifyChanged(Element& element, Aspect aspect) {
    if (observer_) observer_->elementChanged(element, aspect);
}

void Window::windowChanged() {
    if (observer_) observer_->windowChanged(*this);
}

}  // namespace quorvel::platform
