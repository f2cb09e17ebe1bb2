#include <algorithm>

#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

constexpr int kVolumeSteps = 10;
constexpr int kMuteKey = 'M';

}  // namespace

// Muting keeps the player's level, so the next unmute brings back the same loudness.
void Quorvel::showVolume() {
    const int volume = cabinet_.player().volume;
    services_.sound.setVolume(muted_ ? 0 : volume);
    e_.btnmute.setPicture("mutepics", muted_ ? 2 : 1);
    e_.volumebar.setPicture("volumepics", volume * kVolumeSteps / engine::kFullVolume + 1);
}

void Quorvel::toggleMute() {
    muted_ = !muted_;
    showVolume();
}

void Quorvel::btnmute_Click() {
    toggleMute();
}

// The bar's steps are tenths of full loudness; a click picks the nearest, and unmutes.
void Quorvel::volumebar_MouseDown(int x) {
    const int width = std::max(1, e_.volumebar.width());
    const int step = std::clamp((x * kVolumeSteps + width / 2) / width, 0, kVolumeSteps);
    cabinet_.setPreference(&engine::PlayerValues::volume,
                           static_cast<std::int16_t>(step * engine::kFullVolume / kVolumeSteps));
    muted_ = false;
    showVolume();
    saveCurrentSlot();
}

bool Quorvel::volumeKey(int keyCode) {
    if (keyCode != kMuteKey) return false;
    toggleMute();
    return true;
}

}  // namespace quorvel::screen
