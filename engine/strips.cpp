#include "engine/strips.h"

namespace quorvel::engine {
namespace {

using enum Symbol;

constexpr Symbol kStrips[5][kStripLength] = {
    {ship,       cannon, wild,   wild,    wild,   cannon,  flag,   jollyroger,
     pistol,     coin,   map,    chest,   cannon, coin,    pistol, skull,
     jollyroger, ship,   parrot, cutlass, skull,  captain, map,    cutlass},
    {wild,    wild,  wild,       pistol, map,     cannon, pistol, coin,
     chest,   flag,  ship,       pistol, cannon,  skull,  parrot, jollyroger,
     cutlass, skull, jollyroger, cannon, captain, coin,   map,    flag},
    {chest,   map,   pistol, cutlass, ship,    jollyroger, flag,   cutlass,
     coin,    wild,  wild,   wild,    cutlass, cannon,     pistol, chest,
     captain, skull, map,    flag,    cannon,  parrot,     ship,   map},
    {flag, ship,   coin,    parrot, map,    coin,    chest, flag, ship, wild,   wild,    wild,
     map,  parrot, cutlass, map,    cannon, captain, skull, map,  flag, pistol, cutlass, captain},
    {map,  cutlass, parrot, pistol,  ship, flag,  cannon,  captain, chest,  flag,   map, coin,
     wild, wild,    wild,   cutlass, flag, skull, captain, coin,    parrot, cannon, map, cutlass},
};

// Picture 1 sits above position 1; pictures 26 to 29 below position 24.
constexpr Symbol kFillerTop[5] = {map, parrot, cutlass, chest, parrot};
constexpr Symbol kFillerBottom[5][4] = {
    {flag, pistol, parrot, cutlass}, {chest, parrot, pistol, cannon},
    {flag, pistol, cutlass, skull},  {skull, parrot, flag, cannon},
    {pistol, chest, coin, pistol},
};

}  // namespace

Symbol stripSymbol(int reel, int position) {
    return kStrips[reel - 1][position - 1];
}

Symbol stripPicture(int reel, int picture) {
    if (picture == 1) return kFillerTop[reel - 1];
    if (picture <= kStripLength + 1) return stripSymbol(reel, picture - 1);
    return kFillerBottom[reel - 1][picture - kStripLength - 2];
}

}  // namespace quorvel::engine
