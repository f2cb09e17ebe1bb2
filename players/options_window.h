#pragma once

#include <functional>

#include "engine/cabinet.h"
#include "platform/child_window.h"
#include "players/play_limits.h"

namespace quorvel::players {

// The main screen's caption begins with this, then the player's name.
inline constexpr const char* kMainCaptionPrefix = "Current Player       ";

// The options window: the six player profiles with their statistics, and the current
// player's settings (payout, reel speed, sound, win count-up, screen size, the reminder and
// autoplay's stops).
class OptionsWindow : public platform::ChildWindow {
public:
    OptionsWindow(platform::Services services, platform::Window& mainScreen,
                  engine::Cabinet& cabinet);

    // Saves the profile in use, lists the slots and shows the current one; runs once the
    // window is on screen.
    void Form_Load();

    void machine_Click(int slot);
    void player1_KeyPress(platform::Event& event);
    void btnokplayer_Click();
    void Btndeletedetails_Click();

    void Amtpayout_Click(int index);
    void setspeed_Click(int index);
    void sounds_Click(int index);
    void wincounter_Click(int index);
    void quickstop_Click(int index);
    // A button of the reminder or of one of autoplay's stops.
    void limit_Click(const LimitChoice& choice, int index);
    // Told after the player switches to another slot, so the main screen can follow.
    void onSlotSwitched(std::function<void()> switched) { switched_ = std::move(switched); }
    void cmdlargescreen_Click();
    void cmdorigonal_Click();

protected:
    void opened() override { Form_Load(); }
    void closing() override;

private:
    void bindHandlers();
    void enterName();
    void refreshNameLabel();
    void showCreditOnMainScreen();
    void showSlotName(int slot, const std::string& name);
    void hideHighlights();
    void repairReelSpeed();
    // Selects the buttons that match the current values; the sound group only on opening.
    void setGroups(bool opening);
    void selectOrClear(const char* group, int index);

    platform::Element& element(const char* name, int index = 0) { return window().at(name, index); }
    platform::Element& mainElement(const char* name, int index = 0) {
        return owner().at(name, index);
    }

    engine::Cabinet& cabinet_;
    const engine::PlayerValues& player_;
    std::function<void()> switched_;
};

}  // namespace quorvel::players
