#include "platform/qt/qt_timers.h"

#include <stdexcept>

namespace quorvel::platform::qt {
namespace {

// The game's short periods pace its animations; a coarse timer would drift them visibly.
Qt::TimerType typeFor(int intervalMs) {
    return intervalMs <= 100 ? Qt::PreciseTimer : Qt::CoarseTimer;
}

}  // namespace

QtTimers::Entry& QtTimers::get(std::string_view name) const {
    auto it = timers_.find(name);
    if (it == timers_.end()) throw std::out_of_range("no timer " + std::string(name));
    return *it->second;
}

void QtTimers::add(const std::string& name, int intervalMs, std::function<void()> handler) {
    auto entry = std::make_unique<Entry>();
    entry->timer = std::make_unique<QTimer>();
    entry->timer->setInterval(intervalMs);
    entry->timer->setTimerType(typeFor(intervalMs));
    entry->handler = std::move(handler);
    Entry* raw = entry.get();
    QObject::connect(raw->timer.get(), &QTimer::timeout, [raw] {
        if (raw->running) return;
        raw->running = true;
        raw->handler();
        raw->running = false;
    });
    timers_[name] = std::move(entry);
}

void QtTimers::setEnabled(std::string_view name, bool enabled) {
    Entry& entry = get(name);
    if (!enabled)
        entry.timer->stop();
    else if (!entry.timer->isActive())
        entry.timer->start();
}

void QtTimers::setInterval(std::string_view name, int intervalMs) {
    Entry& entry = get(name);
    entry.timer->setTimerType(typeFor(intervalMs));
    if (entry.timer->isActive())
        entry.timer->start(intervalMs);
    else
        entry.timer->setInterval(intervalMs);
}

bool QtTimers::enabled(std::string_view name) const {
    return get(name).timer->isActive();
}
int QtTimers::interval(std::string_view name) const {
    return get(name).timer->interval();
}

}  // namespace quorvel::platform::qt
