#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/game_state.h"
#include "platform/settings_store.h"

namespace quorvel::players {

inline constexpr const char* kPlayerApplication = "quorvel";
inline constexpr const char* kJackpotApplication = "allslot";
inline constexpr int kSlots = 6;

// "player1" … "player6"; a slot text that names none of them gets the bare "player".
std::string slotSection(const std::string& playerslot);

// A stored number as the game takes it: optional sign and decimal digits, within the
// target's width. Anything else (empty, "abc", "1.5", "99999" for 16 bits) is refused.
std::optional<long long> parseStoredInteger(std::string_view text);

// Reads every key of the slot's section into the player's values, in start-up order; a
// value that does not convert leaves its variable as it was.
void loadsettings(engine::PlayerValues& player, const platform::SettingsStore& store,
                  const std::string& slot);

// Writes every key of the current slot from the player's values, in shut-down order.
void savesettings(const engine::PlayerValues& player, platform::SettingsStore& store);
// The same, but only the values that differ from `since`, which the store must hold.
void saveChangedSettings(const engine::PlayerValues& player, const engine::PlayerValues& since,
                         platform::SettingsStore& store);

// The slot the player last used, which the game starts with: key "lastslot" of "allslot"'s
// first section; slot 1 when it names none.
inline constexpr const char* kLastSlotKey = "lastslot";
std::string lastSlot(const platform::SettingsStore& store);

// The state of play kept beside the slot's profile, so that a game killed in play goes on
// where it stood; empty in stores from before it, which start idle.
inline constexpr const char* kPlayKey = "playstate";
// A stored state of play the game refused to believe, kept for inspection.
inline constexpr const char* kRefusedPlayKey = "playstate.refused";
std::string loadPlay(const platform::SettingsStore& store, const std::string& slot);
void savePlay(const engine::PlayerValues& player, const std::string& play,
              platform::SettingsStore& store);

// The same without the name: closing the options window must not rewrite it.
void saveSettingsExceptName(const engine::PlayerValues& player, platform::SettingsStore& store);

}  // namespace quorvel::players
