#pragma once

#include <cstdint>
#include <deque>

#include "engine/game_state.h"

namespace quorvel::engine {

// What happened after a game that the session chart marks.
enum class SessionMark { None, FreeSpins, Board, Gamble };

// The credit after one game of the session, at rest (its features and gamble settled).
struct SessionPoint {
    std::int32_t game = 0;  // 1 for the session's first game
    std::int64_t ms = 0;    // played time since the session began
    std::int32_t credit = 0;
    std::int32_t paid = 0;  // the game's line win, feature total and board prize
    SessionMark mark = SessionMark::None;
    std::int32_t markAmount = 0;
    // The session's totals at this game, for its running return.
    std::int64_t wagered = 0;
    std::int64_t won = 0;
    bool featureCounted = false;
    bool boardCounted = false;
};

// The session's figures, all from the profile's own statistics against where it began, so
// they agree with the books: won - wagered = net, the credit's change apart from coins.
struct SessionFigures {
    std::int32_t games = 0;
    std::int64_t seconds = 0;
    std::int64_t wagered = 0;
    std::int64_t won = 0;
    std::int64_t net = 0;
    std::int32_t biggest = 0;
    std::int32_t freeSpinFeatures = 0;
    std::int32_t boards = 0;
};

// Where a session began and its tallies: stored with the profile so a resumed game
// continues it.
struct SessionStart {
    std::int32_t bank = 0;
    std::int32_t wager = 0;
    std::int32_t invested = 0;
    std::int32_t games = 0;
    std::int64_t playedMs = 0;  // played before this run of the program
    std::int32_t biggest = 0;
    std::int32_t freeSpinFeatures = 0;
    std::int32_t boards = 0;
    bool operator==(const SessionStart&) const = default;
};

// One player's session since the game started. Play time runs on the clock the screen
// passes in; the session never reads a clock itself.
class Session {
public:
    static constexpr std::size_t kMaxPoints = 10'000;

    void begin(const PlayerValues& player, std::int64_t nowMs);
    // Continues a stored session and its chart from the points stored with it.
    void resume(const SessionStart& start, std::deque<SessionPoint> points, std::int64_t nowMs);
    // Called whenever play rests (every game recorded): adds the games played since, and
    // settles them and the last one seen from their records once features and gamble are done.
    void observe(const PlayerValues& player, std::int64_t nowMs);

    SessionFigures figures(const PlayerValues& player, std::int64_t nowMs) const;
    std::int64_t playedMs(std::int64_t nowMs) const { return start_.playedMs + nowMs - since_; }
    // What to store so the session survives a crash.
    SessionStart stored(std::int64_t nowMs) const;
    const std::deque<SessionPoint>& points() const { return points_; }

private:
    void settle(const PlayerValues& player, std::size_t count);
    void tally(SessionPoint& point, const GameRecord& game);

    SessionStart start_;
    std::int64_t since_ = 0;
    std::deque<SessionPoint> points_;
    std::int32_t pointsBase_ = 0;  // the session's game count where the points begin
};

}  // namespace quorvel::engine
