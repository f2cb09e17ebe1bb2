#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "engine/game_state.h"

namespace quorvel::sim {

// A game value by the name the game gives it ("bank", "linewin", ...); arrays come out
// from index 1. Nothing for a name the game does not have.
std::optional<nlohmann::json> stateValue(const engine::GameState& state, const std::string& name);

}  // namespace quorvel::sim
