#include "platform/qt/window_binding.h"

#include <QScreen>
#include <QWindow>

#include "platform/qt/window_fit.h"
#include "platform/qt/x11_picture_blitter.h"

namespace quorvel::platform::qt {

WindowBinding::WindowBinding(Window& window, PictureSource& pictures)
    : window_(window),
      view_(std::make_unique<SceneView>(window, pictures)),
      accessibility_(std::make_unique<SceneAccessibility>(window, *view_)),
      appliedPosition_(window.left(), window.top()),
      appliedFocus_(window.focus()) {
    syncWindow();
    window_.setObserver(this);
}

WindowBinding::~WindowBinding() {
    window_.setObserver(nullptr);
    accessibility_.reset();
    view_->closeForGame();
    // The close box may be what brought us here: let Qt finish with the widget first.
    view_.release()->deleteLater();
}

void WindowBinding::elementChanged(Element& element, Aspect aspect) {
    view_->elementChanged(element, aspect);
    accessibility_->elementChanged(element, aspect);
}

void WindowBinding::announced(Window&, const std::string& text) {
    accessibility_->announce(text);
}

void WindowBinding::windowChanged(Window&) {
    syncWindow();
}

void WindowBinding::syncWindow() {
    view_->setWindowTitle(QString::fromStdString(window_.caption()));
    view_->setEnabled(window_.enabled());
    view_->setCursor(window_.mousePointer() == MousePointer::Hourglass ? Qt::WaitCursor
                                                                       : Qt::ArrowCursor);
    // The window manager places a new window; the game's own moves are applied from then on.
    const QPoint position(window_.left(), window_.top());
    if (position != appliedPosition_) {
        appliedPosition_ = position;
        if (!view_->isFullScreen() && !view_->isMaximized())
            view_->move(pixels(position.x()), pixels(position.y()));
    }
    // Only a change of the model's focus moves Qt's, so a click into a text box stays there.
    if (window_.focus() != appliedFocus_) {
        appliedFocus_ = window_.focus();
        QWidget* target = appliedFocus_ ? view_->textBox(*appliedFocus_) : nullptr;
        (target ? target : view_.get())->setFocus();
        accessibility_->focusChanged();
    }
    view_->update();
}

void QtWindowHost::open(Window& window) {
    auto& binding = bindings_[&window];
    const bool opening = !binding;
    if (opening) binding = std::make_unique<WindowBinding>(window, pictures_);
    SceneView& view = *binding->view();
    if (!icon_.isNull()) view.setWindowIcon(icon_);
    if (!main_ || main_ == &window) {
        main_ = &window;
        mainClosed_ = false;
        // The reels spin on the main screen: its strips are worth handing to the X server.
        if (opening) view.setBlitterFactory([&view] { return makeX11Blitter(view); });
        if (opening) fitOnScreen(view);
    } else {
        placeOverMain(view);
    }
    window.setVisible(true);
    view.show();
    view.raise();
    if (!window.focus()) view.setFocus();
}

// A secondary window keeps the main screen's scale, so the two look alike side by side.
void QtWindowHost::placeOverMain(SceneView& view) {
    SceneView* main = mainView();
    if (!main) return;
    view.setWindowFlag(Qt::Dialog);
    view.setWindowModality(Qt::ApplicationModal);
    // Kept above the main screen by the window manager as well.
    view.winId();
    if (main->windowHandle()) view.windowHandle()->setTransientParent(main->windowHandle());
    const qreal scale = main->transform().scale();
    const QRect available = main->screen()->availableGeometry();
    view.resize(
        fitWindow((view.sceneSize() * scale).expandedTo(QSize(1, 1)), available, kExpectedFrame));
    view.move(placeWindow(view.size(), available, kExpectedFrame, main->geometry().center()));
}

// Opened at its design size where that fits the screen's free area at the current scale,
// else as large as fits, and centred there.
void QtWindowHost::fitOnScreen(SceneView& view) {
    const QScreen* screen = view.screen();
    if (!screen) return;
    const QRect available = screen->availableGeometry();
    view.resize(fitWindow(view.sceneSize(), available, kExpectedFrame));
    view.move(placeWindow(view.size(), available, kExpectedFrame, available.center()));
}

void QtWindowHost::close(Window& window) {
    window.setVisible(false);
    if (main_ == &window) {
        main_ = nullptr;
        mainClosed_ = true;
    }
    bindings_.erase(&window);
}

// A window open over the main screen holds the input, so it stays in front of whatever the
// game brings forward; otherwise the player would face a disabled screen and nothing else.
void QtWindowHost::bringToFront(Window& window) {
    WindowBinding* b = binding(window);
    if (!b) return;
    b->view()->raise();
    b->view()->activateWindow();
    for (auto& [other, binding] : bindings_) {
        SceneView* view = binding->view();
        if (other != &window && view->isModal() && view->isVisible()) {
            view->raise();
            view->activateWindow();
        }
    }
}

bool QtWindowHost::bringMainForward() {
    WindowBinding* main = main_ ? binding(*main_) : nullptr;
    if (!main) return false;
    SceneView* view = main->view();
    if (view->isMinimized()) view->setWindowState(view->windowState() & ~Qt::WindowMinimized);
    bringToFront(main->window());
    return true;
}

bool QtWindowHost::mainClosing() const {
    const SceneView* main = mainView();
    return mainClosed_ || (main && main->closing());
}

void QtWindowHost::paintNow() {
    for (auto& [window, binding] : bindings_)
        binding->view()->paintPending();
}

void QtWindowHost::releaseCaptures() {
    for (auto& [window, binding] : bindings_)
        binding->window().releaseCapture();
}

void QtWindowHost::setFullScreen(bool on) {
    SceneView* main = mainView();
    if (!main) return;
    if (on && !main->isFullScreen()) {
        beforeFullScreen_ = main->windowState();
        normalBeforeFullScreen_ = main->geometry();
        main->showFullScreen();
    } else if (!on && main->isFullScreen()) {
        if (beforeFullScreen_ & Qt::WindowMaximized) {
            main->showMaximized();
        } else {
            main->showNormal();
            main->setGeometry(normalBeforeFullScreen_);
        }
    }
}

WindowBinding* QtWindowHost::binding(const Window& window) const {
    auto it = bindings_.find(&window);
    return it == bindings_.end() ? nullptr : it->second.get();
}

SceneView* QtWindowHost::mainView() const {
    WindowBinding* b = main_ ? binding(*main_) : nullptr;
    return b ? b->view() : nullptr;
}

}  // namespace quorvel::platform::qt
