#include "players/play_limits.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "players/settings_layout.h"

namespace quorvel::players {
namespace {

using engine::PlayerValues;

constexpr std::array<std::int32_t, 4> kReminderMinutes{0, 15, 30, 60};
constexpr std::array<std::int32_t, 6> kStopSpins{0, 10, 25, 50, 100, 250};
constexpr std::array<std::int32_t, 6> kStopLossCents{0, 500, 1000, 2500, 5000, 10000};
constexpr std::array<std::int32_t, 4> kStopWinBets{0, 10, 50, 100};
// Shown " ON" before " OFF", as the window's other switches are.
constexpr std::array<std::int32_t, 2> kStopFeature{1, 0};

constexpr std::array<LimitChoice, 5> kChoices{{
    {"reminder", &PlayerValues::reminder, kReminderMinutes},
    {"autostopspins", &PlayerValues::autostopspins, kStopSpins},
    {"autostoploss", &PlayerValues::autostoploss, kStopLossCents},
    {"autostopwin", &PlayerValues::autostopwin, kStopWinBets},
    {"autostopfeature", &PlayerValues::autostopfeature, kStopFeature},
}};

}  // namespace

std::span<const LimitChoice> limitChoices() {
    return kChoices;
}

std::int32_t limitValue(const LimitChoice& choice, const PlayerValues& player) {
    return std::visit([&](auto member) -> std::int32_t { return player.*member; }, choice.field);
}

// Every value passed here is one of the choice's own, so it fits the field's width.
void setLimitValue(const LimitChoice& choice, PlayerValues& player, std::int32_t value) {
    std::visit(
        [&](auto member) {
            using Target = std::remove_reference_t<decltype(player.*member)>;
            player.*member = static_cast<Target>(value);
        },
        choice.field);
}

int limitButton(const LimitChoice& choice, std::int32_t value) {
    const auto found = std::find(choice.values.begin(), choice.values.end(), value);
    return found == choice.values.end() ? -1 : static_cast<int>(found - choice.values.begin());
}

void readLimits(PlayerValues& player, const platform::SettingsStore& store,
                const std::string& section) {
    for (const LimitChoice& choice : kChoices) {
        const auto stored = parseStoredInteger(store.read(kPlayerApplication, section, choice.key));
        const bool known = stored && *stored == static_cast<std::int32_t>(*stored) &&
                           limitButton(choice, static_cast<std::int32_t>(*stored)) >= 0;
        setLimitValue(choice, player, known ? static_cast<std::int32_t>(*stored) : 0);
    }
}

void writeLimits(const PlayerValues& player, platform::SettingsStore& store,
                 const std::string& section, const PlayerValues* since) {
    for (const LimitChoice& choice : kChoices) {
        const std::int32_t value = limitValue(choice, player);
        if (since && limitValue(choice, *since) == value) continue;
        store.write(kPlayerApplication, section, choice.key, std::to_string(value));
    }
}

}  // namespace quorvel::players
