#pragma once

#include <array>

#include "engine/game_state.h"

namespace quorvel::sim {

struct DrawRequest {
    std::array<int, 5> stops{};
    int lines = 25;
    int bet = 1;
    int reel3 = 1;  // 1: reel 3's jolly roger counts, 2: it does not
    bool freeSpin = false;
};

// Lands the reels on the given stops and evaluates them exactly as the game does.
engine::RunState evaluateDraw(const DrawRequest& request);

}  // namespace quorvel::sim
