#include "engine/session.h"

#include <algorithm>
#include <utility>

namespace quorvel::engine {
namespace {

std::int32_t paidBy(const GameRecord& game) {
    return game.win + game.freeSpinTotal + game.jackpotPrize;
}

SessionMark markOf(const GameRecord& game, std::int32_t& amount) {
    if (!game.gamble.empty()) {
        amount = game.gamble == "lost" ? -game.gambleAmount : game.gambleAmount;
        return SessionMark::Gamble;
    }
    if (game.jackpotPrize > 0) {
        amount = game.jackpotPrize;
        return SessionMark::Board;
    }
    if (game.freeSpinsWon > 0) {
        amount = game.freeSpinTotal;
        return SessionMark::FreeSpins;
    }
    amount = 0;
    return SessionMark::None;
}

}  // namespace

void Session::begin(const PlayerValues& player, std::int64_t nowMs) {
    start_ =
        SessionStart{player.bank, player.wager, player.amountinvested, player.games, 0, 0, 0, 0};
    since_ = nowMs;
    points_.clear();
    pointsBase_ = 0;
}

void Session::resume(const SessionStart& start, std::deque<SessionPoint> points,
                     std::int64_t nowMs) {
    start_ = start;
    since_ = nowMs;
    points_ = std::move(points);
    // Without points the chart starts where the profile stands at the first observation.
    pointsBase_ = points_.empty() ? -1 : points_.front().game - 1;
}

void Session::observe(const PlayerValues& player, std::int64_t nowMs) {
    const std::int32_t played = player.games - start_.games;
    // Points ahead of the profile belong to no game it played: the chart starts here.
    if (!points_.empty() && points_.back().game > played) points_.clear(), pointsBase_ = -1;
    if (pointsBase_ < 0) pointsBase_ = played;
    std::int32_t last = points_.empty() ? pointsBase_ : points_.back().game;
    // The newest point seen before may still have had its gamble or feature to come.
    std::size_t unsettled = points_.empty() ? 0 : 1;
    for (; last < played; ++unsettled) {
        points_.push_back(SessionPoint{++last, playedMs(nowMs), player.bank});
        if (points_.size() > kMaxPoints) points_.pop_front();
    }
    settle(player, std::min(unsettled, points_.size()));
}

// At rest the records are the games, newest first: each point settles from its own game's
// record, the credit it left included, however many games passed since the last look.
void Session::settle(const PlayerValues& player, std::size_t count) {
    const auto& games = player.history.games();
    count = std::min(count, games.size());
    std::int64_t wagered = static_cast<std::int64_t>(player.wager) - start_.wager;
    const std::int64_t net = static_cast<std::int64_t>(player.bank) - start_.bank -
                             (static_cast<std::int64_t>(player.amountinvested) - start_.invested);
    for (std::size_t i = 0; i < count; ++i) {
        SessionPoint& point = points_[points_.size() - 1 - i];
        const GameRecord& game = games[i];
        point.credit = game.bankAfter;
        point.wagered = wagered;
        point.won = wagered + net - (player.bank - game.bankAfter);
        wagered -= static_cast<std::int64_t>(game.lines) * game.bet;
        tally(point, game);
    }
}

// A point's tallies are counted once, however often it settles.
void Session::tally(SessionPoint& point, const GameRecord& game) {
    point.paid = paidBy(game);
    point.mark = markOf(game, point.markAmount);
    if (game.freeSpinsWon > 0 && !std::exchange(point.featureCounted, true))
        ++start_.freeSpinFeatures;
    if (game.jackpotPrize > 0 && !std::exchange(point.boardCounted, true)) ++start_.boards;
    start_.biggest = std::max(start_.biggest, point.paid);
}

SessionFigures Session::figures(const PlayerValues& player, std::int64_t nowMs) const {
    SessionFigures f;
    f.games = player.games - start_.games;
    f.seconds = playedMs(nowMs) / 1000;
    f.wagered = static_cast<std::int64_t>(player.wager) - start_.wager;
    f.net = static_cast<std::int64_t>(player.bank) - start_.bank -
            (static_cast<std::int64_t>(player.amountinvested) - start_.invested);
    f.won = f.net + f.wagered;
    f.biggest = start_.biggest;
    f.freeSpinFeatures = start_.freeSpinFeatures;
    f.boards = start_.boards;
    return f;
}

SessionStart Session::stored(std::int64_t nowMs) const {
    SessionStart s = start_;
    s.playedMs = playedMs(nowMs);
    return s;
}

}  // namespace quorvel::engine
