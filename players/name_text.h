#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::players {

inline constexpr std::size_t kLongestName = 12;

// Characters, not bytes, of a UTF-8 text: "Ελευθερία" is nine.
std::size_t characterCount(std::string_view utf8);

// The text without control characters (C0, DEL and C1): a name never carries them into the
// profile or the window's title.
std::string withoutControls(std::string_view utf8);

// The text in capitals, for display; letters of every script, not only A to Z.
std::string inCapitals(std::string_view utf8);

}  // namespace quorvel::players
