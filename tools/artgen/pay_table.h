#pragma once

#include <QPainter>
#include <QSizeF>
#include <array>
#include <vector>

#include "engine/symbols.h"
#include "tools/artgen/kit.h"

namespace quorvel::artgen {

// What the pay-table picture states, read from the tables the game pays by.
struct PayTableContent {
    struct LinePays {
        engine::Symbol symbol;
        std::array<int, 3> pays;  // for 3, 4 and 5 reels, in bets per line
    };
    struct ScatterPay {
        int chests;
        int multiple;   // of the total bet
        int freeGames;  // 0 when the count awards none
    };
    std::vector<LinePays> lines;      // highest paying first
    std::vector<ScatterPay> scatter;  // two chests upwards
};

PayTableContent payTableContent();

inline constexpr int kPayTableWidth = 508;
inline constexpr int kPayTableHeight = 510;
// The band at the bottom left plain for the window's return figure and its button.
inline constexpr int kPayTableFooter = 80;

void paintPayTable(QPainter& p, const Kit& k, const PayTableContent& content);

}  // namespace quorvel::artgen
