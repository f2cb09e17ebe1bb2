// The cabinet's jackpot board, gamble and shut-down rules.
#include "engine/cabinet.h"
#include "engine/cards.h"
#include "engine/checked.h"
#include "engine/draw.h"

namespace quorvel::engine {
namespace {

constexpr int kGambleHistoryWrap = 10;  // from the sixth draw on the strip shows the last five
constexpr int kGambleHistoryRestart = 6;

}  // namespace

void Cabinet::beginJackpot() {
    run_.jackpotcount = 0;
    play_.board = PlayState::Board{};
    ledger_.countJackpotFeature();
}

int Cabinet::drawBallStart(RandomSource& random) {
    run_.ballstop = 0;
    run_.jackpotprize = 0;
    random.reseedFromClock();
    return drawOneTo(random, kBoardPositions);
}

void Cabinet::drawBallStop(RandomSource& random) {
    random.reseedFromClock();
    run_.ballstop = static_cast<std::int16_t>(drawOneTo(random, kBoardPositions));
}

BoardPrize Cabinet::boardPrizeAtStop() const {
    const int stop = run_.ballstop;
    return boardPrize(stop < 1 || stop > kBoardPositions ? 1 : stop);
}

// The prize is known by where the ball stopped, never by its amount: a bet multiple that
// happens to equal a meter is still a bet multiple.
void Cabinet::decideJackpotPrize() {
    const BoardPrize prize = boardPrizeAtStop();
    if (const MeterRule* meter = meterRule(prize)) {
        run_.jackpotprize = player_.*meter->amount;
        ledger_.countMeterWon(meter->won);
    } else {
        run_.jackpotprize = boardMultiple(prize) * totalBet();
    }
    if (play_.board) play_.board->prizeDecided = true;
}

// A won meter goes to the credit and the jackpot bank and starts again from its floor; a
// bet multiple goes to the credit alone.
std::optional<BoardPrize> Cabinet::payJackpot() {
    if (!play_.board) return std::nullopt;
    play_.board.reset();
    run_.jackpotcount = 0;
    const BoardPrize prize = boardPrizeAtStop();
    const MeterRule* meter = meterRule(prize);
    if (meter) {
        ledger_.payMeter(run_.jackpotprize);
        player_.*meter->amount = meter->floor;
    } else {
        ledger_.payMultiple(run_.jackpotprize);
    }
    if (GameRecord* game = lastGame()) {
        static constexpr const char* kKinds[] = {"x10", "x20", "x30", "minor", "major", "grand"};
        game->jackpotPrize = run_.jackpotprize;
        game->jackpotKind = kKinds[static_cast<int>(prize)];
    }
    if (meter) return prize;
    return std::nullopt;
}

void Cabinet::openGamble() {
    run_.atrisk = run_.carrywin > 0 ? run_.carrywin : run_.spinwin;
    run_.carrywin = 0;
    run_.gamblestake = run_.atrisk;
    ledger_.stakeGamble(run_.atrisk);
    play_.gamble = PlayState::Gamble{};
}

int Cabinet::guess(GambleBet bet, int suit, RandomSource& random) {
    addChecked(run_.historycount, 1);
    if (run_.historycount > kGambleHistoryWrap) run_.historycount = kGambleHistoryRestart;
    random.reseedFromClock();
    const int card = drawOneTo(random, kSuits);
    run_.historycards[historyPlace(run_.historycount)] = static_cast<std::int16_t>(card);
    play_.gamble->reveal = PlayState::Guess{bet, suit, card};
    return card;
}

GuessOutcome Cabinet::settleGuess() {
    const PlayState::Guess guess = *play_.gamble->reveal;
    play_.gamble->reveal.reset();
    const bool won = guess.bet == GambleBet::Red     ? isRed(guess.card)
                     : guess.bet == GambleBet::Black ? !isRed(guess.card)
                                                     : guess.card == guess.suit;
    if (won) {
        const int multiplier = guess.bet == GambleBet::Suit ? kSuitMultiplier : kColourMultiplier;
        assignChecked(run_.atrisk, static_cast<long long>(run_.atrisk) * multiplier);
    } else {
        closeGamble(GambleEnd::Lost);
    }
    return {won, guess.card, guess.bet};
}

std::int32_t Cabinet::takeGamble() {
    closeGamble(GambleEnd::Taken);
    return run_.atrisk;
}

void Cabinet::closeGamble(GambleEnd end) {
    play_.gamble.reset();
    ledger_.settleGamble(end, run_.atrisk, run_.gamblestake);
    if (GameRecord* game = lastGame()) {
        game->gamble = end == GambleEnd::Lost ? "lost" : "taken";
        game->gambleAmount = end == GambleEnd::Lost ? run_.gamblestake : run_.atrisk;
    }
}

// A card already drawn stands: closing the game while it turns cannot undo a loss.
void Cabinet::settleForShutDown(RandomSource& random, std::int64_t now) {
    if (revealing()) settleGuess();
    if (gambleOpen()) takeGamble();
    if (play_.winUnsettled) {
        play_.winUnsettled = false;
        if (run_.freespinmode == -1 || run_.scattercount >= 3) {
            addChecked(run_.featurewin, run_.spinwin);
            play_.featureOwed = true;
        } else {
            ledger_.payWin(run_.spinwin);
        }
    }
    recordGame(now);
    if (play_.featureOwed) {
        const std::int32_t carried = run_.carrywin;
        collectFeature();
        run_.carrywin = carried;
    }
    if (play_.board) {
        if (!play_.board->prizeDecided) {
            drawBallStop(random);
            decideJackpotPrize();
        }
        payJackpot();
    }
}

}  // namespace quorvel::engine
