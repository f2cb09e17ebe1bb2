#pragma once

#include "engine/game_state.h"
#include "platform/child_window.h"

namespace quorvel::players {

// The options window: player profiles and the game's settings.
class OptionsWindow : public platform::ChildWindow {
public:
    OptionsWindow(platform::Services services, platform::Window& mainScreen,
                  engine::GameState& state);

private:
    engine::GameState& state_;
};

}  // namespace quorvel::players
