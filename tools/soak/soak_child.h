#pragma once

#include <cstdint>
#include <string>

namespace quorvel::soak {

// Plays the game's real handlers against the real on-disk store until it is killed: autoplay
// stretches, manual spins, gambles, collections, the options window. Notes the moment it is
// in (reels, count-up, free spins, jackpot, gamble, options) in `phaseFile`.
[[noreturn]] void playUntilKilled(std::uint64_t seed, const std::string& phaseFile);

}  // namespace quorvel::soak
