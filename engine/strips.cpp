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

}  // namespace

Symbol stripSymbol(int reel, int position) {
    return kStrips[reel - 1][position - 1];
}

}  // namespace quorvel::engine
