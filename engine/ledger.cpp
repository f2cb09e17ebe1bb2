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

void Ledger::payWin(std::int32_t cents) {
    addChecked(player_.bank, cents);
}

void Ledger::stakeGamble(std::int32_t atRisk) {
    addChecked(player_.bank, -atRisk);
    ++books_.gambles;
}

// Taking counts only what the gamble added to the stake it opened with: the stake itself
// was counted as won when its spin was drawn.
void Ledger::settleGamble(GambleEnd end, std::int32_t atRisk, std::int32_t stake) {
    if (end == GambleEnd::Lost) {
        books_.gambleLost += stake;
        addChecked(player_.gamblelost, stake);
        return;
    }
    addAll<std::int32_t, std::int32_t>({player_.bank, atRisk},
                                       {player_.totalwon, static_cast<long long>(atRisk) - stake});
}

void Ledger::countMeterWon(std::int16_t PlayerValues::*won) {
    addChecked(player_.*won, 1);
}

void Ledger::payMeter(std::int32_t prize) {
    if (addAll<std::int32_t, std::int32_t>({player_.bank, prize}, {player_.jackpotbank, prize}))
        books_.meterPrizes += prize;
}

void Ledger::payMultiple(std::int32_t prize) {
    if (addAll<std::int32_t, std::int64_t>({player_.bank, prize}, {player_.betmultiples, prize}))
        books_.betMultiplePrizes += prize;
}

void Ledger::countFreeSpinFeature() {
    addChecked(player_.howmanyspins, 1);
    ++books_.freeSpinFeatures;
}

void Ledger::collectFeature(std::int32_t total, bool owed) {
    if (owed) addChecked(player_.bank, total);
    player_.featureowed = 0;
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
