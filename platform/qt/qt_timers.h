#pragma once

#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

#include "platform/timers.h"

namespace quorvel::platform::qt {

// QTimer-backed timers; a tick that arrives while its own handler runs is dropped.
class QtTimers : public Timers {
public:
    void add(const std::string& name, int intervalMs, std::function<void()> handler) override;
    void setEnabled(std::string_view name, bool enabled) override;
    void setInterval(std::string_view name, int intervalMs) override;
    bool enabled(std::string_view name) const override;
    int interval(std::string_view name) const override;
    // While held a tick only marks its timer due; on release each due timer runs once, at the
    // next pass of the event loop, as after a blocking sleep.
    void hold(bool held);

private:
    struct Entry {
        std::unique_ptr<QTimer> timer;
        std::function<void()> handler;
        bool running = false;
        bool due = false;
    };
    static void run(Entry& entry);
    bool held_ = false;
    Entry& get(std::string_view name) const;

    std::map<std::string, std::unique_ptr<Entry>, std::less<>> timers_;
};

}  // namespace quorvel::platform::qt
