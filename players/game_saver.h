#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/cabinet.h"
#include "platform/settings_store.h"

namespace quorvel::players {

// Stores the profile and the state of play, writing only the values that changed since its
// own last save. What it last wrote is trusted only while the store's revision is the one its
// own writes left: any other writer (the options window, a direct key) moves the revision and
// the next save writes everything, so the store always ends as a full save would leave it.
class GameSaver {
public:
    void save(const engine::PlayerValues& player, const engine::RunState& run,
              const engine::PlayState& play, platform::SettingsStore& store);
    // A key of the game's own beside the profile (the session): written without making the
    // next save a full one, and only when its value changes.
    void writeAlongside(platform::SettingsStore& store, const std::string& application,
                        const std::string& section, const std::string& key,
                        const std::string& value);

private:
    struct Saved {
        engine::PlayerValues player;
        engine::RunState run;
        engine::PlayState play;
    };
    bool holds(const platform::SettingsStore& store) const;

    std::optional<Saved> saved_;
    const platform::SettingsStore* store_ = nullptr;
    std::uint64_t revision_ = 0;
};

}  // namespace quorvel::players
