#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace quorvel::screen {

// The counters each feature's animation keeps between its timer ticks: how the screen
// shows play, never what play is.

// The game clock and the keyboard and autoplay pacing.
struct Pace {
    static constexpr std::int16_t kAutoplayOn = 10;
    std::int16_t tickcount = 0;
    std::int16_t autospinwait = 0;
    std::int16_t autoplaymode = 0;
    std::int16_t keycount = 0;
    std::int16_t autotoggle = 0;
    std::int16_t noticeshown = 0;
    // Autoplay's stops: spins it may still start (-1: no limit) and the credit it began at.
    std::int32_t autospinsleft = -1;
    std::int32_t autostartcredit = 0;
    bool autoplayOn() const { return autoplaymode == kAutoplayOn; }
};

// The paid lines' flash and the wilds' animation.
struct LineFlash {
    std::int16_t lineindex = 0;
    std::int16_t animframe = 0;
    std::int16_t lineticks = 0;
    std::int16_t flashphase = 0;
    engine::Indexed<engine::kCells> animcell{};
};

// The jackpot symbols' morph with the bell, and the chests' morph.
struct Morph {
    std::int16_t morphframe = 0;
    std::int16_t belltick = 0;
};

// The win meter counting up.
struct CountUp {
    std::int16_t countstep = 0;
    std::int16_t countmode = 0;
    std::int32_t countedwin = 0;
};

// The free-spin banner.
struct Banner {
    std::int16_t freesbannerticks = 0;
    std::int16_t freesbannerblink = 0;
};

// The ball's run round the jackpot board and the prize display after it.
struct BallRun {
    std::int16_t ballpos = 0;
    std::int16_t balllaps = 0;
    std::int16_t ballslowing = 0;
    std::int16_t ballinterval = 0;
    std::int16_t ballleft = 0;
    std::int16_t balltop = 0;
    std::int16_t winpicture = 0;
    std::int16_t balllook = 0;
    std::int16_t showticks = 0;
};

struct AnimationCounters {
    Pace pace;
    LineFlash lineFlash;
    Morph morph;
    CountUp countUp;
    Banner banner;
    BallRun ball;
};

}  // namespace quorvel::screen
