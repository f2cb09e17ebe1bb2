#include "platform/headless/virtual_time.h"

#include <algorithm>
#include <stdexcept>

namespace quorvel::platform::headless {

VirtualTime::Timer* VirtualTime::find(std::string_view name) {
    for (auto& timer : timers_)
        if (timer.name == name) return &timer;
    return nullptr;
}

const VirtualTime::Timer* VirtualTime::find(std::string_view name) const {
    return const_cast<VirtualTime*>(this)->find(name);
}

VirtualTime::Timer& VirtualTime::get(std::string_view name) {
    if (Timer* timer = find(name)) return *timer;
    throw std::out_of_range("no timer " + std::string(name));
}

const VirtualTime::Timer& VirtualTime::get(std::string_view name) const {
    return const_cast<VirtualTime*>(this)->get(name);
}

void VirtualTime::add(const std::string& name, int intervalMs, std::function<void()> handler) {
    if (find(name)) throw std::logic_error("duplicate timer " + name);
    Timer timer;
    timer.name = name;
    timer.interval = intervalMs;
    timer.handler = std::move(handler);
    timers_.push_back(std::move(timer));
}

void VirtualTime::setEnabled(std::string_view name, bool enabled) {
    Timer& timer = get(name);
    if (enabled && !timer.enabled) timer.due = now_ + timer.interval;
    timer.enabled = enabled;
}

void VirtualTime::setInterval(std::string_view name, int intervalMs) {
    Timer& timer = get(name);
    timer.interval = intervalMs;
    timer.due = now_ + intervalMs;
}

bool VirtualTime::enabled(std::string_view name) const {
    return get(name).enabled;
}
int VirtualTime::interval(std::string_view name) const {
    return get(name).interval;
}
int VirtualTime::fired(std::string_view name) const {
    return get(name).fired;
}

void VirtualTime::post(std::function<void()> input) {
    input_.push_back(std::move(input));
}

void VirtualTime::pressAt(std::int64_t at, Press press, std::function<void()> input,
                          std::function<void()> taken) {
    auto later = std::upper_bound(presses_.begin(), presses_.end(), at,
                                  [](std::int64_t t, const TimedPress& p) { return t < p.at; });
    presses_.insert(later, TimedPress{at, press, std::move(input), std::move(taken)});
}

void VirtualTime::givePresses(bool watched) {
    while (!presses_.empty() && presses_.front().at <= now_) {
        TimedPress due = std::move(presses_.front());
        presses_.erase(presses_.begin());
        if (watched && watch_ && due.press.window && watch_->takes(due.press)) {
            if (due.taken) due.taken();
            continue;
        }
        post(std::move(due.input));
    }
}

std::int64_t VirtualTime::nextPress() const {
    return presses_.empty() ? std::numeric_limits<std::int64_t>::max() : presses_.front().at;
}

int VirtualTime::runInput() {
    // Only what was queued before this call: input posted by a handler waits for the next.
    int ran = 0;
    for (auto pending = input_.size(); pending > 0 && !input_.empty(); --pending, ++ran) {
        auto input = std::move(input_.front());
        input_.pop_front();
        input();
    }
    return ran;
}

VirtualTime::Timer* VirtualTime::nextDue() {
    Timer* best = nullptr;
    for (auto& timer : timers_) {
        if (!timer.enabled || timer.running || timer.interval <= 0) continue;
        if (!best || timer.due < best->due) best = &timer;
    }
    return best;
}

void VirtualTime::fire(Timer& timer) {
    const std::string name = timer.name;  // the vector may not grow, but stay safe
    timer.running = true;
    timer.due = now_ + timer.interval;  // overdue by several intervals still fires once
    ++timer.fired;
    auto handler = timer.handler;
    handler();
    get(name).running = false;
}

void VirtualTime::pump() {
    givePresses(false);
    inputInPumps_ += runInput();
    std::vector<std::string> due;
    for (const auto& timer : timers_)
        if (timer.enabled && !timer.running && timer.interval > 0 && timer.due <= now_)
            due.push_back(timer.name);
    std::stable_sort(due.begin(), due.end(),
                     [this](const auto& a, const auto& b) { return get(a).due < get(b).due; });
    for (const auto& name : due) {
        Timer& timer = get(name);
        if (timer.enabled && !timer.running && timer.due <= now_) fire(timer);
    }
}

void VirtualTime::sleep(int ms) {
    if (ms > 0) now_ += ms;
    givePresses(true);
}

void VirtualTime::runFor(std::int64_t ms) {
    runUntil([] { return false; }, ms);
}

bool VirtualTime::runUntil(const std::function<bool()>& condition, std::int64_t limitMs) {
    const std::int64_t end = now_ + limitMs;
    while (true) {
        givePresses(false);
        runInput();
        if (condition()) return true;
        Timer* timer = nextDue();
        if (nextPress() <= end && (!timer || nextPress() < timer->due)) {
            now_ = std::max(now_, nextPress());
            continue;
        }
        if (!timer || timer->due > end) break;
        now_ = std::max(now_, timer->due);
        fire(*timer);
        if (condition()) return true;
    }
    now_ = std::max(now_, end);
    return condition();
}

}  // namespace quorvel::platform::headless
