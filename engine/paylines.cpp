#include "engine/paylines.h"

namespace quorvel::engine {
namespace {

constexpr int kLineRows[kLines][5] = {
    {2, 2, 2, 2, 2}, {1, 1, 1, 1, 1}, {3, 3, 3, 3, 3}, {1, 2, 3, 2, 1}, {3, 2, 1, 2, 3},
    {1, 1, 2, 1, 1}, {3, 3, 2, 3, 3}, {2, 1, 1, 1, 2}, {2, 3, 3, 3, 2}, {2, 2, 1, 2, 2},
    {2, 2, 3, 2, 2}, {1, 2, 2, 2, 1}, {3, 2, 2, 2, 3}, {1, 2, 1, 2, 1}, {2, 1, 2, 1, 2},
    {3, 2, 3, 2, 3}, {2, 3, 2, 3, 2}, {1, 3, 1, 3, 1}, {3, 1, 3, 1, 3}, {2, 1, 3, 1, 2},
    {2, 3, 1, 3, 2}, {2, 1, 2, 3, 2}, {2, 3, 2, 1, 2}, {1, 1, 1, 2, 3}, {3, 3, 3, 2, 1},
};

// Rows in pay order: captain, ship, skull, flag, cutlass, coin, parrot, pistol, cannon, map.
constexpr int kPays[kPayingSymbols][3] = {
    {300, 600, 1500}, {50, 100, 300}, {30, 75, 125}, {20, 50, 75}, {20, 50, 75},
    {15, 25, 50},     {10, 25, 50},   {10, 15, 50},  {5, 10, 50},  {5, 10, 50},
};

using enum Symbol;
constexpr std::array<Symbol, kPayingSymbols> kOrder{flag, captain, skull,  coin,    ship,
                                                    map,  parrot,  pistol, cutlass, cannon};

}  // namespace

int lineRow(int line, int reel) {
    return kLineRows[line - 1][reel - 1];
}

int linePay(Symbol symbol, int matching) {
    if (!isPaying(symbol) || matching < 3 || matching > 5) return 0;
    return kPays[payingIndex(symbol)][matching - 3];
}

int scatterMultiple(int chests) {
    switch (chests) {
        case 2:
            return 1;
        case 3:
            return 5;
        case 4:
            return 10;
        case 5:
            return 20;
        default:
            return 0;
    }
}

const std::array<Symbol, kPayingSymbols>& evaluationOrder() {
    return kOrder;
}

int matchForLineSum(int sum) {
    switch (sum) {
        case 21:
            return 3;
        case 31:
            return 4;
        case 41:
            return 3;
        case 51:
            return 5;
        default:
            return 0;
    }
}

int freeGamesFor(int chests, bool duringFreeSpins) {
    const int base = chests == 3 ? 10 : chests == 4 ? 15 : chests == 5 ? 20 : 0;
    return base > 0 && duringFreeSpins ? base + 1 : base;
}

}  // namespace quorvel::engine
