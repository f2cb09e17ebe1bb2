#pragma once

#include "engine/game_state.h"
#include "platform/child_window.h"

namespace quorvel::info {

inline constexpr const char* kPayTablePicture = "quorvelpays";
inline constexpr int kPayTablePictureWidth = 508;  // pixels
inline constexpr int kPayTablePictureHeight = 510;

// The pay-table window: what every combination pays, and what the current payout setting
// returns in the long run.
class PayTableWindow : public platform::ChildWindow {
public:
    PayTableWindow(platform::Services services, platform::Window& mainScreen,
                   const engine::PlayerValues& player);

    void btnunloadpays_Click();
};

}  // namespace quorvel::info
