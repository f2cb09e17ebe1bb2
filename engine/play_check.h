#pragma once

#include <string>

#include "engine/cabinet.h"

namespace quorvel::engine {

// A stored state of play as the next start finds it, checked whole before any of it is
// believed.
struct StoredPlay {
    enum class Verdict { Nothing, Resume, Refused };
    Verdict verdict = Verdict::Nothing;
    RunState run;
    PlayState play;
    // Why a refused record was refused, in a few plain words.
    std::string fault;
};

// Reads and checks the record against the stored profile: whole numbers in their ranges,
// the fields consistent with each other and the books balanced with the money in play.
// `fresh` is the run a new start has before anything is resumed.
StoredPlay checkStoredPlay(const PlayerValues& player, const RunState& fresh,
                           const std::string& text);

// Why a state of play could not have been stored by a game, or empty when it could.
std::string playFault(const PlayerValues& player, const RunState& run, const PlayState& play);

}  // namespace quorvel::engine
