#pragma once

#include <array>
#include <functional>
#include <string>

#include "engine/cabinet.h"
#include "platform/child_window.h"
#include "players/play_limits.h"
#include "players/settings_layout.h"
#include "players/statistics_panel.h"

namespace quorvel::players {

// The main screen's caption begins with this, then the player's name.
inline constexpr const char* kMainCaptionPrefix = "Current Player       ";
// The same in the catalogue's language.
std::string mainCaptionPrefix(const platform::TextCatalogue& text);

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
    // Button 0 leaves the language to the system, button i chooses kLanguages[i - 1].
    void language_Click(int index);
    // Told after the player chooses a language, so the main screen can speak it too.
    void onLanguageChanged(std::function<void()> changed) { languageChanged_ = std::move(changed); }

protected:
    void opened() override { Form_Load(); }
    void closing() override;

private:
    void bindHandlers();
    // The window's own texts again in the language now chosen.
    void retranslate(const std::string& previousMainPrefix);
    void showSpokenNames();
    void showLanguageChoice();
    void showStatistics(StatisticsView view);
    void showPlayerLabel(const char* blanks);
    void showSpeed();
    void showWinCounter(int index, bool trailingBlank);
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
    std::function<void()> languageChanged_;
    // What the composed texts were last made of, to make them again in another language.
    std::array<std::string, kSlots + 1> slotNames_;
    std::array<bool, kSlots + 1> slotShown_{};
    StatisticsView view_ = StatisticsView::OpenedNoGames;
    const char* labelBlanks_ = "    ";
};

}  // namespace quorvel::players
