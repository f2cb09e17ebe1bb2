#include "platform/child_window.h"

#include <algorithm>

#include "platform/keys.h"

namespace quorvel::platform {

ChildWindow::ChildWindow(Services services, Window& owner, std::string name, int clientWidth,
                         int clientHeight, std::string caption)
    : services_(services), owner_(owner), window_(std::move(name), clientWidth, clientHeight) {
    window_.setCaption(caption);
    window_.on("", EventKind::Close, [this](Event&) { close(); });
}

void ChildWindow::setTabOrder(std::span<const TabStop> order) {
    tabOrder_.clear();
    for (const TabStop& stop : order)
        tabOrder_.push_back(&window_.at(stop.name, stop.index));
    window_.setKeyPreview(true);
    window_.on("", EventKind::KeyPress, [this](Event& event) { navigationKey(event); });
}

void ChildWindow::focusNext(int step) {
    const auto count = static_cast<int>(tabOrder_.size());
    if (count == 0) return;
    const auto here = std::find(tabOrder_.begin(), tabOrder_.end(), window_.focus());
    int at = here == tabOrder_.end() ? (step > 0 ? -1 : count)
                                     : static_cast<int>(here - tabOrder_.begin());
    for (int tries = 0; tries < count; ++tries) {
        at = (at + step + count) % count;
        Element* next = tabOrder_[at];
        if (next->shown() && next->active()) return window_.setFocus(next);
    }
}

void ChildWindow::navigationKey(Event& event) {
    Element* focus = window_.focus();
    const bool inTextBox = focus && focus->kind() == ElementKind::TextBox;
    if (event.key == keys::kTab || event.key == keys::kBackTab) {
        const int step = event.key == keys::kTab ? 1 : -1;
        event.key = 0;
        return focusNext(step);
    }
    if (event.key == keys::kEscape) {
        event.key = 0;
        return close();
    }
    const bool press = event.key == keys::kEnter || event.key == keys::kSpace;
    if (!press || !focus || inTextBox) return;
    event.key = 0;
    window_.dispatch(*focus, EventKind::Click);
}

ChildWindow::~ChildWindow() {
    if (open_) services_.windows.close(window_);
}

void ChildWindow::open() {
    window_.move(owner_.left() + (owner_.clientWidth() - window_.clientWidth()) / 2,
                 owner_.top() + (owner_.clientHeight() - window_.clientHeight()) / 2);
    services_.windows.open(window_);
    open_ = true;
    ++busy_;
    opened();
    --busy_;
}

void ChildWindow::close() {
    if (!open_) return;
    ++busy_;
    closing();
    --busy_;
    open_ = false;
    owner_.setEnabled(true);
    services_.windows.close(window_);
    services_.windows.bringToFront(owner_);
}

void ChildWindow::withdraw() {
    if (!open_) return;
    open_ = false;
    services_.windows.close(window_);
}

void ChildSlot::replace(std::unique_ptr<ChildWindow> next) {
    if (current_) {
        current_->withdraw();
        retired_.push_back(std::move(current_));
    }
    std::erase_if(retired_, [](const auto& child) { return !child->busy(); });
    current_ = std::move(next);
}

}  // namespace quorvel::platform
