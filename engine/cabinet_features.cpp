// The cabinet's free-spin feature, jackpot board, gamble and shut-down rules.
#include <limits>

#include "engine/cabinet.h"
#include "engine/cards.h"
#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/paylines.h"

namespace quorvel::engine {
namespace {

constexpr int kGambleHistoryWrap = 10;  // from the sixth draw on the strip shows the last five
constexpr int kGambleHistoryRestart = 6;

}  // namespace

void Cabinet::triggerFreeSpins(bool fromNormalPlay) {
    addChecked(run_.featurewin, run_.spinwin);
    play_.winUnsettled = false;
    play_.featureOwed = true;
    ledger_.oweFeature(run_.featurewin);
    ledger_.countFreeSpinFeature();
    run_.freespinmode = -1;
    const int won = freeGamesFor(run_.scattercount, true);
    addChecked(run_.freespintarget, won);
    if (!fromNormalPlay)
        if (GameRecord* game = lastGame()) game->freeSpinsWon += won;
}

FreeSpinBooking Cabinet::bookFreeSpin() {
    FreeSpinBooking booking{run_.scattercount >= 3, run_.freespinsplayed};
    if (!booking.retriggered) addChecked(run_.featurewin, run_.spinwin);
    play_.winUnsettled = false;
    ledger_.oweFeature(run_.featurewin);
    if (run_.freespinsplayed > 0) ledger_.countFreeSpinPlayed();
    addChecked(run_.freespinsplayed, 1);
    booking.finished = !booking.retriggered && run_.freespinsplayed == run_.freespintarget;
    return booking;
}

Move<std::int32_t> Cabinet::collectFeature() {
    if (closed_ || !freeSpinTotalWaiting()) return {Refusal::NotNow};
    collectTotal();
    return {Refusal::None, run_.featurewin};
}

void Cabinet::collectTotal() {
    run_.freespinsplayed = run_.freespintarget = run_.freespinmode = 0;
    ledger_.collectFeature(run_.featurewin, play_.featureOwed);
    play_.featureOwed = false;
    if (GameRecord* game = lastGame()) game->freeSpinTotal = run_.featurewin;
    run_.carrywin = run_.featurewin;
    play_.gambleOffered = run_.carrywin > 0;
}

Refusal Cabinet::beginJackpot() {
    if (closed_ || !play_.winUnsettled || run_.freespinmode != 0 || run_.jackpotcount <= 2 ||
        play_.board)
        return Refusal::NotNow;
    run_.jackpotcount = 0;
    run_.ballstop = 0;
    run_.jackpotprize = 0;
    play_.board = PlayState::Board{};
    ledger_.countJackpotFeature();
    return Refusal::None;
}

Move<int> Cabinet::boardStart(RandomSource& random) {
    if (closed_ || !play_.board || play_.board->prizeDecided || run_.ballstop != 0)
        return {Refusal::NotNow};
    run_.jackpotprize = 0;
    random.reseedFromClock();
    return {Refusal::None, drawOneTo(random, kBoardPositions)};
}

Refusal Cabinet::boardStop(RandomSource& random) {
    if (closed_ || !play_.board || run_.ballstop != 0) return Refusal::NotNow;
    random.reseedFromClock();
    run_.ballstop = static_cast<std::int16_t>(drawOneTo(random, kBoardPositions));
    return Refusal::None;
}

BoardPrize Cabinet::boardPrizeAtStop() const {
    const int stop = run_.ballstop;
    return boardPrize(stop < 1 || stop > kBoardPositions ? 1 : stop);
}

Refusal Cabinet::decideJackpotPrize() {
    if (!play_.board || run_.ballstop == 0 || play_.board->prizeDecided) return Refusal::NotNow;
    decidePrize();
    return Refusal::None;
}

// The prize is known by where the ball stopped, never by its amount: a bet multiple that
// happens to equal a meter is still a bet multiple. A multiple counts the stake the spin
// that opened the board was charged.
void Cabinet::decidePrize() {
    const BoardPrize prize = boardPrizeAtStop();
    if (const MeterRule* meter = meterRule(prize)) {
        run_.jackpotprize = player_.*meter->amount;
        ledger_.countMeterWon(meter->won);
    } else {
        run_.jackpotprize = boardMultiple(prize) * chargedTotal();
    }
    play_.board->prizeDecided = true;
}

std::int32_t Cabinet::chargedTotal() const {
    if (play_.chargedBet > 0 && play_.chargedLines > 0)
        return play_.chargedBet * play_.chargedLines;
    return totalBet();
}

// A won meter goes to the credit and the jackpot bank and starts again from its floor; a
// bet multiple goes to the credit alone.
Move<std::optional<BoardPrize>> Cabinet::payJackpot() {
    if (!play_.board || !play_.board->prizeDecided) return {Refusal::NotNow};
    if (!ledger_.canPay(run_.jackpotprize)) return {Refusal::BooksFull};
    const BoardPrize prize = boardPrizeAtStop();
    payPrize();
    if (meterRule(prize)) return {Refusal::None, prize};
    return {Refusal::None, std::nullopt};
}

void Cabinet::payPrize() {
    play_.board.reset();
    run_.jackpotcount = 0;
    const BoardPrize prize = boardPrizeAtStop();
    const MeterRule* meter = meterRule(prize);
    if (meter) {
        if (ledger_.payMeter(run_.jackpotprize)) player_.*meter->amount = meter->floor;
    } else {
        ledger_.payMultiple(run_.jackpotprize);
    }
    if (GameRecord* game = lastGame()) {
        static constexpr const char* kKinds[] = {"x10", "x20", "x30", "minor", "major", "grand"};
        game->jackpotPrize = run_.jackpotprize;
        game->jackpotKind = kKinds[static_cast<int>(prize)];
    }
}

bool Cabinet::gambleOffered() const {
    return !closed_ && play_.gambleOffered && !play_.gamble && !play_.winUnsettled &&
           run_.freespinmode == 0 && !play_.featureOwed;
}

Refusal Cabinet::openGamble() {
    if (!gambleOffered() || play_.spinning) return Refusal::NotNow;
    const std::int32_t stake = run_.carrywin > 0 ? run_.carrywin : run_.spinwin;
    if (stake <= 0 || player_.bank < stake) return Refusal::NotNow;
    run_.atrisk = stake;
    run_.carrywin = 0;
    run_.gamblestake = stake;
    ledger_.stakeGamble(stake);
    play_.gambleOffered = false;
    play_.gamble = PlayState::Gamble{};
    return Refusal::None;
}

int Cabinet::gambleMultiplier(GambleBet bet) {
    return bet == GambleBet::Suit ? kSuitMultiplier : kColourMultiplier;
}

// A guess is taken only when what it could win still fits the credit and statistics.
Move<int> Cabinet::guess(GambleBet bet, int suit, RandomSource& random) {
    if (!gambleOpen() || revealing()) return {Refusal::NotNow};
    if ((bet == GambleBet::Suit) != (suit >= 1 && suit <= kSuits)) return {Refusal::NotNow};
    const long long winning = static_cast<long long>(run_.atrisk) * gambleMultiplier(bet);
    if (winning > std::numeric_limits<std::int32_t>::max() ||
        !ledger_.canTake(static_cast<std::int32_t>(winning), run_.gamblestake))
        return {Refusal::BooksFull};
    addChecked(run_.historycount, 1);
    if (run_.historycount > kGambleHistoryWrap) run_.historycount = kGambleHistoryRestart;
    random.reseedFromClock();
    const int card = drawOneTo(random, kSuits);
    run_.historycards[historyPlace(run_.historycount)] = static_cast<std::int16_t>(card);
    play_.gamble->reveal = PlayState::Guess{bet, suit, card};
    return {Refusal::None, card};
}

Move<GuessOutcome> Cabinet::settleGuess() {
    if (!revealing()) return {Refusal::NotNow};
    const PlayState::Guess guess = *play_.gamble->reveal;
    play_.gamble->reveal.reset();
    const bool won = guess.bet == GambleBet::Red     ? isRed(guess.card)
                     : guess.bet == GambleBet::Black ? !isRed(guess.card)
                                                     : guess.card == guess.suit;
    if (won)
        assignChecked(run_.atrisk,
                      static_cast<long long>(run_.atrisk) * gambleMultiplier(guess.bet));
    else
        closeGamble(GambleEnd::Lost);
    return {Refusal::None, {won, guess.card, guess.bet}};
}

Move<std::int32_t> Cabinet::takeGamble() {
    if (!gambleOpen() || revealing()) return {Refusal::NotNow};
    if (!ledger_.canTake(run_.atrisk, run_.gamblestake)) return {Refusal::BooksFull};
    closeGamble(GambleEnd::Taken);
    return {Refusal::None, run_.atrisk};
}

void Cabinet::closeGamble(GambleEnd end) {
    play_.gamble.reset();
    ledger_.settleGamble(end, run_.atrisk, run_.gamblestake);
    if (GameRecord* game = lastGame()) {
        game->gamble = end == GambleEnd::Lost ? "lost" : "taken";
        game->gambleAmount = end == GambleEnd::Lost ? run_.gamblestake : run_.atrisk;
    }
}

// A card already drawn stands: closing the game while it turns cannot undo a loss. Free
// spins still to play and a ball still running are left as a crash would leave them.
void Cabinet::shutDown(std::int64_t now) {
    if (revealing()) settleGuess();
    if (gambleOpen()) closeGamble(GambleEnd::Taken);
    if (play_.winUnsettled) {
        SpinSettlement settled;
        settleDrawnSpin(now, settled);
    }
    recordGame(now);
    if (freeSpinTotalWaiting()) {
        const std::int32_t carried = run_.carrywin;
        collectTotal();
        run_.carrywin = carried;
    }
    if (play_.board && run_.ballstop != 0) {
        if (!play_.board->prizeDecided) decidePrize();
        payPrize();
    }
    play_.spinning = play_.drawing = false;
    play_.gambleOffered = false;
    closed_ = true;
}

}  // namespace quorvel::engine
