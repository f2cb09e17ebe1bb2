#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "platform/event_loop.h"

namespace quorvel::platform::qt {

// Work that stands for the player's input (an assistive tool pressing a button): posted to a
// widget, it runs when input would, so it too waits while the game is busy.
class PlayerCall : public QEvent {
public:
    static constexpr QEvent::Type kType = QEvent::Type(QEvent::User + 17);
    explicit PlayerCall(std::function<void()> call) : QEvent(kType), call_(std::move(call)) {}
    PlayerCall* clone() const override { return new PlayerCall(*this); }
    void run() const { call_(); }

private:
    PlayerCall(const PlayerCall&) = default;
    std::function<void()> call_;
};

// While the game runs a loop of its own, the player's input is held back as a blocking sleep
// would hold it, except that each press is first shown to the game's watch: the one it takes
// is used up, the others reach their handlers, in order, once the loop is over.
class BusyInput : public QObject {
public:
    void begin(InputWatch* watch);
    void end();
    bool watching() const { return watch_ != nullptr; }

protected:
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    bool offered(QObject* target, QEvent* event);
    void defer(QObject* target, QEvent* event);

    InputWatch* watch_ = nullptr;
    std::vector<std::pair<QPointer<QObject>, std::unique_ptr<QEvent>>> deferred_;
    // The release of a press the watch took, and the close box pressed meanwhile.
    bool swallowRelease_ = false;
    int swallowKey_ = 0;
    QPointer<QWidget> closeAsked_;
};

}  // namespace quorvel::platform::qt
