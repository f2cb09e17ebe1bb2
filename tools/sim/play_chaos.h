#pragma once

#include "tools/sim/play_session.h"

namespace quorvel::sim {

// A random stream of input on every element of every open window, visible or not, at random
// moments, with the program closed and started again now and then. Ends on a restart, so
// the books are checked on what the store kept.
void playChaos(PlaySession& session);

}  // namespace quorvel::sim
