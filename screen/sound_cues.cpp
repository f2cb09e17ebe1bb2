#include "screen/sound_cues.h"

namespace quorvel::screen::cue {
namespace {

struct Band {
    std::int32_t upTo;  // cents, inclusive
    const char* cue;
};

// Bands in rising order; every win above the last band plays the biggest fanfare.
constexpr Band kWinLadder[] = {
    {10, "RESOURCE_ID_105"},  {21, "RESOURCE_ID_112"},  {30, "RESOURCE_ID_117"},
    {40, "RESOURCE_ID_114"},  {50, "RESOURCE_ID_115"},  {100, "RESOURCE_ID_117"},
    {120, "RESOURCE_ID_118"}, {150, "RESOURCE_ID_119"}, {200, "RESOURCE_ID_120"},
    {300, "RESOURCE_ID_117"}, {600, "RESOURCE_ID_122"}, {750, "RESOURCE_ID_123"},
};
constexpr const char* kBiggestWin = "RESOURCE_ID_126";

}  // namespace

const char* winCue(std::int32_t spinwin) {
    if (spinwin < 1) return nullptr;
    for (const Band& band : kWinLadder)
        if (spinwin <= band.upTo) return band.cue;
    return kBiggestWin;
}

}  // namespace quorvel::screen::cue
