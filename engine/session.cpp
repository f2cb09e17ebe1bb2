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

void Session::resume(const SessionStart& start, std::int64_t nowMs) {
    start_ = start;
    since_ = nowMs;
    points_.clear();
    pointsBase_ = -1;  // set from the profile at the first observation
}

void Session::observe(const PlayerValues& player, std::int64_t nowMs) {
    const std::int32_t played = player.games - start_.games;
    if (pointsBase_ < 0) pointsBase_ = played;
    std::int32_t last = points_.empty() ? pointsBase_ : points_.back().game;
    if (played > last) {
        settleLast(player);
        while (last < played) {
            points_.push_back(SessionPoint{++last, playedMs(nowMs), player.bank});
            if (points_.size() > kMaxPoints) points_.pop_front();
        }
    }
    settleLast(player);
}

// The newest game's features and gamble may settle after its spin: its point follows them,
// and its tallies are counted once.
void Session::settleLast(const PlayerValues& player) {
    const auto& games = player.history.games();
    if (points_.empty() || games.empty()) return;
    SessionPoint& point = points_.back();
    const GameRecord& newest = games.front();
    point.credit = player.bank;
    const std::int32_t paid = paidBy(newest);
    point.mark = markOf(newest, point.markAmount);
    if (newest.freeSpinsWon > 0 && !std::exchange(point.featureCounted, true))
        ++start_.freeSpinFeatures;
    if (newest.jackpotPrize > 0 && !std::exchange(point.boardCounted, true)) ++start_.boards;
    point.paid = paid;
    start_.biggest = std::max(start_.biggest, paid);
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
