#include "platform/qt/qt_timers.h"

#include <stdexcept>
#include <utility>

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
    QObject::connect(raw->timer.get(), &QTimer::timeout, [this, raw] {
        if (held_)
            raw->due = true;
        else
            run(*raw);
    });
    timers_[name] = std::move(entry);
}

void QtTimers::run(Entry& entry) {
    if (entry.running) return;
    entry.running = true;
    entry.handler();
    entry.running = false;
}

void QtTimers::hold(bool held) {
    held_ = held;
    if (held) return;
    for (auto& [name, entry] : timers_) {
        if (!std::exchange(entry->due, false)) continue;
        Entry* raw = entry.get();
        QMetaObject::invokeMethod(
            raw->timer.get(),
            [raw] {
                if (raw->timer->isActive()) run(*raw);
            },
            Qt::QueuedConnection);
    }
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
