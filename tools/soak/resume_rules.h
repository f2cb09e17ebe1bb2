#pragma once

#include <cstdint>
#include <string>

#include "engine/cabinet.h"
#include "platform/settings_store.h"

namespace quorvel::screen {
class Quorvel;
}

namespace quorvel::soak {

// What the disk holds for slot 1, read as a fresh start-up reads it.
struct Stored {
    engine::PlayerValues player;
    std::string play;
    std::string phase;  // the phase of play the disk says, "jackpot_stop_drawn" apart
    int freeSpinsLeft = 0;
    bool spinDrawn = false;  // a charged spin whose draw is stored but not yet settled
    int freeSpinsWon = 0;    // what that draw retriggers once it is settled
    std::int32_t atRisk = 0;
    long long unexplained = 0;
};

// Slot 1 of a store, read as a fresh start-up reads it.
Stored storedIn(const platform::SettingsStore& store);

// What the game started again from that disk shows, before any time passes.
struct Resumed {
    engine::Phase phase = engine::Phase::Idle;
    std::int32_t bank = 0;
    std::int32_t games = 0;
    std::int32_t atRisk = 0;
    int freeSpinsLeft = 0;
    long long unexplained = 0;
    int boxes = 0;  // message boxes shown at the start
};
Resumed resumedFrom(const screen::Quorvel& game, int boxes);

// Whether the game resumed where the disk says play stood: the same spins left (less the
// drawn one once settled, plus what it retriggered), the same stake at risk, nothing
// charged or paid twice. An empty text when all hold.
std::string compareResume(const Stored& s, const Resumed& r);

}  // namespace quorvel::soak
