#include <array>
#include <string>
#include <utility>

#include "engine/preferences.h"
#include "players/display_mode.h"
#include "players/options_window.h"

// The option groups of the options window and its two screen-size buttons.
namespace quorvel::players {
namespace {

using engine::kMachinePays;
using engine::kReelSpeedCodes;
constexpr int kNormalSize = 600;
constexpr int kLargeSize = 800;

template <std::size_t N>
int indexOf(const std::array<std::int16_t, N>& values, int value) {
    for (std::size_t i = 0; i < N; ++i)
        if (values[i] == value) return static_cast<int>(i);
    return -1;
}

}  // namespace

void OptionsWindow::Amtpayout_Click(int index) {
    if (index >= 0 && index < static_cast<int>(kMachinePays.size()))
        cabinet_.setPreference(&engine::PlayerValues::machinepay, kMachinePays[index]);
}

void OptionsWindow::setspeed_Click(int index) {
    if (index < 0 || index >= static_cast<int>(kReelSpeedCodes.size())) return;
    cabinet_.setPreference(&engine::PlayerValues::reelspeed, kReelSpeedCodes[index]);
    showSpeed();
}

void OptionsWindow::showSpeed() {
    element("speedlab")
        .setCaption(
            platform::fillIn(services_.text.translate("quorveloptions", "Current Speed =   %1"),
                             {std::to_string(player_.reelspeed)}));
}

void OptionsWindow::sounds_Click(int index) {
    cabinet_.setPreference(&engine::PlayerValues::soundonoff, index == 1 ? -1 : 0);
}

void OptionsWindow::quickstop_Click(int index) {
    cabinet_.setPreference(&engine::PlayerValues::quickstop, index == 1 ? 1 : 0);
}

// The cabinet takes the player's other choices one by one; these go in with the profile they
// belong to, which moves no money.
void OptionsWindow::limit_Click(const LimitChoice& choice, int index) {
    if (index < 0 || index >= static_cast<int>(choice.values.size()) || cabinet_.closed()) return;
    engine::PlayerValues chosen = player_;
    setLimitValue(choice, chosen, choice.values[index]);
    cabinet_.restoreProfile(std::move(chosen));
}

void OptionsWindow::wincounter_Click(int index) {
    const bool on = index == 1;
    cabinet_.setPreference(&engine::PlayerValues::winroll, on ? 1 : 0);
    showWinCounter(on ? 1 : 2, false);
    element("wincounter", on ? 2 : 1).setCaption("");
}

// Only the chosen button carries a caption; opening pads " ON" with a blank, a click does not.
void OptionsWindow::showWinCounter(int index, bool trailingBlank) {
    const std::string caption = index == 1 ? services_.text.translate("quorveloptions", " ON")
                                           : services_.text.translate("quorveloptions", " OFF");
    element("wincounter", index).setCaption(trailingBlank ? caption + " " : caption);
}

void OptionsWindow::setGroups(bool opening) {
    const int counter = player_.winroll == 1 ? 1 : 2;
    showWinCounter(counter, counter == 1);
    window().select(element("wincounter", counter));
    const int speed = indexOf(kReelSpeedCodes, player_.reelspeed);
    selectOrClear("setspeed", speed);
    // A chosen slot without a usable speed plays at the fastest one but shows none chosen.
    if (!opening && speed < 0) element("speedlab").setCaption("");
    if (!opening && speed >= 0) showSpeed();
    if (speed < 0 && !opening) cabinet_.setPreference(&engine::PlayerValues::reelspeed, 1);
    selectOrClear("Amtpayout", indexOf(kMachinePays, player_.machinepay));
    window().select(element("quickstop", player_.quickstop != 0 ? 1 : 2));
    for (const LimitChoice& choice : limitChoices())
        selectOrClear(choice.key, limitButton(choice, limitValue(choice, player_)));
    if (!opening) return;
    const int sound = player_.soundonoff == -1 ? 1 : player_.soundonoff == 0 ? 2 : -1;
    selectOrClear("sounds", sound);
}

void OptionsWindow::selectOrClear(const char* group, int index) {
    if (index >= 0) return window().select(element(group, index));
    for (const auto& e : window().elements())
        if (e->name() == group) e->setValue(false);
}

void OptionsWindow::cmdlargescreen_Click() {
    cabinet_.setPreference(&engine::PlayerValues::sizescreen, kLargeSize);
    const platform::ScreenSize screen = services_.display.screenSize();
    if (screen.width == kLargeSize && screen.height == kNormalSize) {
        services_.messages.show(
            "Slots_Quorvel",
            services_.text.translate("quorveloptions", "Already 800 X 600 resolution !!\r"),
            platform::MessageIcon::Information);
    } else {
        setresolution(services_.display, kLargeSize, kNormalSize);
        owner().move(0, 0);
    }
    close();
}

void OptionsWindow::cmdorigonal_Click() {
    cabinet_.setPreference(&engine::PlayerValues::sizescreen, kNormalSize);
    restoreresolution(services_.display);
    owner().move(0, 0);
    close();
}

}  // namespace quorvel::players
