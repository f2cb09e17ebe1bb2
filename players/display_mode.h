#pragma once

#include "platform/display.h"

namespace quorvel::players {

// Switches the display to width x height for this run; the platform's answer is ignored.
void setresolution(platform::Display& display, int width, int height);
// Back to the desktop's own mode, whether or not the game changed it.
void restoreresolution(platform::Display& display);

}  // namespace quorvel::players
