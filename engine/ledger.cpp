#include "engine/ledger.h"

#include "engine/checked.h"

namespace quorvel::engine {

long long unexplained(const MoneyTotals& t) {
    return t.held - (t.invested - t.wager + t.won + t.meterPrizes + t.betMultiples - t.gambleLost);
}

long long unexplainedCredit(const PlayerValues& p) {
    return unexplained({static_cast<long long>(p.bank) + p.featureowed, p.amountinvested, p.wager,
                        p.totalwon, p.jackpotbank, p.betmultiples, p.gamblelost});
}

bool Ledger::canInsert(std::int32_t cents) const {
    return addFits(player_.bank, cents) && addFits(player_.amountinvested, cents);
}

bool Ledger::returnToCredit(long long cents) {
    return addChecked(player_.bank, cents);
}

void Ledger::insertCoin(std::int32_t cents) {
    addAll<std::int32_t, std::int32_t>({player_.bank, cents}, {player_.amountinvested, cents});
}

bool Ledger::canCharge(std::int16_t total) const {
    return addFits(player_.wager, total) && addFits(player_.games, 1);
}

SpinCharge Ledger::chargeSpin(std::int16_t total, std::int32_t win, bool normal,
                              std::int32_t featureTotal) {
    SpinCharge charge{total, win, normal};
    // Where the win lands: the credit, or the feature total and then the credit.
    const long long landing = normal ? static_cast<long long>(player_.bank) - total
                                     : static_cast<long long>(player_.bank) + featureTotal;
    std::int32_t landed = 0;
    if (!assignChecked(landed, landing) || !addFits(landed, win) || !addFits(featureTotal, win))
        return charge;
    charge.recorded = normal ? addAll<std::int32_t, std::int32_t, std::int32_t, std::int32_t>(
                                   {player_.totalwon, win}, {player_.wager, total},
                                   {player_.games, 1}, {player_.bank, -total})
                             : addChecked(player_.totalwon, win);
    return charge;
}

void Ledger::refundDraw(const SpinCharge& charge) {
    if (!charge.recorded) return;
    if (charge.normal) {
        addAll<std::int32_t, std::int32_t, std::int32_t>(
            {player_.wager, -charge.total}, {player_.games, -1}, {player_.bank, charge.total});
    }
    addChecked(player_.totalwon, -charge.win);
}

bool Ledger::payWin(std::int32_t cents) {
    return addChecked(player_.bank, cents);
}

bool Ledger::stakeGamble(std::int32_t atRisk) {
    if (!addChecked(player_.bank, -static_cast<long long>(atRisk))) return false;
    ++books_.gambles;
    return true;
}

bool Ledger::canTake(std::int32_t atRisk, std::int32_t stake) const {
    return addFits(player_.bank, atRisk) &&
           addFits(player_.totalwon, static_cast<long long>(atRisk) - stake);
}

bool Ledger::canPay(std::int32_t prize) const {
    return addFits(player_.bank, prize) && addFits(player_.jackpotbank, prize) &&
           addFits(player_.betmultiples, prize);
}

// Taking counts only what the gamble added to the stake it opened with: the stake itself
// was counted as won when its spin was drawn.
bool Ledger::settleGamble(GambleEnd end, std::int32_t atRisk, std::int32_t stake) {
    if (end == GambleEnd::Lost) {
        if (!addChecked(player_.gamblelost, stake)) return false;
        books_.gambleLost += stake;
        return true;
    }
    return addAll<std::int32_t, std::int32_t>(
        {player_.bank, atRisk}, {player_.totalwon, static_cast<long long>(atRisk) - stake});
}

void Ledger::countMeterWon(std::int16_t PlayerValues::*won) {
    addChecked(player_.*won, 1);
}

bool Ledger::payMeter(std::int32_t prize) {
    if (!addAll<std::int32_t, std::int32_t>({player_.bank, prize}, {player_.jackpotbank, prize}))
        return false;
    books_.meterPrizes += prize;
    return true;
}

bool Ledger::payMultiple(std::int32_t prize) {
    if (!addAll<std::int32_t, std::int64_t>({player_.bank, prize}, {player_.betmultiples, prize}))
        return false;
    books_.betMultiplePrizes += prize;
    return true;
}

void Ledger::countFreeSpinFeature() {
    addChecked(player_.howmanyspins, 1);
    ++books_.freeSpinFeatures;
}

bool Ledger::collectFeature(std::int32_t total, bool owed) {
    if (owed && !addChecked(player_.bank, total)) return false;
    player_.featureowed = 0;
    return true;
}

bool Ledger::collectOwedAtStart() {
    if (player_.featureowed <= 0 || !addChecked(player_.bank, player_.featureowed)) return false;
    player_.featureowed = 0;
    return true;
}

void Ledger::clearStatistics() {
    player_.amountinvested = player_.wager = player_.totalwon = player_.bank = 0;
    player_.games = 0;
    player_.howmanyspins = player_.grandwon = player_.majorwon = player_.minorwon = 0;
    player_.betmultiples = player_.gamblelost = 0;
}

}  // namespace quorvel::engine
