#include <algorithm>
#include <iterator>
#include <string>

#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

constexpr int kVolumeSteps = 10;
constexpr int kMuteKey = 'M';
constexpr int kLouderKeys[] = {'+', '='};  // '=' is the plus key unshifted
constexpr int kQuieterKey = '-';

}  // namespace

// Muting keeps the player's level, so the next unmute brings back the same loudness.
void Quorvel::showVolume() {
    const int volume = cabinet_.player().volume;
    services_.sound.setVolume(muted_ ? 0 : volume);
    e_.btnmute.setPicture("mutepics", muted_ ? 2 : 1);
    e_.volumebar.setPicture("volumepics", volume * kVolumeSteps / engine::kFullVolume + 1);
    e_.btnmute.setAccessibleName(muted_ ? translate("quorvel", "Unmute")
                                        : translate("quorvel", "Mute"));
    e_.volumebar.setAccessibleName(
        platform::fillIn(translate("quorvel", "Volume %1 percent, plus and minus keys change it"),
                         {std::to_string(volume)}));
}

void Quorvel::setVolume(int percent) {
    cabinet_.setPreference(&engine::PlayerValues::volume, static_cast<std::int16_t>(percent));
    muted_ = false;
    showVolume();
    saveCurrentSlot();
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
    setVolume(step * engine::kFullVolume / kVolumeSteps);
}

bool Quorvel::volumeKey(int keyCode) {
    constexpr int kStep = engine::kFullVolume / kVolumeSteps;
    const int volume = cabinet_.player().volume;
    if (keyCode == kMuteKey)
        toggleMute();
    else if (std::find(std::begin(kLouderKeys), std::end(kLouderKeys), keyCode) !=
             std::end(kLouderKeys))
        setVolume(std::min<int>(engine::kFullVolume, volume + kStep));
    else if (keyCode == kQuieterKey)
        setVolume(std::max(0, volume - kStep));
    else
        return false;
    return true;
}

}  // namespace quorvel::screen
