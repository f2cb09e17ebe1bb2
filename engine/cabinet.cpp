#include "engine/cabinet.h"

#include <algorithm>
#include <array>
#include <limits>

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

bool fits32(long long value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

// The most a spin of this stake could pay: every paying symbol five of a kind on every
// played line, and five chests.
long long maxSpinWin(const RunState& run) {
    long long perLine = 0;
    for (Symbol symbol : evaluationOrder())
        perLine += linePay(symbol, 5);
    return perLine * run.bet * run.lines +
           static_cast<long long>(scatterMultiple(5)) * run.bet * run.lines;
}

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
    if ((play.spinning || play.winUnsettled) && run.freespinmode == 0 && !play.featureOwed)
        return Phase::Spin;
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
    // A drawn spin goes on to its landing and settlement as the spin it was.
    play_.spinning = play.winUnsettled;
    play_.gambleOffered = false;
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
    closed_ = false;
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

// Only what the books themselves say the player is owed: a credit above what they explain
// is not money in play.
void Cabinet::returnMoneyInPlay() {
    ledger_.collectOwedAtStart();
    const long long owed = -unexplainedCredit(player_);
    if (owed > 0) ledger_.returnToCredit(owed);
}

Refusal Cabinet::coinRefusal() const {
    if (closed_ || run_.freespinmode == -1) return Refusal::NotNow;
    if (!ledger_.canInsert(kCreditPerCoin)) return Refusal::BooksFull;
    return Refusal::None;
}

Refusal Cabinet::insertCoin() {
    const Refusal refusal = coinRefusal();
    if (refusal == Refusal::None) ledger_.insertCoin(kCreditPerCoin);
    return refusal;
}

bool Cabinet::stakeMayChange() const {
    return !closed_ && run_.freespinmode == 0 && !play_.featureOwed && !play_.board &&
           !play_.gamble;
}

// The lines are fixed once a spin starts; the bet may be stepped while its reels turn (the
// spin keeps the stake it was charged).
Move<int> Cabinet::stepLines() {
    if (!stakeMayChange() || play_.spinning || play_.winUnsettled) return {Refusal::NotNow};
    if (++run_.linechoice > kLineChoices) run_.linechoice = 1;
    run_.lines = linesForChoice(run_.linechoice);
    return {Refusal::None, run_.linechoice};
}

Move<int> Cabinet::stepBet() {
    if (!stakeMayChange()) return {Refusal::NotNow};
    if (++run_.betstep > kBetSteps) run_.betstep = 1;
    run_.bet = betForStep(run_.betstep);
    return {Refusal::None, run_.betstep};
}

bool Cabinet::freeSpinDue() const {
    return run_.freespinmode == -1 && run_.freespinsplayed < run_.freespintarget &&
           !play_.winUnsettled && !play_.gamble;
}

bool Cabinet::spinFits() const {
    const long long win = maxSpinWin(run_);
    const PlayerValues& p = player_;
    if (run_.freespinmode == -1)
        return fits32(run_.featurewin + win) && fits32(p.bank + p.featureowed + win) &&
               fits32(p.totalwon + win);
    return fits32(static_cast<long long>(p.bank) - totalBet() + win) && fits32(p.totalwon + win);
}

// A profile whose statistics are full takes no more spins until they are cleared.
Refusal Cabinet::spinRefusal() const {
    if (closed_ || play_.spinning) return Refusal::NotNow;
    if (run_.freespinmode == -1) {
        if (!freeSpinDue()) return Refusal::NotNow;
        return spinFits() ? Refusal::None : Refusal::BooksFull;
    }
    if (phase() != Phase::Idle) return Refusal::NotNow;
    if (!creditCovers() || !ledger_.canCharge(totalBet())) return Refusal::NoCredit;
    return spinFits() ? Refusal::None : Refusal::BooksFull;
}

Refusal Cabinet::startSpin() {
    const Refusal refusal = spinRefusal();
    if (refusal != Refusal::None) return refusal;
    if (run_.freespinmode == 0) clearFeatureTotals();
    run_.scattercell.fill(0);
    run_.linematch.fill(0);
    play_.spinning = true;
    play_.drawing = true;
    play_.gambleOffered = false;
    return Refusal::None;
}

Move<DrawVerdict> Cabinet::drawSpin(RandomSource& random) {
    if (!play_.drawing) return {Refusal::NotNow};
    engine::resetDrawMarks(run_);
    for (int reel = 1; reel <= kReels; ++reel)
        engine::drawReel(run_, random, reel);
    const DrawVerdict verdict = evaluateDraw(random);
    if (verdict.refused) {
        // Checked at the start, so never expected: the spin ends uncharged all the same.
        play_.spinning = play_.drawing = false;
        return {Refusal::BooksFull};
    }
    return {Refusal::None, verdict};
}

Move<SpinSettlement> Cabinet::settleSpin(std::int64_t now) {
    if (!play_.winUnsettled) return {Refusal::NotNow};
    SpinSettlement settled;
    settleDrawnSpin(now, settled);
    return {Refusal::None, settled};
}

Refusal Cabinet::endSpin() {
    if (!play_.spinning || play_.drawing || play_.winUnsettled) return Refusal::NotNow;
    play_.spinning = false;
    return Refusal::None;
}

void Cabinet::clearFeatureTotals() {
    run_.carrywin = 0;
    run_.atrisk = 0;
    run_.featurewin = 0;
}

// Charges the spin and decides whether its result may stand. A win above twice the total
// bet stands only with probability 1 in machinepay; otherwise the books are put back as if
// the draw had never happened and the caller draws again.
DrawVerdict Cabinet::evaluateDraw(RandomSource& random) {
    fillLineSums(run_);
    if (player_.reelspeed == 0) player_.reelspeed = 1;
    evaluateWin(run_);
    DrawVerdict verdict{.evaluatedWin = run_.spinwin};
    const bool normal = run_.freespinmode != -1;
    const std::int32_t creditBefore = player_.bank;
    const SpinCharge charge = ledger_.chargeSpin(totalBet(), run_.spinwin, normal, run_.featurewin);
    if (!charge.recorded) {
        run_.spinwin = 0;
        run_.scattercount = 0;
        verdict.refused = true;
        return verdict;
    }
    random.reseedFromClock();
    const int machinepay = player_.machinepay >= 1 ? player_.machinepay : kDefaultMachinePay;
    if (resultStands(run_, drawOneTo(random, machinepay))) {
        play_.winUnsettled = true;
        play_.drawing = false;
        play_.gameUnrecorded = normal;
        if (normal) play_.creditBeforeSpin = creditBefore;
        play_.chargedBet = run_.bet;
        play_.chargedLines = run_.lines;
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

// A win goes to the credit, or into the feature that the spin plays or starts.
void Cabinet::settleDrawnSpin(std::int64_t now, SpinSettlement& settled) {
    settled.triggered = run_.scattercount >= 3;
    settled.freeSpin = run_.freespinmode == -1 || settled.triggered;
    settled.fromNormalPlay = settled.triggered && run_.freespinmode == 0;
    if (settled.triggered) triggerFreeSpins(settled.fromNormalPlay);
    if (settled.freeSpin) {
        settled.booking = bookFreeSpin();
        if (settled.booking.finished) run_.freespinmode = 0;
    } else {
        growMeters();
        ledger_.payWin(run_.spinwin);
        play_.winUnsettled = false;
        play_.gambleOffered = run_.spinwin > 0 && run_.freespintarget < 1;
    }
    recordGame(now);
}

// Each normal game is noted as it settles, with the stake it was charged; what follows it
// is added to that note.
void Cabinet::recordGame(std::int64_t now) {
    if (!play_.gameUnrecorded) return;
    GameRecord game;
    game.playedAt = now;
    for (int reel = 1; reel <= kReels; ++reel)
        game.stops[reel - 1] = run_.stop[reel];
    game.reel3 = run_.reel3counts == 1 ? 1 : 2;
    game.lines = play_.chargedLines > 0 ? play_.chargedLines : run_.lines;
    game.bet = play_.chargedBet > 0 ? play_.chargedBet : run_.bet;
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

}  // namespace quorvel::engine
