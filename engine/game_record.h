#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::engine {

// One settled game as the player can recall it: the draw, the stake, what it paid and what
// followed it (free spins, the jackpot board, the gamble), and the credit around it.
struct GameRecord {
    std::int64_t playedAt = 0;  // seconds since 1970
    std::array<int, 5> stops{};
    int reel3 = 2;  // 1 when the mystery tile counted
    int lines = 0;
    int bet = 0;
    std::int32_t win = 0;
    std::vector<int> paidLines;
    int freeSpinsWon = 0;
    std::int32_t freeSpinTotal = 0;
    std::int32_t jackpotPrize = 0;
    std::string jackpotKind;  // "grand", "major", "minor", "x10", "x20", "x30" or empty
    std::string gamble;       // "taken", "lost" or empty
    std::int32_t gambleAmount = 0;
    std::int32_t bankBefore = 0;
    std::int32_t bankAfter = 0;
    bool operator==(const GameRecord&) const = default;
};

inline constexpr std::size_t kRecalledGames = 10;

// The last games, newest first; an eleventh pushes out the oldest.
class GameHistory {
public:
    void add(GameRecord record);
    // The newest game, to note what followed it.
    GameRecord* newest() { return games_.empty() ? nullptr : &games_.front(); }
    const std::deque<GameRecord>& games() const { return games_; }
    void clear() { games_.clear(); }

    // One stored text per game; a text that does not read back as a game is skipped.
    std::vector<std::string> toTexts() const;
    static GameHistory fromTexts(const std::vector<std::string>& texts);
    bool operator==(const GameHistory&) const = default;

private:
    std::deque<GameRecord> games_;
};

std::string recordText(const GameRecord& record);
std::optional<GameRecord> recordFromText(const std::string& text);

}  // namespace quorvel::engine
