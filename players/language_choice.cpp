#include <string>

#include "platform/languages.h"
#include "players/options_layout.h"
#include "players/options_window.h"

// The language option, kept once for the installation, and the window speaking it at once.
namespace quorvel::players {
namespace {

constexpr const char* kApplication = "quorvel";
constexpr const char* kSection = "general";
constexpr const char* kKey = "language";

}  // namespace

void OptionsWindow::showLanguageChoice() {
    const std::string chosen =
        platform::storedLanguageChoice(services_.store.read(kApplication, kSection, kKey));
    for (std::size_t i = 0; i < platform::kLanguages.size(); ++i)
        if (chosen == platform::kLanguages[i].code)
            return window().select(element("language", static_cast<int>(i) + 1));
    window().select(element("language", 0));
}

void OptionsWindow::language_Click(int index) {
    if (index < 0 || index > static_cast<int>(platform::kLanguages.size())) return;
    const std::string code = index == 0 ? "auto" : platform::kLanguages[index - 1].code;
    // Selecting the stored choice on opening clicks it too; that changes nothing.
    if (code == platform::storedLanguageChoice(services_.store.read(kApplication, kSection, kKey)))
        return;
    const std::string previousPrefix = mainCaptionPrefix(services_.text);
    services_.text.setLanguage(code);
    services_.store.write(kApplication, kSection, kKey, code);
    retranslate(previousPrefix);
    if (languageChanged_) languageChanged_();
}

void OptionsWindow::retranslate(const std::string& previousMainPrefix) {
    const platform::TextCatalogue& text = services_.text;
    window().setCaption(text.translate("quorveloptions", kOptionsCaption));
    platform::retranslateElements(window(), optionsDesign(), text);
    showSpokenNames();
    for (int slot = 1; slot <= kSlots; ++slot)
        if (slotShown_[slot]) showSlotName(slot, slotNames_[slot]);
    const char* blanks = labelBlanks_;
    fillStatistics(window(), text, player_, view_);
    showPlayerLabel(blanks);
    if (!element("speedlab").caption().empty()) showSpeed();
    for (int index = 1; index <= 2; ++index) {
        const std::string shown = element("wincounter", index).caption();
        if (!shown.empty()) showWinCounter(index, shown.back() == ' ');
    }
    // The main screen's caption keeps the name it shows after the title.
    const std::string mainCaption = owner().caption();
    if (mainCaption.starts_with(previousMainPrefix))
        owner().setCaption(mainCaptionPrefix(text) + mainCaption.substr(previousMainPrefix.size()));
}

}  // namespace quorvel::players
