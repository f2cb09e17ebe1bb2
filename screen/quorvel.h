#pragma once

#include <functional>
#include <map>
#include <string>

#include "engine/game_state.h"
#include "platform/services.h"
#include "platform/window.h"

namespace quorvel::screen {

// The main screen: its window, the game state it owns, and its handlers.
class Quorvel {
public:
    explicit Quorvel(platform::Services services);
    ~Quorvel();
    Quorvel(const Quorvel&) = delete;
    Quorvel& operator=(const Quorvel&) = delete;

    platform::Window& window() { return window_; }
    engine::GameState& state() { return state_; }
    platform::Services& services() { return services_; }

    // The draw of one spin: drawreel1 resets the last spin's marks, each step draws its
    // reel and hands on to the next, and drawreel5 hands over to the evaluation.
    void drawreel1();
    void drawreel2();
    void drawreel3();
    void drawreel4();
    void drawreel5();
    void evaluatespin();

    void tmrshowbuttons_Timer();

    // Lets a feature take over a timer's tick; a timer nobody handles ticks idly.
    void setTickHandler(const std::string& timer, std::function<void()> handler);

private:
    void registerTimers();
    void resetForDraw();
    platform::Element& el(const std::string& name, int index = 0) {
        return window_.at(name, index);
    }

    platform::Services services_;
    platform::Window window_;
    engine::GameState state_;
    std::map<std::string, std::function<void()>> tickHandlers_;
};

}  // namespace quorvel::screen
