#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/game_record.h"
#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "engine/symbols.h"

namespace quorvel::engine {

// Arrays indexed from 1, as the game numbers reels, cells and lines; entry 0 is unused.
template <int N>
using Indexed = std::array<std::int16_t, N + 1>;

// The current player's values: loaded from and saved to the settings store per slot.
struct PlayerValues {
    std::int32_t bank = 0;
    std::int32_t wager = 0;
    std::int32_t totalwon = 0;
    std::int32_t games = 0;
    std::int32_t amountinvested = 0;
    std::int16_t machinepay = 0;
    std::int16_t reelspeed = 0;
    std::int16_t soundonoff = 0;
    std::int16_t winroll = 0;
    std::int16_t howmanyspins = 0;
    std::int16_t sizescreen = 0;
    std::int32_t grand = 0;
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int16_t grandwon = 0;
    std::int16_t majorwon = 0;
    std::int16_t minorwon = 0;
    std::int32_t jackpotbank = 0;
    std::string currentplayer;
    std::string playerslot = "1";
    // The player's last games, kept with the profile.
    GameHistory history;
    // What the credit got from the jackpot board's bet multiples and lost to the gamble:
    // with the statistics above they account for every cent of the credit.
    std::int64_t betmultiples = 0;
    std::int64_t gamblelost = 0;
    // A free-spin total won but not yet collected: a game that dies in the middle of its
    // feature pays it at the next start.
    std::int64_t featureowed = 0;
};

// The run state of the main screen: lives as long as the program, never stored.
struct RunState {
    std::int16_t betstep = 1;
    std::int16_t bet = 1;
    std::int16_t lines = 25;
    std::int16_t linechoice = 0;
    std::int16_t freespinmode = 0;
    std::int16_t freespinsplayed = 0;
    std::int16_t freespintarget = 0;
    std::int32_t featurewin = 0;
    std::int32_t spinwin = 0;
    std::int32_t atrisk = 0;
    std::int32_t carrywin = 0;
    std::int16_t countstep = 0;
    std::int16_t countmode = 0;
    std::int32_t countedwin = 0;
    std::int16_t reel3counts = 0;
    std::int16_t scattercount = 0;
    std::int16_t jackpotcount = 0;
    Indexed<kReels> scattercell{};
    Indexed<kReels> jackpotcell{};
    Indexed<kCells> wildcell{};
    Indexed<kCells> animcell{};
    std::array<Indexed<kLines>, kPayingSymbols> linesum{};  // by paying symbol, then line
    Indexed<kLines> linewin{};
    Indexed<kLines> linematch{};
    std::array<std::int32_t, kReels + 1> reelstop{};                 // reelstop1 .. reelstop5
    Indexed<kReels> stop{};                                          // the drawn stop of each reel
    std::array<std::array<Symbol, kRows + 1>, kReels + 1> window{};  // [reel][row]
    std::int16_t tickcount = 0;
    std::int16_t autospinwait = 0;
    std::int16_t autoplaymode = 0;
    std::int16_t lineindex = 0;
    std::int16_t animframe = 0;
    std::int16_t lineticks = 0;
    std::int16_t flashphase = 0;
    std::int16_t morphframe = 0;
    std::int16_t belltick = 0;
    std::int16_t keycount = 0;
    std::int16_t autotoggle = 0;
    std::int16_t noticeshown = 0;
    // The free-spin banner.
    std::int16_t freesbannerticks = 0;
    std::int16_t freesbannerblink = 0;
    // The jackpot feature's ball run and prize display.
    std::int16_t ballpos = 0;
    std::int16_t balllaps = 0;
    std::int16_t ballslowing = 0;
    std::int16_t ballstop = 0;
    std::int16_t ballinterval = 0;
    std::int16_t ballleft = 0;
    std::int16_t balltop = 0;
    std::int16_t prize10 = 0;
    std::int16_t prize20 = 0;
    std::int16_t prize30 = 0;
    std::int32_t jackpotprize = 0;
    std::int16_t winpicture = 0;
    std::int16_t balllook = 0;
    std::int16_t showticks = 0;
    // The gamble: the stake it opened with, the history strip, each bet's last card.
    std::int32_t gamblestake = 0;
    std::int16_t historycount = 0;
    std::array<std::int16_t, 3> cardpicture{};  // red, black, suit
};

// Where the money went in this run, beyond the player's stored statistics: what the books
// need to balance and what a long headless run reports.
struct Books {
    std::int64_t meterPrizes = 0;
    std::int64_t betMultiplePrizes = 0;
    std::int64_t gambleLost = 0;
    std::int64_t freeSpinFeatures = 0;
    std::int64_t freeSpinsPlayed = 0;
    std::int64_t jackpotFeatures = 0;
    std::int64_t gambles = 0;
};

// The one owner of the game's state; every handler reads and writes it in place.
struct GameState {
    PlayerValues player;
    RunState run;
    Books books;
};

}  // namespace quorvel::engine
