#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/game_record.h"
#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "engine/symbols.h"

namespace quorvel::engine {

inline constexpr std::int16_t kFullVolume = 100;

// Arrays indexed from 1, as the game numbers reels, cells and lines; entry 0 is unused.
template <int N>
using Indexed = std::array<std::int16_t, N + 1>;

// The player's profile as the settings store keeps it, slot by slot. Inside the game the
// cabinet owns it, and only its ledger moves the money in it.
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
    // The cues' loudness in percent, and whether a click on the turning reels lands them.
    std::int16_t volume = kFullVolume;
    std::int16_t quickstop = 1;
    // Minutes between reminders of time and result (0: none), and where autoplay stops by
    // itself: after so many spins, a loss in cents, a win in total bets, a feature (0: never).
    std::int16_t reminder = 0;
    std::int16_t autostopspins = 0;
    std::int32_t autostoploss = 0;
    std::int16_t autostopwin = 0;
    std::int16_t autostopfeature = 0;
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
    bool operator==(const PlayerValues&) const = default;
};

// The rules' state of the current run: stakes, the draw and its evaluation, the features'
// counts and totals. Lives as long as the program, never stored.
struct RunState {
    std::int16_t betstep = 1;
    std::int16_t bet = 1;
    std::int16_t lines = 25;
    std::int16_t linechoice = 0;
    // 0 in normal play, -1 while free spins run (the stored form of the game's flag).
    std::int16_t freespinmode = 0;
    std::int16_t freespinsplayed = 0;
    std::int16_t freespintarget = 0;
    std::int32_t featurewin = 0;
    std::int32_t spinwin = 0;
    std::int32_t atrisk = 0;
    std::int32_t carrywin = 0;
    std::int16_t reel3counts = 0;
    std::int16_t scattercount = 0;
    std::int16_t jackpotcount = 0;
    Indexed<kReels> scattercell{};
    Indexed<kReels> jackpotcell{};
    Indexed<kCells> wildcell{};
    std::array<Indexed<kLines>, kPayingSymbols> linesum{};  // by paying symbol, then line
    Indexed<kLines> linewin{};
    Indexed<kLines> linematch{};
    Indexed<kReels> stop{};                                          // the drawn stop of each reel
    std::array<std::array<Symbol, kRows + 1>, kReels + 1> window{};  // [reel][row]
    // The jackpot board: where the ball stops (0 until drawn) and what that pays.
    std::int16_t ballstop = 0;
    std::int32_t jackpotprize = 0;
    // The gamble: the stake it opened with, how many cards it has drawn and the suit each
    // place of the history strip shows.
    std::int32_t gamblestake = 0;
    std::int16_t historycount = 0;
    std::array<std::int16_t, 6> historycards{};  // places 1..5
    bool operator==(const RunState&) const = default;
};

}  // namespace quorvel::engine
