#include "players/game_saver.h"

#include "engine/play_record.h"
#include "players/settings_layout.h"

namespace quorvel::players {

bool GameSaver::holds(const platform::SettingsStore& store) const {
    return saved_ && store_ == &store && store.revision() == revision_;
}

void GameSaver::save(const engine::PlayerValues& player, const engine::RunState& run,
                     const engine::PlayState& play, platform::SettingsStore& store) {
    if (!holds(store)) {
        savesettings(player, store);
        savePlay(player, engine::playText(run, play), store);
        saved_ = Saved{player, run, play};
    } else {
        const std::uint64_t before = store.revision();
        saveChangedSettings(player, saved_->player, store);
        if (store.revision() != before) saved_->player = player;
        // The record sits in the slot's section: a new slot needs it even when play is the same.
        if (run != saved_->run || play != saved_->play ||
            player.playerslot != saved_->player.playerslot) {
            savePlay(player, engine::playText(run, play), store);
            saved_->run = run;
            saved_->play = play;
        }
    }
    store_ = &store;
    revision_ = store.revision();
}

void GameSaver::writeAlongside(platform::SettingsStore& store, const std::string& application,
                               const std::string& section, const std::string& key,
                               const std::string& value) {
    if (store.read(application, section, key) == value) return;
    const bool fresh = holds(store);
    store.write(application, section, key, value);
    if (fresh) revision_ = store.revision();
}

}  // namespace quorvel::players
