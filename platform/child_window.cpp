#include "platform/child_window.h"

namespace quorvel::platform {

ChildWindow::ChildWindow(Services services, Window& owner, std::string name, int clientWidth,
                         int clientHeight, std::string caption)
    : services_(services), owner_(owner), window_(std::move(name), clientWidth, clientHeight) {
    window_.setCaption(caption);
    window_.on("", EventKind::Close, [this](Event&) { close(); });
}

ChildWindow::~ChildWindow() {
    if (open_) services_.windows.close(window_);
}

void ChildWindow::open() {
    window_.move(owner_.left() + (owner_.clientWidth() - window_.clientWidth()) / 2,
                 owner_.top() + (owner_.clientHeight() - window_.clientHeight()) / 2);
    services_.windows.open(window_);
    open_ = true;
}

void ChildWindow::close() {
    if (!open_) return;
    closing();
    open_ = false;
    owner_.setEnabled(true);
    services_.windows.close(window_);
    services_.windows.bringToFront(owner_);
}

}  // namespace quorvel::platform
