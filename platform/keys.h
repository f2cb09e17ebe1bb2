#pragma once

namespace quorvel::platform::keys {

// Character codes of the keys the windows act on.
inline constexpr int kBackspace = 8;
inline constexpr int kTab = 9;
inline constexpr int kEnter = 13;
inline constexpr int kEscape = 27;
inline constexpr int kSpace = 32;
// Shift+Tab types no character; the toolkits hand it over as this otherwise unused code.
inline constexpr int kBackTab = 25;

}  // namespace quorvel::platform::keys
