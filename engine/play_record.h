#pragma once

#include <string>

#include "engine/cabinet.h"

namespace quorvel::engine {

// The state of play as one stored text: what a game killed at this moment needs to go on
// exactly where it stood. The drawn window is kept as its stops and redrawn from them.
std::string playText(const RunState& run, const PlayState& play);

// Reads a stored state of play; false, and nothing changed, for a text that does not read
// as one a game could have stored.
bool readPlay(const std::string& text, RunState& run, PlayState& play);

// The books' identity of a stored profile with its stored state of play: zero when they
// balance, the money in play (a drawn win, a gamble's stake) included.
long long unexplainedStored(const PlayerValues& player, const std::string& play);

}  // namespace quorvel::engine
