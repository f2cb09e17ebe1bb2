#pragma once

#include <QImage>
#include <filesystem>
#include <vector>

#include "tools/artgen/picture_table.h"

namespace quorvel::artgen {

// Paints a job at `scale` times its size (vector drawing, never an upscale); `spoken`, when
// given, learns what words it painted.
QImage renderJob(const PictureJob& job, const Kit& kit, int scale, Spoken* spoken = nullptr);

// One language's pictures, 1× in job order: null where a job was left out.
struct Rendering {
    std::vector<QImage> images;
    std::vector<Spoken> spoken;
};

// Writes <path>.png and <path>@2x.png under `folder` (unless empty) for every job, or only for
// those `only` marks, on every core.
Rendering renderAll(const std::vector<PictureJob>& jobs, const Kit& kit,
                    const std::filesystem::path& folder, const std::vector<bool>& only = {});

}  // namespace quorvel::artgen
