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

// What a draw's evaluation decided: a discarded draw is drawn again.
struct DrawVerdict {
    bool stands = false;
    std::int32_t evaluatedWin = 0;
};

// One free spin booked into the feature.
struct FreeSpinBooking {
    bool retriggered = false;
    std::int16_t playedBefore = 0;
    bool finished = false;
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

    // Profiles.
    void restoreProfile(PlayerValues profile);
    bool collectOwedAtStart() { return ledger_.collectOwedAtStart(); }
    // A new run: its stake, and the defaults a stored profile may lack.
    void startRun();
    void setPreference(std::int16_t PlayerValues::*field, std::int16_t value);
    void setPlayerName(std::string name) { player_.currentplayer = std::move(name); }
    void clearStatistics();

    // Credit, lines and bet.
    void insertCoin() { ledger_.insertCoin(kCreditPerCoin); }
    int stepLines();
    int stepBet();
    // Fixes the bet from its step; whether the credit covers the spin.
    bool fixStake();

    // The spin cycle, in the order a spin takes.
    void clearFeatureTotals();
    void clearSpinMarks();
    void resetDrawMarks();
    void drawReel(RandomSource& random, int reel);
    DrawVerdict evaluateDraw(RandomSource& random);
    void settleSpin();
    void recordGame(std::int64_t now);

    // Free spins.
    void triggerFreeSpins();
    void enterFreeSpins() { run_.freespinmode = -1; }
    void awardFreeSpins(bool fromNormalPlay);
    FreeSpinBooking bookFreeSpin();
    void endFreeSpins() { run_.freespinmode = 0; }
    void collectFeature();

    // The jackpot board.
    void beginJackpot();
    int drawBallStart(RandomSource& random);
    void drawBallStop(RandomSource& random);
    void decideJackpotPrize();
    BoardPrize boardPrizeAtStop() const;
    // Pays the decided prize once; the meter it emptied, if any.
    std::optional<BoardPrize> payJackpot();
    bool boardPending() const { return play_.board.has_value(); }

    // The gamble.
    void openGamble();
    bool gambleOpen() const { return play_.gamble.has_value(); }
    bool revealing() const { return gambleOpen() && play_.gamble->reveal.has_value(); }
    // Draws the card of a guess; it stands from here, whatever happens on screen.
    int guess(GambleBet bet, int suit, RandomSource& random);
    GuessOutcome settleGuess();
    std::int32_t takeGamble();

    // Money still in play when the program ends goes to the credit first, and a spin it
    // cut short is noted in the recall.
    void settleForShutDown(RandomSource& random, std::int64_t now);

private:
    void growMeters();
    GameRecord* lastGame();
    void closeGamble(GambleEnd end);

    PlayerValues player_;
    RunState run_;
    Books books_;
    PlayState play_;
    Ledger ledger_{player_, books_};
};

}  // namespace quorvel::engine
