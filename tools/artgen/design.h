#pragma once

#include <QRectF>
#include <string_view>

namespace quorvel::artgen {

// Where an element of the main screen's design sits, in pixels of the window (or of
// `within`, when given, which must be one of its containers).
QRectF placeOf(std::string_view name, int index = 0, std::string_view within = "");
// A length of the design, in pixels.
double pixelsOf(int twips);

}  // namespace quorvel::artgen
