#include "players/settings_layout.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "engine/checked.h"
#include "players/play_limits.h"

namespace quorvel::players {
namespace {

using engine::PlayerValues;
using Field = std::variant<std::int16_t PlayerValues::*, std::int32_t PlayerValues::*,
                           std::string PlayerValues::*>;

struct Key {
    const char* name;
    const char* application;
    Field field;
};

// Start-up reads in this order; shut-down writes the same keys but the jackpot amounts last.
constexpr std::array<Key, 19> kKeys{{
    {"sizescreen", kPlayerApplication, &PlayerValues::sizescreen},
    {"howmanyspins", kPlayerApplication, &PlayerValues::howmanyspins},
    {"soundonoff", kPlayerApplication, &PlayerValues::soundonoff},
    {"machinepay", kPlayerApplication, &PlayerValues::machinepay},
    {"winroll", kPlayerApplication, &PlayerValues::winroll},
    {"reelspeed", kPlayerApplication, &PlayerValues::reelspeed},
    {"amountinvested", kPlayerApplication, &PlayerValues::amountinvested},
    {"wager", kPlayerApplication, &PlayerValues::wager},
    {"total", kPlayerApplication, &PlayerValues::totalwon},
    {"bank", kPlayerApplication, &PlayerValues::bank},
    {"games", kPlayerApplication, &PlayerValues::games},
    {"currentplayer", kPlayerApplication, &PlayerValues::currentplayer},
    {"grand", kJackpotApplication, &PlayerValues::grand},
    {"major", kJackpotApplication, &PlayerValues::major},
    {"minor", kJackpotApplication, &PlayerValues::minor},
    {"grandwon", kPlayerApplication, &PlayerValues::grandwon},
    {"majorwon", kPlayerApplication, &PlayerValues::majorwon},
    {"minorwon", kPlayerApplication, &PlayerValues::minorwon},
    {"jackpotbank", kPlayerApplication, &PlayerValues::jackpotbank},
}};

constexpr bool isJackpotAmount(const Key& key) {
    return key.application == kJackpotApplication;
}

template <typename T>
void convertInto(T& target, const std::string& text) {
    if (auto value = parseStoredInteger(text)) engine::assignChecked(target, *value);
}

void readKey(PlayerValues& player, const platform::SettingsStore& store, const std::string& section,
             const Key& key) {
    const std::string text = store.read(key.application, section, key.name);
    std::visit(
        [&](auto member) {
            auto& target = player.*member;
            if constexpr (std::is_same_v<std::decay_t<decltype(target)>, std::string>)
                target = text;
            else
                convertInto(target, text);
        },
        key.field);
}

// A value is written when it differs from what the store is known to hold (`since`), or
// always when that is unknown.
template <typename T>
void writeValue(platform::SettingsStore& store, const char* application, const std::string& section,
                const char* key, const T& value, const T* since) {
    if (since && *since == value) return;
    if constexpr (std::is_same_v<T, std::string>)
        store.write(application, section, key, value);
    else
        store.write(application, section, key, std::to_string(value));
}

template <typename Member>
void writeMember(const PlayerValues& player, platform::SettingsStore& store,
                 const std::string& section, const char* application, const char* key,
                 Member member, const PlayerValues* since) {
    writeValue(store, application, section, key, player.*member,
               since ? &(since->*member) : nullptr);
}

void writeKey(const PlayerValues& player, platform::SettingsStore& store,
              const std::string& section, const Key& key, const PlayerValues* since) {
    std::visit(
        [&](auto member) {
            writeMember(player, store, section, key.application, key.name, member, since);
        },
        key.field);
}

std::string recallKey(std::size_t game) {
    return "recall" + std::to_string(game + 1);
}

// The recalled games sit beside the profile's own keys; a store from before them simply has
// no history, and slots never lend each other theirs.
void readHistory(PlayerValues& player, const platform::SettingsStore& store,
                 const std::string& section) {
    std::vector<std::string> texts;
    for (std::size_t game = 0; game < engine::kRecalledGames; ++game)
        texts.push_back(store.read(kPlayerApplication, section, recallKey(game)));
    player.history = engine::GameHistory::fromTexts(texts);
}

// The two money totals that close the books; written as any number is, read by the same rule.
// A total is never negative; a feature total is a 32-bit amount like every win.
void readBooks(PlayerValues& player, const platform::SettingsStore& store,
               const std::string& section) {
    constexpr long long kMaxFeature = std::numeric_limits<std::int32_t>::max();
    for (auto [key, total, most] :
         {std::tuple{"betmultiples", &player.betmultiples, engine::kMaxBookTotal},
          std::tuple{"gamblelost", &player.gamblelost, engine::kMaxBookTotal},
          std::tuple{"featureowed", &player.featureowed, kMaxFeature}})
        if (auto value = parseStoredInteger(store.read(kPlayerApplication, section, key)))
            if (*value >= 0 && *value <= most) *total = *value;
}

void writeBooks(const PlayerValues& player, platform::SettingsStore& store,
                const std::string& section, const PlayerValues* since) {
    for (auto [key, total] : {std::pair{"betmultiples", &PlayerValues::betmultiples},
                              std::pair{"gamblelost", &PlayerValues::gamblelost},
                              std::pair{"featureowed", &PlayerValues::featureowed}})
        writeMember(player, store, section, kPlayerApplication, key, total, since);
}

// Choices added after the first stores: a missing or unreadable value keeps the default.
void readCabinetChoices(PlayerValues& player, const platform::SettingsStore& store,
                        const std::string& section) {
    for (auto [key, choice, most] : {std::tuple{"volume", &player.volume, engine::kFullVolume},
                                     std::tuple{"quickstop", &player.quickstop, std::int16_t{1}}})
        if (auto value = parseStoredInteger(store.read(kPlayerApplication, section, key)))
            if (*value >= 0 && *value <= most) *choice = static_cast<std::int16_t>(*value);
}

void writeCabinetChoices(const PlayerValues& player, platform::SettingsStore& store,
                         const std::string& section, const PlayerValues* since) {
    for (auto [key, choice] : {std::pair{"volume", &PlayerValues::volume},
                               std::pair{"quickstop", &PlayerValues::quickstop}})
        writeMember(player, store, section, kPlayerApplication, key, choice, since);
}

// A game is written again only where it is not the one the store holds in its place; a game
// that moved one place down takes its stored text along. Oldest first, so that text is read
// before its place is written.
void writeHistory(const PlayerValues& player, platform::SettingsStore& store,
                  const std::string& section, const PlayerValues* since) {
    const auto& games = player.history.games();
    const auto* held = since ? &since->history.games() : nullptr;
    auto heldAt = [&](std::size_t game) {
        return held && game < held->size() ? &(*held)[game] : nullptr;
    };
    for (std::size_t game = engine::kRecalledGames; game-- > 0;) {
        const engine::GameRecord* now = game < games.size() ? &games[game] : nullptr;
        const engine::GameRecord* was = heldAt(game);
        if (held && (now == nullptr ? was == nullptr : was != nullptr && *was == *now)) continue;
        const engine::GameRecord* above = game > 0 ? heldAt(game - 1) : nullptr;
        std::string text = !now ? std::string()
                           : above && *above == *now
                               ? store.read(kPlayerApplication, section, recallKey(game - 1))
                               : engine::recordText(*now);
        store.write(kPlayerApplication, section, recallKey(game), text);
    }
}

void save(const PlayerValues& player, platform::SettingsStore& store, bool withName,
          const PlayerValues* since) {
    const std::string section = slotSection(player.playerslot);
    if (since && slotSection(since->playerslot) != section) since = nullptr;
    for (const Key& key : kKeys)
        if (!isJackpotAmount(key) && (withName || key.field.index() != 2))
            writeKey(player, store, section, key, since);
    for (const Key& key : kKeys)
        if (isJackpotAmount(key)) writeKey(player, store, section, key, since);
    writeBooks(player, store, section, since);
    writeCabinetChoices(player, store, section, since);
    writeLimits(player, store, section, since);
    writeHistory(player, store, section, since);
    if (section != "player" && !(since && since->playerslot == player.playerslot))
        store.write(kJackpotApplication, "player1", kLastSlotKey, player.playerslot);
}

}  // namespace

std::string lastSlot(const platform::SettingsStore& store) {
    const std::string slot = store.read(kJackpotApplication, "player1", kLastSlotKey);
    return slotSection(slot) == "player" ? "1" : slot;
}

std::string slotSection(const std::string& playerslot) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (playerslot == std::to_string(slot)) return "player" + playerslot;
    return "player";
}

std::optional<long long> parseStoredInteger(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // Out of range is from_chars' to judge, so zero-padded numbers still read.
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return value;
}

void loadsettings(PlayerValues& player, const platform::SettingsStore& store,
                  const std::string& slot) {
    const std::string section = slotSection(slot);
    for (const Key& key : kKeys)
        readKey(player, store, section, key);
    readBooks(player, store, section);
    readCabinetChoices(player, store, section);
    readLimits(player, store, section);
    readHistory(player, store, section);
}

std::string loadPlay(const platform::SettingsStore& store, const std::string& slot) {
    return store.read(kPlayerApplication, slotSection(slot), kPlayKey);
}

void savePlay(const PlayerValues& player, const std::string& play, platform::SettingsStore& store) {
    store.write(kPlayerApplication, slotSection(player.playerslot), kPlayKey, play);
}

void savesettings(const PlayerValues& player, platform::SettingsStore& store) {
    save(player, store, true, nullptr);
}

void saveChangedSettings(const PlayerValues& player, const PlayerValues& since,
                         platform::SettingsStore& store) {
    save(player, store, true, &since);
}

void saveSettingsExceptName(const PlayerValues& player, platform::SettingsStore& store) {
    save(player, store, false, nullptr);
}

}  // namespace quorvel::players
