#pragma once

#include <QImage>
#include <string>
#include <vector>

#include "tools/artgen/picture_table.h"

namespace quorvel::artgen {

// Every picture on one labelled page for review (a null image is left out); tall reel strips
// are folded into columns.
QImage contactSheet(const std::vector<PictureJob>& jobs, const std::vector<QImage>& images);

}  // namespace quorvel::artgen
