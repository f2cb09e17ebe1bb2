#pragma once

#include <string>

#include "engine/game_state.h"

namespace quorvel::soak {

// What the disk holds for slot 1, read as a fresh start-up reads it.
struct Stored {
    engine::PlayerValues player;
    std::string play;
    std::string phase;  // the phase of play the disk says, "jackpot_stop_drawn" apart
    int freeSpinsLeft = 0;
    std::int32_t atRisk = 0;
    long long unexplained = 0;
};
Stored readStored();

// What must hold after any kill, against the store before it: balanced books, no game
// lost, and no jackpot meter both paid and still full. An empty text when all hold.
std::string checkKill(const Stored& before, const Stored& after);

// Starts the game on the disk as it is and checks that it resumes where the disk says play
// stood: the same spins left, the same stake at risk, nothing charged or paid twice.
std::string checkResume(const Stored& stored);

}  // namespace quorvel::soak
