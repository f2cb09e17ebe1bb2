#include "presentation/reel_pictures.h"

#include "engine/strips.h"

namespace quorvel::presentation {
namespace {

using enum engine::Symbol;

// Picture 1 sits above position 1; pictures 26 to 29 below position 24.
constexpr engine::Symbol kFillerTop[5] = {map, parrot, cutlass, chest, parrot};
constexpr engine::Symbol kFillerBottom[5][4] = {
    {flag, pistol, parrot, cutlass}, {chest, parrot, pistol, cannon},
    {flag, pistol, cutlass, skull},  {skull, parrot, flag, cannon},
    {pistol, chest, coin, pistol},
};

}  // namespace

engine::Symbol stripPicture(int reel, int picture) {
    if (picture == 1) return kFillerTop[reel - 1];
    if (picture <= engine::kStripLength + 1) return engine::stripSymbol(reel, picture - 1);
    return kFillerBottom[reel - 1][picture - engine::kStripLength - 2];
}

}  // namespace quorvel::presentation
