#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <variant>

#include "engine/game_state.h"
#include "platform/settings_store.h"

namespace quorvel::players {

// The reminder and autoplay's stops: each a stored key of the player's section, and a group
// of option buttons of that name in the options window, button i standing for values[i].
struct LimitChoice {
    const char* key;
    std::variant<std::int16_t engine::PlayerValues::*, std::int32_t engine::PlayerValues::*> field;
    std::span<const std::int32_t> values;
};

std::span<const LimitChoice> limitChoices();

std::int32_t limitValue(const LimitChoice& choice, const engine::PlayerValues& player);
void setLimitValue(const LimitChoice& choice, engine::PlayerValues& player, std::int32_t value);
// The button standing for the value, -1 when none does.
int limitButton(const LimitChoice& choice, std::int32_t value);

// A stored value that is not one of the choice's own reads as 0: no reminder, no limit.
void readLimits(engine::PlayerValues& player, const platform::SettingsStore& store,
                const std::string& section);
// Only the values that differ from `since` when it is given.
void writeLimits(const engine::PlayerValues& player, platform::SettingsStore& store,
                 const std::string& section, const engine::PlayerValues* since);

}  // namespace quorvel::players
