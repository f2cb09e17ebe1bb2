#include "players/options_window.h"

namespace quorvel::players {

OptionsWindow::OptionsWindow(platform::Services services, platform::Window& mainScreen,
                             engine::GameState& state)
    : ChildWindow(services, mainScreen, "quorveloptions", 8580, 5745, "Quorvel Options"),
      state_(state) {}

}  // namespace quorvel::players
