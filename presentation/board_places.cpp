#include "presentation/board_places.h"

#include <array>

#include "engine/jackpot_board.h"

namespace quorvel::presentation {
namespace {

constexpr std::array<BoardPlace, engine::kBoardPositions> kPlaces{{
    {-50, -120},
    {1700, -120},
    {3300, -120},
    {5050, -120},
    {6700, -120},
    {8350, -120},
    {8350, 1300},
    {8350, 2650},
    {8350, 4050},
    {6700, 4050},
    {5050, 4050},
    {3300, 4050},
    {1700, 4050},
    {-50, 4050},
    {-50, 2650},
    {-50, 1300},
}};

}  // namespace

const BoardPlace& boardPlace(int position) {
    return kPlaces[position - 1];
}

}  // namespace quorvel::presentation
