#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "screen/quorvel.h"

namespace quorvel::sim {

// A game value by the name the game gives it ("bank", "linewin", "ballpos", ...): the
// cabinet's and the screen's animation counters alike; arrays come out from index 1.
// Nothing for a name the game does not have.
// Where each reel picture rests for the drawn stops, reels 1 to 5.
std::vector<int> restOffsets(const engine::RunState& run);

std::optional<nlohmann::json> stateValue(screen::Quorvel& game, const std::string& name);

}  // namespace quorvel::sim
