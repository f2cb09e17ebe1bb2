#pragma once

#include <array>
#include <cstdint>

namespace quorvel::engine {

// The player's choices as the profile stores them.

// The payout setting: a big win stands one time in machinepay.
inline constexpr std::int16_t kDefaultMachinePay = 4;
inline constexpr std::array<std::int16_t, 3> kMachinePays{4, 3, 2};

// Reel speed codes, fastest first; any other stored code spins like the first.
inline constexpr std::array<std::int16_t, 5> kReelSpeedCodes{1, 2, 4, 8, 10};

// soundonoff: -1 plays every cue, 0 none.
inline constexpr std::int16_t kSoundOn = -1;

}  // namespace quorvel::engine
