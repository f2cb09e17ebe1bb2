#include "engine/game_record.h"

#include <nlohmann/json.hpp>

#include "engine/money.h"

namespace quorvel::engine {
namespace {

using nlohmann::json;

// Short keys: ten of these sit in every player's section of the store.
json toJson(const GameRecord& r) {
    return json{{"t", r.playedAt},      {"s", r.stops},         {"r3", r.reel3},
                {"l", r.lines},         {"b", r.bet},           {"w", r.win},
                {"pl", r.paidLines},    {"fs", r.freeSpinsWon}, {"ft", r.freeSpinTotal},
                {"jp", r.jackpotPrize}, {"jk", r.jackpotKind},  {"g", r.gamble},
                {"ga", r.gambleAmount}, {"bb", r.bankBefore},   {"ba", r.bankAfter}};
}

GameRecord fromJson(const json& j) {
    GameRecord r;
    r.playedAt = j.at("t").get<std::int64_t>();
    r.stops = j.at("s").get<std::array<int, 5>>();
    r.reel3 = j.at("r3").get<int>();
    r.lines = j.at("l").get<int>();
    r.bet = j.at("b").get<int>();
    r.win = j.at("w").get<std::int32_t>();
    r.paidLines = j.at("pl").get<std::vector<int>>();
    r.freeSpinsWon = j.at("fs").get<int>();
    r.freeSpinTotal = j.at("ft").get<std::int32_t>();
    r.jackpotPrize = j.at("jp").get<std::int32_t>();
    r.jackpotKind = j.at("jk").get<std::string>();
    r.gamble = j.at("g").get<std::string>();
    r.gambleAmount = j.at("ga").get<std::int32_t>();
    r.bankBefore = j.at("bb").get<std::int32_t>();
    r.bankAfter = j.at("ba").get<std::int32_t>();
    return r;
}

bool plausible(const GameRecord& r) {
    for (int stop : r.stops)
        if (stop < 1 || stop > 22) return false;
    for (int line : r.paidLines)
        if (line < 1 || line > 25) return false;
    return (r.reel3 == 1 || r.reel3 == 2) && isOfferedLineCount(r.lines) && isOfferedBet(r.bet) &&
           r.paidLines.size() <= 25;
}

}  // namespace

void GameHistory::add(GameRecord record) {
    games_.push_front(std::move(record));
    while (games_.size() > kRecalledGames)
        games_.pop_back();
}

std::vector<std::string> GameHistory::toTexts() const {
    std::vector<std::string> texts;
    for (const GameRecord& record : games_)
        texts.push_back(recordText(record));
    return texts;
}

GameHistory GameHistory::fromTexts(const std::vector<std::string>& texts) {
    GameHistory history;
    for (auto it = texts.rbegin(); it != texts.rend(); ++it)
        if (auto record = recordFromText(*it)) history.add(*record);
    return history;
}

std::string recordText(const GameRecord& record) {
    return toJson(record).dump();
}

std::optional<GameRecord> recordFromText(const std::string& text) {
    if (text.empty()) return std::nullopt;
    try {
        GameRecord record = fromJson(json::parse(text));
        if (plausible(record)) return record;
    } catch (const json::exception&) {
    }
    return std::nullopt;
}

}  // namespace quorvel::engine
