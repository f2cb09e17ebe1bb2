#pragma once

#include <vector>

#include "platform/element.h"

namespace quorvel::presentation {

// How a payline is drawn on the main screen: up to six segments in one colour, in twips.
struct PaylineDrawing {
    platform::Colour colour;
    std::vector<platform::LinePoints> segments;
};

// Drawing 1..25 is the line of that number; 26 is the second marker of line 1.
const PaylineDrawing& paylineDrawing(int marker);

}  // namespace quorvel::presentation
