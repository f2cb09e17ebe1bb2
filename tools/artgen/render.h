#pragma once

#include <QImage>
#include <filesystem>
#include <vector>

#include "tools/artgen/picture_table.h"

namespace quorvel::artgen {

// Paints a job at `scale` times its size (vector drawing, never an upscale).
QImage renderJob(const PictureJob& job, const Kit& kit, int scale);

// Writes <path>.png and <path>@2x.png for every job under `folder` (unless empty), on every
// core.
// Returns the 1× images in job order for the contact sheet.
std::vector<QImage> renderAll(const std::vector<PictureJob>& jobs, const Kit& kit,
                              const std::filesystem::path& folder);

}  // namespace quorvel::artgen
