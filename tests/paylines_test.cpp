#include <gtest/gtest.h>

#include <string>

#include "engine/paylines.h"

using namespace quorvel::engine;

namespace {

// Each line drawn as T(op), M(iddle) and B(ottom) rows from reel 1 to reel 5.
const char* const kLineShapes[25] = {
    "MMMMM", "TTTTT", "BBBBB", "TMBMT", "BMTMB", "TTMTT", "BBMBB", "MTTTM", "MBBBM",
    "MMTMM", "MMBMM", "TMMMT", "BMMMB", "TMTMT", "MTMTM", "BMBMB", "MBMBM", "TBTBT",
    "BTBTB", "MTBTM", "MBTBM", "MTMBM", "MBMTM", "TTTMB", "BBBMT",
};

struct PayRow {
    const char* name;
    int three, four, five;
};
const PayRow kPayTable[] = {
    {"captain", 300, 600, 1500}, {"ship", 50, 100, 300},  {"skull", 30, 75, 125},
    {"flag", 20, 50, 75},        {"cutlass", 20, 50, 75}, {"coin", 15, 25, 50},
    {"parrot", 10, 25, 50},      {"pistol", 10, 15, 50},  {"cannon", 5, 10, 50},
    {"map", 5, 10, 50},
};

}  // namespace

TEST(Paylines, EveryLineTakesItsRows) {
    for (int line = 1; line <= 25; ++line)
        for (int reel = 1; reel <= 5; ++reel) {
            const char shape = kLineShapes[line - 1][reel - 1];
            const int row = shape == 'T' ? 1 : shape == 'M' ? 2 : 3;
            EXPECT_EQ(lineRow(line, reel), row) << "line " << line << " reel " << reel;
        }
}

TEST(Paylines, PayTableAndScatterPays) {
    for (const PayRow& row : kPayTable) {
        const Symbol symbol = *symbolNamed(row.name);
        EXPECT_EQ(linePay(symbol, 3), row.three) << row.name;
        EXPECT_EQ(linePay(symbol, 4), row.four) << row.name;
        EXPECT_EQ(linePay(symbol, 5), row.five) << row.name;
        EXPECT_EQ(linePay(symbol, 2), 0);
    }
    for (Symbol special : {Symbol::wild, Symbol::jollyroger, Symbol::chest})
        EXPECT_EQ(linePay(special, 3), 0);
    const int scatter[] = {0, 0, 1, 5, 10, 20};
    for (int chests = 0; chests <= 5; ++chests)
        EXPECT_EQ(scatterMultiple(chests), scatter[chests]);
}

TEST(Paylines, LineSumCodesAndFreeGames) {
    EXPECT_EQ(matchForLineSum(21), 3);
    EXPECT_EQ(matchForLineSum(31), 4);
    EXPECT_EQ(matchForLineSum(41), 3);
    EXPECT_EQ(matchForLineSum(51), 5);
    for (int other : {0, 8, 15, 43, 44, 50, 33})
        EXPECT_EQ(matchForLineSum(other), 0) << other;
    EXPECT_EQ(freeGamesFor(2, false), 0);
    EXPECT_EQ(freeGamesFor(3, false), 10);
    EXPECT_EQ(freeGamesFor(4, false), 15);
    EXPECT_EQ(freeGamesFor(5, false), 20);
    EXPECT_EQ(freeGamesFor(3, true), 11);
    EXPECT_EQ(freeGamesFor(5, true), 21);
}
