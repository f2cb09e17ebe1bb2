#include "engine/play_check.h"

#include "engine/cards.h"
#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/jackpot_board.h"
#include "engine/money.h"
#include "engine/play_record.h"
#include "engine/strips.h"

namespace quorvel::engine {
namespace {

// Room for one more retrigger at the widest award.
constexpr int kMostFreeSpins = 32767 - 21;

bool stopsDrawn(const RunState& run) {
    for (int reel = 1; reel <= kReels; ++reel)
        if (run.stop[reel] < 1 || run.stop[reel] > kStops) return false;
    return true;
}

// What the drawn stops pay at the stored stake: a stored win must be the one they show.
std::int32_t winOfStops(const RunState& stored) {
    RunState run = stored;
    resetDrawMarks(run);
    for (int reel = 1; reel <= kReels; ++reel)
        landReel(run, reel, stored.stop[reel]);
    fillLineSums(run);
    evaluateWin(run);
    return run.spinwin;
}

std::string featureFault(const PlayerValues& player, const RunState& run, const PlayState& play) {
    if (run.freespinsplayed > run.freespintarget || run.freespintarget > kMostFreeSpins)
        return "free spins beyond their target";
    if (run.freespinmode == -1 && (!play.featureOwed || run.freespinsplayed >= run.freespintarget))
        return "free spins running without a feature to play";
    if (!play.featureOwed) {
        if (run.freespintarget != 0 || run.freespinsplayed != 0)
            return "free spins without a feature";
        return {};
    }
    if (run.freespintarget < 1) return "a feature without free spins";
    if (run.freespinmode == 0 && run.freespinsplayed != run.freespintarget)
        return "a feature stopped before its last spin";
    if (player.featureowed != run.featurewin) return "a feature total the books do not owe";
    return {};
}

std::string gambleFault(const RunState& run, const PlayState& play) {
    if (play.winUnsettled || run.freespinmode != 0 || play.featureOwed)
        return "a gamble in the middle of a spin or a feature";
    if (run.gamblestake < 1) return "a gamble without a stake";
    // Every won guess doubles or quadruples the stake: what is at risk is the stake times a
    // power of two.
    long long atRisk = run.gamblestake;
    while (atRisk < run.atrisk)
        atRisk *= 2;
    if (atRisk != run.atrisk) return "an amount at risk no guesses could reach";
    if (!play.gamble->reveal) return {};
    const PlayState::Guess& guess = *play.gamble->reveal;
    if ((guess.bet == GambleBet::Suit) != (guess.suit >= 1 && guess.suit <= kSuits))
        return "a guess that names no suit";
    return {};
}

std::string boardFault(const PlayerValues& player, const RunState& run, const PlayState& play) {
    if (!play.board->prizeDecided) return {};
    if (run.ballstop < 1 || run.ballstop > kBoardPositions) return "a prize without a ball stop";
    const BoardPrize prize = boardPrize(run.ballstop);
    const long long stake = play.chargedBet > 0 ? play.chargedBet * play.chargedLines
                                                : static_cast<long long>(run.bet) * run.lines;
    const MeterRule* meter = meterRule(prize);
    const long long due = meter ? player.*meter->amount : boardMultiple(prize) * stake;
    if (run.jackpotprize != due) return "a board prize its stop does not give";
    return {};
}

}  // namespace

std::string playFault(const PlayerValues& player, const RunState& run, const PlayState& play) {
    if (run.bet != betForStep(run.betstep)) return "a bet its step does not give";
    if (std::string fault = featureFault(player, run, play); !fault.empty()) return fault;
    if (play.winUnsettled) {
        if (play.gamble) return "a gamble in the middle of a spin";
        if (!stopsDrawn(run)) return "a drawn spin off the reels";
        if (run.spinwin != winOfStops(run)) return "a win its reels do not show";
    }
    if (play.gamble)
        if (std::string fault = gambleFault(run, play); !fault.empty()) return fault;
    if (play.board)
        if (std::string fault = boardFault(player, run, play); !fault.empty()) return fault;
    Cabinet trial;
    trial.restoreProfile(player);
    trial.resumePlay(run, play);
    if (trial.unexplained() != 0) return "books that do not balance with the money in play";
    return {};
}

StoredPlay checkStoredPlay(const PlayerValues& player, const RunState& fresh,
                           const std::string& text) {
    StoredPlay stored;
    stored.run = fresh;
    if (text.empty()) return stored;
    if (!readPlay(text, stored.run, stored.play)) {
        stored.verdict = StoredPlay::Verdict::Refused;
        stored.fault = "a record that does not read";
        return stored;
    }
    if (phaseOf(stored.run, stored.play) == Phase::Idle) {
        stored.run = fresh;
        stored.play = {};
        return stored;
    }
    stored.fault = playFault(player, stored.run, stored.play);
    stored.verdict =
        stored.fault.empty() ? StoredPlay::Verdict::Resume : StoredPlay::Verdict::Refused;
    return stored;
}

}  // namespace quorvel::engine
