#pragma once

#include <string>

#include "tools/soak/resume_rules.h"

namespace quorvel::soak {

Stored readStored();

// What must hold after any kill, against the store before it: balanced books, no game
// lost, and no jackpot meter both paid and still full. An empty text when all hold.
std::string checkKill(const Stored& before, const Stored& after);

// Starts the game on the disk as it is and checks that it resumes where the disk says play
// stood (see compareResume).
std::string checkResume(const Stored& stored);

}  // namespace quorvel::soak
