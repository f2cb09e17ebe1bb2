#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/reel_window.h"
#include "engine/strips.h"
#include "presentation/reel_pictures.h"

using namespace quorvel::engine;
using quorvel::presentation::restOffset;
using quorvel::presentation::stripPicture;

namespace {

// The strips as the reel sheets list them, position 1 first.
const char* const kSheets[5] = {
    "ship cannon wild wild wild cannon flag jollyroger pistol coin map chest cannon coin pistol "
    "skull jollyroger ship parrot cutlass skull captain map cutlass",
    "wild wild wild pistol map cannon pistol coin chest flag ship pistol cannon skull parrot "
    "jollyroger cutlass skull jollyroger cannon captain coin map flag",
    "chest map pistol cutlass ship jollyroger flag cutlass coin wild wild wild cutlass cannon "
    "pistol chest captain skull map flag cannon parrot ship map",
    "flag ship coin parrot map coin chest flag ship wild wild wild map parrot cutlass map cannon "
    "captain skull map flag pistol cutlass captain",
    "map cutlass parrot pistol ship flag cannon captain chest flag map coin wild wild wild "
    "cutlass flag skull captain coin parrot cannon map cutlass",
};

const char* const kFillers[5] = {
    "map flag pistol parrot cutlass",    "parrot chest parrot pistol cannon",
    "cutlass flag pistol cutlass skull", "chest skull parrot flag cannon",
    "parrot pistol chest coin pistol",
};

std::vector<std::string> words(const char* text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

}  // namespace

TEST(Strips, EveryPositionOfEveryReel) {
    for (int reel = 1; reel <= 5; ++reel) {
        const auto sheet = words(kSheets[reel - 1]);
        ASSERT_EQ(sheet.size(), 24u);
        for (int position = 1; position <= 24; ++position)
            EXPECT_EQ(symbolName(stripSymbol(reel, position)), sheet[position - 1])
                << "reel " << reel << " position " << position;
    }
}

TEST(Strips, ReelPicturesFrameTheStripWithFillers) {
    for (int reel = 1; reel <= 5; ++reel) {
        const auto fillers = words(kFillers[reel - 1]);
        EXPECT_EQ(symbolName(stripPicture(reel, 1)), fillers[0]);
        for (int picture = 26; picture <= 29; ++picture)
            EXPECT_EQ(symbolName(stripPicture(reel, picture)), fillers[picture - 25]);
        for (int position = 1; position <= 24; ++position)
            EXPECT_EQ(stripPicture(reel, position + 1), stripSymbol(reel, position));
    }
}

TEST(Strips, SpecialSymbolsSitWhereTheRulesNeedThem) {
    for (int reel = 1; reel <= 5; ++reel) {
        std::vector<int> wilds, chests;
        for (int p = 1; p <= 24; ++p) {
            if (stripSymbol(reel, p) == Symbol::wild) wilds.push_back(p);
            if (stripSymbol(reel, p) == Symbol::chest) chests.push_back(p);
        }
        ASSERT_EQ(wilds.size(), 3u) << reel;
        EXPECT_EQ(wilds[2] - wilds[0], 2) << "one stacked block on reel " << reel;
        // At most one chest and one jolly roger in any window.
        for (int stop = 1; stop <= kStops; ++stop) {
            int c = 0, j = 0;
            for (int row = 1; row <= 3; ++row) {
                c += symbolAtStop(reel, stop, row) == Symbol::chest;
                j += symbolAtStop(reel, stop, row) == Symbol::jollyroger;
            }
            EXPECT_LE(c, 1);
            EXPECT_LE(j, 1);
            if (reel > 3) {
                EXPECT_EQ(j, 0);
            }
        }
    }
    EXPECT_EQ(stripSymbol(3, kMysteryPosition), Symbol::jollyroger);
}

TEST(Strips, StopsShowThreeRowsAndRestAtTheirOffset) {
    EXPECT_EQ(symbolAtStop(1, 1, 1), Symbol::ship);
    EXPECT_EQ(symbolAtStop(1, 1, 2), Symbol::cannon);
    EXPECT_EQ(symbolAtStop(1, 1, 3), Symbol::wild);
    EXPECT_EQ(symbolAtStop(1, 22, 1), Symbol::captain);
    EXPECT_EQ(symbolAtStop(1, 22, 2), Symbol::map);
    EXPECT_EQ(symbolAtStop(1, 22, 3), Symbol::cutlass);
    EXPECT_EQ(restOffset(1), -1875);
    EXPECT_EQ(restOffset(2), -3750);
    EXPECT_EQ(restOffset(13), -24375);
    EXPECT_EQ(restOffset(22), -41250);
}

TEST(ReelWindow, CellsRunInASnake) {
    const int expected[5][3] = {{1, 2, 3}, {6, 5, 4}, {7, 8, 9}, {12, 11, 10}, {13, 14, 15}};
    for (int reel = 1; reel <= 5; ++reel)
        for (int row = 1; row <= 3; ++row) {
            const int cell = cellOf(reel, row);
            EXPECT_EQ(cell, expected[reel - 1][row - 1]);
            EXPECT_EQ(reelOfCell(cell), reel);
            EXPECT_EQ(rowOfCell(cell), row);
        }
    // Every subset of reels sums differently, so a line sum names its reels.
    std::vector<int> sums;
    for (int subset = 0; subset < 32; ++subset) {
        int sum = 0;
        for (int reel = 1; reel <= 5; ++reel)
            if (subset & (1 << (reel - 1))) sum += reelWeight(reel);
        EXPECT_EQ(std::count(sums.begin(), sums.end(), sum), 0) << subset;
        sums.push_back(sum);
    }
}
