#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/game_state.h"
#include "engine/jackpot_board.h"
#include "engine/ledger.h"
#include "engine/preferences.h"
#include "engine/random_source.h"

namespace quorvel::engine {

// Where play stands. Features can overlap (the board keeps running while the gamble is
// open or free spins play), so the phase names the one that holds the player's attention.
enum class Phase { Idle, Spin, FreeSpins, TotalWaiting, Jackpot, Gamble, Reveal };
std::string_view phaseName(Phase phase);

enum class GambleBet { Red, Black, Suit };

// What play needs to go on from here, beside the run state.
struct PlayState {
    // A drawn spin whose win has reached neither the credit nor the feature total.
    bool winUnsettled = false;
    // A normal spin charged but not yet noted in the recall, and the credit before it.
    bool gameUnrecorded = false;
    std::int32_t creditBeforeSpin = 0;
    // From the free-spin trigger until the total is collected.
    bool featureOwed = false;
    // The stake the drawn spin was charged (the bet may be stepped while its reels turn).
    std::int16_t chargedBet = 0;
    std::int16_t chargedLines = 0;
    // A spin from its start until its outcome has been shown: no other spin starts inside
    // it. Never stored: a spin that has not stood yet has charged nothing.
    bool spinning = false;
    // Until a draw of the spin stands: a settled spin is never drawn again.
    bool drawing = false;
    // A settled win or a collected feature total the player may take to the gamble.
    bool gambleOffered = false;
    // The jackpot board, from its start until its prize is paid.
    struct Board {
        bool prizeDecided = false;
        bool operator==(const Board&) const = default;
    };
    std::optional<Board> board;
    // The gamble, from its opening until it is taken or lost; a drawn card is being turned
    // until its guess is settled.
    struct Guess {
        GambleBet bet = GambleBet::Red;
        int suit = 0;  // the suit named by a suit bet
        int card = 0;  // the suit drawn
        bool operator==(const Guess&) const = default;
    };
    struct Gamble {
        std::optional<Guess> reveal;
        bool operator==(const Gamble&) const = default;
    };
    std::optional<Gamble> gamble;
    bool operator==(const PlayState&) const = default;
};

// Where a state of play stands.
Phase phaseOf(const RunState& run, const PlayState& play);

// Why the cabinet refused a move: a refused move changes nothing.
enum class Refusal {
    None,
    // Not a move of this moment of play (a spin inside a spin, a guess with no gamble, ...).
    NotNow,
    // The credit does not cover the total bet.
    NoCredit,
    // The credit or a statistic could not take the largest result of this move.
    BooksFull,
};

// A move's outcome, or why it was refused.
template <typename T>
struct Move {
    Refusal refusal = Refusal::None;
    T outcome{};
    bool ok() const { return refusal == Refusal::None; }
};

// What a draw's evaluation decided: a discarded draw is drawn again.
struct DrawVerdict {
    bool stands = false;
    // The books could not take the result: nothing was charged.
    bool refused = false;
    std::int32_t evaluatedWin = 0;
};

// One free spin booked into the feature.
struct FreeSpinBooking {
    bool retriggered = false;
    std::int16_t playedBefore = 0;
    bool finished = false;
};

// How a standing spin was settled: its win to the credit, or into the free-spin feature.
struct SpinSettlement {
    bool freeSpin = false;        // booked into the feature
    bool triggered = false;       // won free spins
    bool fromNormalPlay = false;  // the free spins it won start a feature
    FreeSpinBooking booking;
};

struct GuessOutcome {
    bool won = false;
    int card = 0;
    GambleBet bet = GambleBet::Red;
};

// A jackpot meter's rules: where it starts again and how much each normal spin adds.
struct MeterRule {
    BoardPrize prize;
    std::int32_t PlayerValues::*amount;
    std::int16_t PlayerValues::*won;
    std::int32_t floor;
    std::int32_t growth;
};
// The place of the gamble's history strip (1..5) that the card of draw `count` takes.
constexpr int historyPlace(int count) {
    return count < 1 ? 1 : (count - 1) % 5 + 1;
}

// The meter a board prize pays, or nullptr for a bet multiple.
const MeterRule* meterRule(BoardPrize prize);

// The whole game as one value: what a resumed game starts from.
struct CabinetState {
    PlayerValues player;
    RunState run;
    PlayState play;
    bool operator==(const CabinetState&) const = default;
};

// The game's rules and money in one owner: the player's profile, the run state, the books
// and the state of play. Its operations take what the player did and the random source
// and say what happened; they never touch a window, a timer or a sound.
class Cabinet {
public:
    static constexpr std::int32_t kCreditPerCoin = 5000;

    Cabinet() = default;
    Cabinet(const Cabinet&) = delete;
    Cabinet& operator=(const Cabinet&) = delete;

    const PlayerValues& player() const { return player_; }
    const RunState& run() const { return run_; }
    const Books& books() const { return books_; }
    const PlayState& play() const { return play_; }
    Phase phase() const;
    CabinetState state() const { return {player_, run_, play_}; }
    void restore(CabinetState state);
    // Puts back a stored state of play; the window is drawn again from its stops and the
    // stored amounts stand.
    void resumePlay(const RunState& stored, const PlayState& play);
    bool freeSpinTotalWaiting() const;
    std::int16_t totalBet() const;
    // The books' identity at any moment, the money in play included: zero when they balance.
    long long unexplained() const;
    bool creditCovers() const { return player_.bank >= totalBet(); }
    // Nothing running, nothing owed, nothing at stake: the moment a player's own moves
    // (a spin, the options, the recall) may start.
    bool atRest() const {
        return phase() == Phase::Idle && !play_.spinning && run_.freespintarget == 0;
    }

    // Profiles. A profile restored opens the cabinet to play again.
    void restoreProfile(PlayerValues profile);
    bool collectOwedAtStart() { return ledger_.collectOwedAtStart(); }
    // A new run: its stake, and the defaults a stored profile may lack.
    void startRun();
    void setPreference(std::int16_t PlayerValues::*field, std::int16_t value);
    void setPlayerName(std::string name) { player_.currentplayer = std::move(name); }
    void clearStatistics();
    // A stored state of play that was refused: the money its books say was in play (a
    // drawn win, a gamble's stake, a feature total) goes to the credit.
    void returnMoneyInPlay();

    // Credit, lines and bet.
    Refusal coinRefusal() const;
    Refusal insertCoin();
    // The stake stays as it is while free spins, the board or the gamble hold it; lines
    // also while a spin runs.
    Move<int> stepLines();
    Move<int> stepBet();
    bool stakeMayChange() const;

    // The spin: started, drawn until a result stands, settled, and ended once shown.
    // A normal spin starts only from rest, a free spin only while free spins are due.
    Refusal spinRefusal() const;
    Refusal startSpin();
    Move<DrawVerdict> drawSpin(RandomSource& random);
    Move<SpinSettlement> settleSpin(std::int64_t now);
    Refusal endSpin();
    bool spinRunning() const { return play_.spinning; }
    bool freeSpinDue() const;

    // The free-spin feature's total, once every spin is played.
    Move<std::int32_t> collectFeature();

    // The jackpot board: opened by the spin that shows it, the ball's start and stop drawn,
    // the prize decided where it stops and paid once.
    Refusal beginJackpot();
    Move<int> boardStart(RandomSource& random);
    Refusal boardStop(RandomSource& random);
    Refusal decideJackpotPrize();
    BoardPrize boardPrizeAtStop() const;
    // The meter the prize emptied, if any.
    Move<std::optional<BoardPrize>> payJackpot();
    bool boardPending() const { return play_.board.has_value(); }

    // The gamble: offered by a settled win or a collected total, opened once the spin is over.
    bool gambleOffered() const;
    Refusal openGamble();
    bool gambleOpen() const { return play_.gamble.has_value(); }
    bool revealing() const { return gambleOpen() && play_.gamble->reveal.has_value(); }
    // Draws the card of a guess; it stands from here, whatever happens on screen.
    Move<int> guess(GambleBet bet, int suit, RandomSource& random);
    Move<GuessOutcome> settleGuess();
    Move<std::int32_t> takeGamble();
    // What a won guess multiplies the stake at risk by.
    static int gambleMultiplier(GambleBet bet);

    // The program ends: what is already decided (a drawn spin, a turned card, a stopped
    // ball, a finished feature) is settled; free spins still to play and a ball still
    // running stay in play, to go on at the next start.
    // After it every move is refused, so input still queued at the close moves nothing.
    void shutDown(std::int64_t now);
    bool closed() const { return closed_; }

private:
    bool spinFits() const;
    void clearFeatureTotals();
    void drawReel(RandomSource& random, int reel);
    DrawVerdict evaluateDraw(RandomSource& random);
    void settleDrawnSpin(std::int64_t now, SpinSettlement& settled);
    void recordGame(std::int64_t now);
    void triggerFreeSpins(bool fromNormalPlay);
    FreeSpinBooking bookFreeSpin();
    void collectTotal();
    void decidePrize();
    void payPrize();
    std::int32_t chargedTotal() const;
    void growMeters();
    GameRecord* lastGame();
    void closeGamble(GambleEnd end);

    PlayerValues player_;
    RunState run_;
    Books books_;
    PlayState play_;
    bool closed_ = false;
    Ledger ledger_{player_, books_};
};

}  // namespace quorvel::engine
