#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::platform::utf8 {

// Appends one character, encoded.
void append(std::string& text, char32_t code);

// The character that starts at `at`, moving `at` past it. A byte that starts no well-formed
// character comes back as itself, alone, and `malformed` (when given) is set.
char32_t next(std::string_view text, std::size_t& at, bool* malformed = nullptr);

// Takes the last character off the end.
void dropLast(std::string& text);

}  // namespace quorvel::platform::utf8
