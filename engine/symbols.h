#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvel::engine {

// In pay order (highest first); the ten paying symbols come before the three specials.
enum class Symbol : std::uint8_t {
    captain,
    ship,
    skull,
    flag,
    cutlass,
    coin,
    parrot,
    pistol,
    cannon,
    map,
    wild,
    jollyroger,
    chest,
};

inline constexpr int kSymbols = 13;
inline constexpr int kPayingSymbols = 10;

constexpr bool isPaying(Symbol s) {
    return static_cast<int>(s) < kPayingSymbols;
}
constexpr int payingIndex(Symbol s) {
    return static_cast<int>(s);
}

std::string_view symbolName(Symbol s);
std::optional<Symbol> symbolNamed(std::string_view name);

}  // namespace quorvel::engine
