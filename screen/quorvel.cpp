#include "screen/quorvel.h"

#include "screen/quorvel_layout.h"

namespace quorvel::screen {

Quorvel::Quorvel(platform::Services services)
    : services_(services), window_("quorvel", kMainClientWidth, kMainClientHeight) {
    window_.setCaption(kMainDesignCaption);
    window_.setBackground(platform::Picture{"background", 0});
    platform::buildElements(window_, mainScreenDesign());
    registerTimers();
    setTickHandler("tmrshowbuttons", [this] { tmrshowbuttons_Timer(); });
}

// The platform may outlive the screen: take the window off screen before it goes.
Quorvel::~Quorvel() {
    services_.windows.close(window_);
}

void Quorvel::registerTimers() {
    for (const platform::TimerSpec& timer : mainScreenTimers()) {
        const std::string name = timer.name;
        services_.timers.add(name, timer.intervalMs, [this, name] {
            auto it = tickHandlers_.find(name);
            if (it != tickHandlers_.end()) it->second();
        });
        services_.timers.setEnabled(name, timer.runningAtStart);
    }
}

void Quorvel::setTickHandler(const std::string& timer, std::function<void()> handler) {
    tickHandlers_[timer] = std::move(handler);
}

// A press whose release was lost leaves a button hidden; this brings it back.
void Quorvel::tmrshowbuttons_Timer() {
    el("btnbet").setEnabled(true);
    el("btnoptions").show();
    el("autoplayon").show();
    el("doublebutton").show();
    el("btnspin").show();
    services_.events.pump();
}

}  // namespace quorvel::screen
