#pragma once

namespace quorvel::presentation {

// Where the ball sits on board position 1..16, in twips inside the board frame.
struct BoardPlace {
    int left;
    int top;
};

const BoardPlace& boardPlace(int position);

}  // namespace quorvel::presentation
