#pragma once

#include "platform/child_window.h"

namespace quorvel::info {

// The pay-table window: what every combination pays.
class PayTableWindow : public platform::ChildWindow {
public:
    PayTableWindow(platform::Services services, platform::Window& mainScreen);
};

}  // namespace quorvel::info
