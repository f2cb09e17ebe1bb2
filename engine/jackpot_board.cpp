#include "engine/jackpot_board.h"

namespace quorvel::engine {
namespace {

using enum BoardPrize;
constexpr std::array<BoardPosition, kBoardPositions> kBoard{{
    {-50, -120, Times20},
    {1700, -120, Times10},
    {3300, -120, Times20},
    {5050, -120, Grand},
    {6700, -120, Times10},
    {8350, -120, Minor},
    {8350, 1300, Times10},
    {8350, 2650, Times30},
    {8350, 4050, Times20},
    {6700, 4050, Times10},
    {5050, 4050, Minor},
    {3300, 4050, Times10},
    {1700, 4050, Major},
    {-50, 4050, Times10},
    {-50, 2650, Times20},
    {-50, 1300, Times30},
}};

}  // namespace

const BoardPosition& boardPosition(int position) {
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
