#include "players/display_mode.h"

namespace quorvel::players {

// A driver that never says "no such mode" must not hang the game.
constexpr int kMaxModes = 4096;

void setresolution(platform::Display& display, int width, int height) {
    // The mode-switch call wants a full record: take the last mode listed, then say which
    // fields count.
    platform::DisplayModeRecord record;
    for (int index = 0; index < kMaxModes; ++index) {
        auto mode = display.mode(index);
        if (!mode) break;
        record = *mode;
    }
    record.fields = platform::DisplayModeRecord::Width | platform::DisplayModeRecord::Height;
    record.width = width;
    record.height = height;
    display.change(record);
}

void restoreresolution(platform::Display& display) {
    setresolution(display, 0, 0);
}

}  // namespace quorvel::players
