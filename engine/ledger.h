#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace quorvel::engine {

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

// The books' identity: the credit held is what was invested, less the wagers, plus what was
// won, the meter prizes and bet multiples, less the stakes lost to the gamble.
struct MoneyTotals {
    long long held = 0, invested = 0, wager = 0, won = 0;
    long long meterPrizes = 0, betMultiples = 0, gambleLost = 0;
};
// How far the credit is from what the totals explain: zero when the books balance.
long long unexplained(const MoneyTotals& totals);
// The same for a profile; a feature total not yet collected is the player's, so it counts
// beside the credit.
long long unexplainedCredit(const PlayerValues& player);

// What a spin's charge booked, so that a discarded draw can be put back exactly.
struct SpinCharge {
    std::int16_t total = 0;
    std::int32_t win = 0;
    bool normal = false;
    // False when a statistic or the credit could not take the spin: nothing was booked.
    bool recorded = false;
};

enum class GambleEnd { Taken, Lost };

// The only door to the credit, the player's money statistics and the run's books: each
// move changes them together. Amounts never wrap: a move whose result does not fit is
// skipped for that value alone, as the game always did.
class Ledger {
public:
    Ledger(PlayerValues& player, Books& books) : player_(player), books_(books) {}
    Ledger(const Ledger&) = delete;
    Ledger& operator=(const Ledger&) = delete;

    std::int32_t credit() const { return player_.bank; }
    const Books& books() const { return books_; }

    bool canInsert(std::int32_t cents) const;
    void insertCoin(std::int32_t cents);
    // Money the books counted as the player's but not yet in the credit.
    bool returnToCredit(long long cents);
    // Whether the statistics can still take a spin of this total bet.
    bool canCharge(std::int16_t total) const;
    // Counts a drawn spin's win; a normal spin also pays its wager and counts a game. The
    // win must also fit the credit (or the feature total) it will reach, or nothing is
    // booked: a statistic at its width limit never leaves the books unexplained.
    SpinCharge chargeSpin(std::int16_t total, std::int32_t win, bool normal,
                          std::int32_t featureTotal);
    void refundDraw(const SpinCharge& charge);
    bool payWin(std::int32_t cents);

    bool stakeGamble(std::int32_t atRisk);
    // Whether taking what is at risk fits the credit and the statistics.
    bool canTake(std::int32_t atRisk, std::int32_t stake) const;
    bool settleGamble(GambleEnd end, std::int32_t atRisk, std::int32_t stake);
    bool canPay(std::int32_t prize) const;

    void countMeterWon(std::int16_t PlayerValues::*won);
    bool payMeter(std::int32_t prize);
    bool payMultiple(std::int32_t prize);
    void countJackpotFeature() { ++books_.jackpotFeatures; }

    void countFreeSpinFeature();
    void countFreeSpinPlayed() { ++books_.freeSpinsPlayed; }
    // The total won so far is owed to the player until it is collected.
    void oweFeature(std::int32_t total) { player_.featureowed = total; }
    bool collectFeature(std::int32_t total, bool owed);
    // A total the last run won but never collected (it died mid-feature).
    bool collectOwedAtStart();

    // The options window's "clear": the profile starts its money and statistics again.
    void clearStatistics();

private:
    PlayerValues& player_;
    Books& books_;
};

}  // namespace quorvel::engine
