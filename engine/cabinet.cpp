#include "engine/cabinet.h"

#include <algorithm>
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
        field == &PlayerValues::sizescreen || field == &PlayerValues::quickstop)
        player_.*field = value;
    else if (field == &PlayerValues::volume)
        player_.volume = std::clamp<std::int16_t>(value, 0, kFullVolume);
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

}  // namespace quorvel::engine
