#pragma once

#include "platform/child_window.h"

namespace quorvel::info {

inline constexpr const char* kApplicationTitle = "Quorvel";

// The about window: the program's title line, its credits and its outward links.
class AboutWindow : public platform::ChildWindow {
public:
    AboutWindow(platform::Services services, platform::Window& mainScreen);
};

}  // namespace quorvel::info
