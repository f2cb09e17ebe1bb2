#include "engine/cabinet.h"

#include <array>

#include "engine/cards.h"
#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/money.h"

namespace quorvel::engine {
namespace {

// In the order they grow: a meter below its floor is lifted to it instead of growing.
constexpr std::array<MeterRule, 3> kMeters{{
    {BoardPrize::Grand, &PlayerValues::grand, &PlayerValues::grandwon, 2'000'000, 50},
    {BoardPrize::Major, &PlayerValues::major, &PlayerValues::majorwon, 200'000, 30},
    {BoardPrize::Minor, &PlayerValues::minor, &PlayerValues::minorwon, 2'000, 20},
}};

constexpr int kGambleHistoryWrap = 10;  // from the sixth draw on the strip shows the last five
constexpr int kGambleHistoryRestart = 6;

}  // namespace

std::string_view phaseName(Phase phase) {
    switch (phase) {
        case Phase::Spin:
            return "spin";
        case Phase::FreeSpins:
            return "free_spins";
        case Phase::TotalWaiting:
            return "total_waiting";
        case Phase::Jackpot:
            return "jackpot";
        case Phase::Gamble:
            return "gamble";
        case Phase::Reveal:
            return "reveal";
        default:
            return "idle";
    }
}

const MeterRule* meterRule(BoardPrize prize) {
    for (const MeterRule& meter : kMeters)
        if (meter.prize == prize) return &meter;
    return nullptr;
}

namespace {

// Free spins run from their trigger until the last is played; then the total waits.
bool totalWaiting(const RunState& run, const PlayState& play) {
    return play.featureOwed && run.freespinmode == 0 && run.freespintarget > 0 &&
           run.freespinsplayed >= run.freespintarget;
}

}  // namespace

Phase phaseOf(const RunState& run, const PlayState& play) {
    if (play.gamble) return play.gamble->reveal ? Phase::Reveal : Phase::Gamble;
    if (play.winUnsettled && run.freespinmode == 0 && !play.featureOwed) return Phase::Spin;
    if (play.board) return Phase::Jackpot;
    if (totalWaiting(run, play)) return Phase::TotalWaiting;
    if (run.freespinmode == -1 || play.featureOwed) return Phase::FreeSpins;
    return Phase::Idle;
}

bool Cabinet::freeSpinTotalWaiting() const {
    return totalWaiting(run_, play_);
}

Phase Cabinet::phase() const {
    return phaseOf(run_, play_);
}

void Cabinet::resumePlay(const RunState& stored, const PlayState& play) {
    RunState drawn = stored;
    engine::resetDrawMarks(drawn);
    bool landed = true;
    for (int reel = 1; reel <= kReels; ++reel)
        landed = landed && stored.stop[reel] >= 1;
    if (landed) {
        for (int reel = 1; reel <= kReels; ++reel)
            landReel(drawn, reel, stored.stop[reel]);
        fillLineSums(drawn);
        evaluateWin(drawn);
    }
    // The evaluation redraws the marks; what the spin and the features had won stands.
    drawn.spinwin = stored.spinwin;
    drawn.featurewin = stored.featurewin;
    drawn.atrisk = stored.atrisk;
    if (play.board) drawn.jackpotcount = 0;
    run_ = drawn;
    play_ = play;
}

// A drawn win is counted as won before it reaches the credit, and a gamble's stake leaves
// the credit while it stays counted as won: both are the player's money in play.
long long Cabinet::unexplained() const {
    long long inPlay = 0;
    if (play_.winUnsettled) inPlay += run_.spinwin;
    if (play_.gamble) inPlay += run_.gamblestake;
    return unexplainedCredit(player_) + inPlay;
}

std::int16_t Cabinet::totalBet() const {
    return engine::totalBet(run_);
}

void Cabinet::restore(CabinetState state) {
    player_ = std::move(state.player);
    run_ = state.run;
    play_ = state.play;
}

void Cabinet::restoreProfile(PlayerValues profile) {
    player_ = std::move(profile);
}

void Cabinet::startRun() {
    if (player_.machinepay == 0) player_.machinepay = kDefaultMachinePay;
    if (player_.reelspeed < 1) player_.reelspeed = 1;
    run_.lines = 25;
    run_.bet = 1;
    run_.betstep = 1;
}

// Only the player's choices: the money statistics have the ledger's moves.
void Cabinet::setPreference(std::int16_t PlayerValues::*field, std::int16_t value) {
    if (field == &PlayerValues::machinepay || field == &PlayerValues::reelspeed ||
        field == &PlayerValues::soundonoff || field == &PlayerValues::winroll ||
        field == &PlayerValues::sizescreen)
        player_.*field = value;
}

// The player's games go with the money and statistics they explain.
void Cabinet::clearStatistics() {
    player_.machinepay = kDefaultMachinePay;
    ledger_.clearStatistics();
    player_.history.clear();
}

int Cabinet::stepLines() {
    if (++run_.linechoice > kLineChoices) run_.linechoice = 1;
    run_.lines = linesForChoice(run_.linechoice);
    return run_.linechoice;
}

int Cabinet::stepBet() {
    if (++run_.betstep > kBetSteps) run_.betstep = 1;
    run_.bet = betForStep(run_.betstep);
    return run_.betstep;
}

// A profile whose statistics are full takes no more spins until they are cleared.
bool Cabinet::fixStake() {
    run_.bet = betForStep(run_.betstep);
    return creditCovers() && ledger_.canCharge(totalBet());
}

void Cabinet::clearFeatureTotals() {
    run_.carrywin = 0;
    run_.atrisk = 0;
    run_.featurewin = 0;
}

void Cabinet::clearSpinMarks() {
    run_.scattercell.fill(0);
    run_.linematch.fill(0);
}

void Cabinet::resetDrawMarks() {
    engine::resetDrawMarks(run_);
}

void Cabinet::drawReel(RandomSource& random, int reel) {
    engine::drawReel(run_, random, reel);
}

// Charges the spin and decides whether its result may stand. A win above twice the total
// bet stands only with probability 1 in machinepay; otherwise the books are put back as if
// the draw had never happened and the caller draws again.
DrawVerdict Cabinet::evaluateDraw(RandomSource& random) {
    fillLineSums(run_);
    if (player_.reelspeed == 0) player_.reelspeed = 1;
    evaluateWin(run_);
    DrawVerdict verdict{false, run_.spinwin};
    const bool normal = run_.freespinmode != -1;
    if (normal) play_.creditBeforeSpin = player_.bank;
    const SpinCharge charge = ledger_.chargeSpin(totalBet(), run_.spinwin, normal, run_.featurewin);
    play_.gameUnrecorded = normal;
    if (!charge.recorded) {
        // The books could not take this result: it is drawn again, as a discarded one is.
        run_.spinwin = 0;
        run_.scattercount = 0;
        return verdict;
    }
    random.reseedFromClock();
    const int machinepay = player_.machinepay >= 1 ? player_.machinepay : kDefaultMachinePay;
    if (resultStands(run_, drawOneTo(random, machinepay))) {
        play_.winUnsettled = true;
        verdict.stands = true;
        return verdict;
    }
    ledger_.refundDraw(charge);
    run_.spinwin = 0;
    run_.scattercount = 0;
    return verdict;
}

void Cabinet::growMeters() {
    for (const MeterRule& meter : kMeters) {
        std::int32_t& amount = player_.*meter.amount;
        if (amount >= meter.floor)
            addChecked(amount, meter.growth);
        else
            amount = meter.floor;
    }
}

void Cabinet::settleSpin() {
    growMeters();
    ledger_.payWin(run_.spinwin);
    play_.winUnsettled = false;
}

// Each normal game is noted as it settles; what follows it is added to that note.
void Cabinet::recordGame(std::int64_t now) {
    if (!play_.gameUnrecorded) return;
    GameRecord game;
    game.playedAt = now;
    for (int reel = 1; reel <= kReels; ++reel)
        game.stops[reel - 1] = run_.stop[reel];
    game.reel3 = run_.reel3counts == 1 ? 1 : 2;
    game.lines = run_.lines;
    game.bet = run_.bet;
    game.win = run_.spinwin;
    for (int line = 1; line <= kLines; ++line)
        if (run_.linewin[line] > 0) game.paidLines.push_back(line);
    if (run_.scattercount >= 3) game.freeSpinsWon = freeGamesFor(run_.scattercount, false);
    game.bankBefore = play_.creditBeforeSpin;
    game.bankAfter = player_.bank;
    player_.history.add(std::move(game));
    play_.gameUnrecorded = false;
}

// What follows a game is noted on the newest record, with the credit it left.
GameRecord* Cabinet::lastGame() {
    GameRecord* game = player_.history.newest();
    if (game) game->bankAfter = player_.bank;
    return game;
}

void Cabinet::triggerFreeSpins() {
    addChecked(run_.featurewin, run_.spinwin);
    play_.winUnsettled = false;
    play_.featureOwed = true;
    ledger_.oweFeature(run_.featurewin);
    ledger_.countFreeSpinFeature();
}

void Cabinet::awardFreeSpins(bool fromNormalPlay) {
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

void Cabinet::collectFeature() {
    run_.freespinsplayed = run_.freespintarget = run_.freespinmode = 0;
    ledger_.collectFeature(run_.featurewin, play_.featureOwed);
    play_.featureOwed = false;
    if (GameRecord* game = lastGame()) game->freeSpinTotal = run_.featurewin;
    run_.carrywin = run_.featurewin;
}

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
