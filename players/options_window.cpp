#include "players/options_window.h"

#include "engine/money.h"
#include "platform/keys.h"
#include "players/name_text.h"
#include "players/options_layout.h"
#include "players/play_limits.h"
#include "players/settings_layout.h"
#include "players/statistics_panel.h"

namespace quorvel::players {
namespace {

constexpr const char* kMessageTitle = "Slots_Quorvel";
// Before the name once it is entered, and in the main screen's caption.
constexpr const char* kNameEntryBlanks = "  ";
constexpr const char* kMainCaptionBlanks = "       ";
constexpr int kHighlights = 15;

// The slot a slot text names, 0 when it names none.
int slotNumber(const std::string& playerslot) {
    for (int slot = 1; slot <= kSlots; ++slot)
        if (playerslot == std::to_string(slot)) return slot;
    return 0;
}

// What a slot holds before its stored values are read: the sound switch and volume, the display
// choice and the jackpot meters carry over from the player left behind, the statistics do not.
engine::PlayerValues startingValues(const engine::PlayerValues& previous, int slot) {
    engine::PlayerValues fresh;
    fresh.soundonoff = previous.soundonoff;
    fresh.volume = previous.volume;
    fresh.sizescreen = previous.sizescreen;
    fresh.grand = previous.grand;
    fresh.major = previous.major;
    fresh.minor = previous.minor;
    fresh.machinepay = engine::kDefaultMachinePay;
    fresh.playerslot = std::to_string(slot);
    return fresh;
}

}  // namespace

std::string mainCaptionPrefix(const platform::TextCatalogue& text) {
    return currentPlayerTitle(text, kMainCaptionBlanks);
}

OptionsWindow::OptionsWindow(platform::Services services, platform::Window& mainScreen,
                             engine::Cabinet& cabinet)
    : ChildWindow(services, mainScreen, "quorveloptions", kOptionsClientWidth, kOptionsClientHeight,
                  services.text.translate("quorveloptions", kOptionsCaption)),
      cabinet_(cabinet),
      player_(cabinet.player()) {
    platform::buildElements(window(), optionsDesign(), services_.text);
    bindHandlers();
    setTabOrder(optionsTabOrder());
    showSpokenNames();
}

void OptionsWindow::showSpokenNames() {
    for (const SpokenName& named : optionsSpokenNames())
        window()
            .at(named.name, named.index)
            .setAccessibleName(services_.text.translate("quorveloptions", named.spoken));
}

void OptionsWindow::bindHandlers() {
    using platform::EventKind;
    platform::Window& w = window();
    const auto indexed = [&w](const char* name, auto member, OptionsWindow* self) {
        w.on(name, EventKind::Click,
             [self, member](platform::Event& e) { (self->*member)(e.index); });
    };
    indexed("machine", &OptionsWindow::machine_Click, this);
    indexed("Amtpayout", &OptionsWindow::Amtpayout_Click, this);
    indexed("setspeed", &OptionsWindow::setspeed_Click, this);
    indexed("sounds", &OptionsWindow::sounds_Click, this);
    indexed("wincounter", &OptionsWindow::wincounter_Click, this);
    indexed("quickstop", &OptionsWindow::quickstop_Click, this);
    indexed("language", &OptionsWindow::language_Click, this);
    for (const LimitChoice& choice : limitChoices())
        w.on(choice.key, EventKind::Click,
             [this, &choice](platform::Event& e) { limit_Click(choice, e.index); });
    w.on("player1", EventKind::KeyPress, [this](platform::Event& e) { player1_KeyPress(e); });
    w.on("btnokplayer", EventKind::Click, [this](platform::Event&) { btnokplayer_Click(); });
    w.on("Btndeletedetails", EventKind::Click,
         [this](platform::Event&) { Btndeletedetails_Click(); });
    w.on("cmdlargescreen", EventKind::Click, [this](platform::Event&) { cmdlargescreen_Click(); });
    w.on("cmdorigonal", EventKind::Click, [this](platform::Event&) { cmdorigonal_Click(); });
}

void OptionsWindow::Form_Load() {
    savesettings(player_, services_.store);
    for (int slot = 1; slot <= kSlots; ++slot) {
        cabinet_.setPlayerName(services_.store.read(
            kPlayerApplication, slotSection(std::to_string(slot)), "currentplayer"));
        showSlotName(slot, player_.currentplayer);
    }
    if (const int current = slotNumber(player_.playerslot))
        window().select(element("machine", current));
    setGroups(true);
    showLanguageChoice();
    showStatistics(openedView(player_));
}

// Switching never saves the profile it leaves: unsaved changes made here are dropped.
void OptionsWindow::machine_Click(int slot) {
    engine::PlayerValues chosen = startingValues(player_, slot);
    loadsettings(chosen, services_.store, chosen.playerslot);
    cabinet_.restoreProfile(std::move(chosen));
    window().setFocus(&element("player1"));
    services_.events.pump();
    showPlayerLabel("   ");
    showCreditOnMainScreen();
    owner().setCaption(mainCaptionPrefix(services_.text) + inCapitals(player_.currentplayer));
    showSlotName(slot, player_.currentplayer);
    showStatistics(chosenView(player_));
    setGroups(false);
    if (switched_) switched_();
}

void OptionsWindow::player1_KeyPress(platform::Event& event) {
    if (event.key != platform::keys::kEnter) return;
    event.key = 0;
    enterName();
}

void OptionsWindow::enterName() {
    platform::Element& box = element("player1");
    const std::string typed = withoutControls(box.caption());
    const platform::TextCatalogue& text = services_.text;
    const std::string refusal = typed.empty() ? text.translate("quorveloptions", "Nothing Entered")
                                : characterCount(typed) > kLongestName
                                    ? text.translate("quorveloptions", "Name Too Long")
                                    : std::string();
    if (!refusal.empty())
        services_.messages.show(kMessageTitle, refusal, platform::MessageIcon::Information);
    else
        cabinet_.setPlayerName(typed);
    box.setCaption("");
    refreshNameLabel();
    if (!refusal.empty()) return;
    showCreditOnMainScreen();
    owner().setCaption(mainCaptionPrefix(services_.text) + inCapitals(player_.currentplayer));
    showSlotName(slotNumber(player_.playerslot), player_.currentplayer);
    savesettings(player_, services_.store);
}

void OptionsWindow::btnokplayer_Click() {
    savesettings(player_, services_.store);
    element("player1").setCaption("");
    owner().setEnabled(true);
    services_.windows.bringToFront(owner());
    hideHighlights();
    repairReelSpeed();
    close();
}

void OptionsWindow::Btndeletedetails_Click() {
    const auto answer = services_.messages.askYesNo(
        kMessageTitle,
        services_.text.translate("quorveloptions",
                                 "Are you sure you want to Delete Current Player's Details ?"),
        platform::MessageIcon::Critical, platform::Answer::No);
    if (answer == platform::Answer::Yes) {
        cabinet_.clearStatistics();
        savesettings(player_, services_.store);
        showStatistics(StatisticsView::Cleared);
        // The credit meters stay blank until the credit next changes.
        mainElement("Lblcredit").setCaption("");
        mainElement("panelbank").setCaption("");
    }
    close();
}

void OptionsWindow::closing() {
    owner().setEnabled(true);
    hideHighlights();
    mainElement("doublebutton").setEnabled(false);
    repairReelSpeed();
    saveSettingsExceptName(player_, services_.store);
    element("player1").setCaption("");
    owner().setEnabled(true);
    owner().setVisible(true);
    hideHighlights();
    repairReelSpeed();
}

void OptionsWindow::refreshNameLabel() {
    showPlayerLabel(kNameEntryBlanks);
}

void OptionsWindow::showPlayerLabel(const char* blanks) {
    labelBlanks_ = blanks;
    element("lblcurrentplayer")
        .setCaption(currentPlayerTitle(services_.text, blanks) + inCapitals(player_.currentplayer));
}

void OptionsWindow::showStatistics(StatisticsView view) {
    view_ = view;
    labelBlanks_ = currentPlayerBlanks(view);
    fillStatistics(window(), services_.text, player_, view);
}

void OptionsWindow::showCreditOnMainScreen() {
    mainElement("panelbank").setCaption(engine::creditForm(player_.bank));
    mainElement("Lblcredit").setCaption(engine::dollarForm(player_.bank));
}

void OptionsWindow::showSlotName(int slot, const std::string& name) {
    if (slot < 1 || slot > kSlots) return;
    slotNames_[slot] = name;
    slotShown_[slot] = true;
    element("machine", slot)
        .setCaption(name.empty() ? services_.text.translate("quorveloptions", "Vacant")
                                 : inCapitals(name));
}

void OptionsWindow::hideHighlights() {
    for (int cell = 1; cell <= kHighlights; ++cell)
        mainElement("flasher", cell).hide();
}

void OptionsWindow::repairReelSpeed() {
    if (player_.reelspeed == 0) cabinet_.setPreference(&engine::PlayerValues::reelspeed, 1);
}

}  // namespace quorvel::players
