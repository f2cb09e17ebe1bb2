#include "engine/symbols.h"

namespace quorvel::engine {
namespace {

constexpr std::array<std::string_view, kSymbols> kNames{
    "captain", "ship",   "skull", "flag", "cutlass",    "coin",  "parrot",
    "pistol",  "cannon", "map",   "wild", "jollyroger", "chest",
};

}  // namespace

std::string_view symbolName(Symbol s) {
    return kNames[static_cast<int>(s)];
}

std::optional<Symbol> symbolNamed(std::string_view name) {
    for (int i = 0; i < kSymbols; ++i)
        if (kNames[i] == name) return static_cast<Symbol>(i);
    return std::nullopt;
}

}  // namespace quorvel::engine
