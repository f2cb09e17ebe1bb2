#pragma once

#include <cstdint>
#include <string>

namespace quorvel::soak {

// Plays the game's real handlers against the real on-disk store until it is killed: autoplay
// stretches, manual spins, gambles, collections, the options window. Notes in `phaseFile`
// the phase of play the disk holds (or "countup", "options"). `target` steers play towards
// a phase and lets that phase take real time; "stepK" kills itself at the K-th file
// operation of a save; anything else plays freely.
[[noreturn]] void playUntilKilled(std::uint64_t seed, const std::string& phaseFile,
                                  const std::string& target);

}  // namespace quorvel::soak
