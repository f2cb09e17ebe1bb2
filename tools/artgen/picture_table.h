#pragma once

#include <QPainter>
#include <QSize>
#include <functional>
#include <string>
#include <vector>

#include "tools/artgen/kit.h"

namespace quorvel::artgen {

// One picture of the game: where it goes under pictures/, its size and how it is painted.
struct PictureJob {
    std::string path;  // "background", or "linepics/3" for an image-list entry
    QSize size;
    std::function<void(QPainter&, const Kit&)> paint;
};

std::vector<PictureJob> pictureJobs();

}  // namespace quorvel::artgen
