#include "engine/jackpot_board.h"

#include <array>

namespace quorvel::engine {
namespace {

using enum BoardPrize;
constexpr std::array<BoardPrize, kBoardPositions> kBoard{
    Times20, Times10, Times20, Grand,   Times10, Minor,   Times10, Times30,
    Times20, Times10, Minor,   Times10, Major,   Times10, Times20, Times30,
};

}  // namespace

BoardPrize boardPrize(int position) {
    return kBoard[position - 1];
}

int boardMultiple(BoardPrize prize) {
    switch (prize) {
        case Times10:
            return 10;
        case Times20:
            return 20;
        case Times30:
            return 30;
        default:
            return 0;
    }
}

}  // namespace quorvel::engine
