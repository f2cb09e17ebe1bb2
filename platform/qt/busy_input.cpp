#include "platform/qt/busy_input.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

#include "platform/qt/scene_view.h"

namespace quorvel::platform::qt {
namespace {

bool isInput(QEvent::Type type) {
    if (type == PlayerCall::kType) return true;
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

constexpr int kTwipsPerPixel = 15;

}  // namespace

void BusyInput::begin(InputWatch* watch) {
    if (!watch_) QCoreApplication::instance()->installEventFilter(this);
    watch_ = watch;
}

void BusyInput::end() {
    if (!watch_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    watch_ = nullptr;
    swallowRelease_ = false;
    swallowKey_ = 0;
    for (auto& [target, event] : std::exchange(deferred_, {}))
        if (target) QCoreApplication::postEvent(target, event.release());
    if (QWidget* window = closeAsked_.data())
        QMetaObject::invokeMethod(
            window, [window] { window->close(); }, Qt::QueuedConnection);
    closeAsked_.clear();
}

// Widgets see an event after their Qt window has; holding it at the widget keeps the window's
// own bookkeeping (which widget the mouse pressed) intact.
bool BusyInput::eventFilter(QObject* target, QEvent* event) {
    if (!watch_ || !target->isWidgetType()) return false;
    if (event->type() == QEvent::Close && event->spontaneous()) {
        closeAsked_ = static_cast<QWidget*>(target);
        event->ignore();
        return true;
    }
    if (!isInput(event->type())) return false;
    if (!offered(target, event)) defer(target, event);
    return true;
}

bool BusyInput::offered(QObject* target, QEvent* event) {
    auto* view = dynamic_cast<SceneView*>(target);
    switch (event->type()) {
        case QEvent::MouseButtonRelease:
            return std::exchange(swallowRelease_, false);
        case QEvent::KeyRelease:
            if (static_cast<QKeyEvent*>(event)->isAutoRepeat()) return false;
            if (swallowKey_ == 0 || static_cast<QKeyEvent*>(event)->key() != swallowKey_)
                return false;
            swallowKey_ = 0;
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            if (!view) return false;
            const QPointF p =
                view->transform().toScene(static_cast<QMouseEvent*>(event)->position());
            const Press press{&view->model(), int(std::floor(p.x())) * kTwipsPerPixel,
                              int(std::floor(p.y())) * kTwipsPerPixel, 0};
            return swallowRelease_ = watch_->takes(press);
        }
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(event);
            // A held key repeats: only a fresh press is the player's request.
            if (!view || key->text().isEmpty() || key->isAutoRepeat()) return false;
            if (!watch_->takes(Press{&view->model(), 0, 0, key->text().at(0).unicode()}))
                return false;
            swallowKey_ = key->key();
            return true;
        }
        default:
            return false;
    }
}

// Only the last of a run of mouse moves matters to the handlers.
void BusyInput::defer(QObject* target, QEvent* event) {
    if (event->type() == QEvent::MouseMove && !deferred_.empty() &&
        deferred_.back().first == target && deferred_.back().second->type() == QEvent::MouseMove)
        deferred_.pop_back();
    deferred_.emplace_back(target, std::unique_ptr<QEvent>(event->clone()));
}

}  // namespace quorvel::platform::qt
