#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quorvel::platform {

// Repeating interval timers addressed by name. Enabling a timer, or giving a running
// timer a new interval, starts its countdown afresh. A timer that is overdue by several
// intervals fires once, and never while its own handler is still running.
class Timers {
public:
    virtual ~Timers() = default;
    virtual void add(const std::string& name, int intervalMs, std::function<void()> handler) = 0;
    virtual void setEnabled(std::string_view name, bool enabled) = 0;
    virtual void setInterval(std::string_view name, int intervalMs) = 0;
    virtual bool enabled(std::string_view name) const = 0;
    virtual int interval(std::string_view name) const = 0;

    void start(std::string_view name) { setEnabled(name, true); }
    void stop(std::string_view name) { setEnabled(name, false); }
};

}  // namespace quorvel::platform
