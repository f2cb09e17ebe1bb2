#include "engine/checked.h"
#include "engine/evaluate.h"
#include "players/settings_layout.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr int kCoinPauseMs = 200;
constexpr int kSpace = 32;

constexpr const char* kNoticeSection = "notice";
constexpr const char* kNoticeKey = "autoplay";
constexpr const char* kAutoplayNotice =
    QV_TRANSLATE_NOOP("quorvel",
                      " ..............PLEASE READ.................\r"
                      " When you use this function all other Functions are\r"
                      "   unavailable to you until you turn the Autoplay OFF \r"
                      " To turn Autoplay OFF Click on the Auto On/Off button.\r"
                      "  \r"
                      "  This message will not appear again");

}  // namespace

void Quorvel::coinsin_MouseDown() {
    if (cabinet_.coinRefusal() != engine::Refusal::None) return;
    cue(cue::kButtonClick);
    services_.sound.stop();
    e_.coinsin.hide();
    services_.events.pump();
    services_.events.sleep(kCoinPauseMs);
    cabinet_.insertCoin();
    e_.pannomoney.hide();
    showCredit();
    announceCredit();
    window_.setKeyPreview(true);
    e_.autoplayon.setEnabled(true);
    services_.events.pump();
    saveCurrentSlot();
}

void Quorvel::coinsin_MouseUp() {
    e_.coinsin.show();
}

void Quorvel::autoplayon_MouseDown() {
    Pace& run = counters_.pace;
    e_.autoplayon.hide();
    if (++run.autotoggle > 1) run.autotoggle = 0;
    if (run.autotoggle == 1) {
        noticePending_ = true;
        // The reels turning behind it would stand still while the box is open.
        if (!cabinet_.spinRunning()) showAutoplayNotice();
        start(Timer::tmrautospin);
        run.autoplaymode = Pace::kAutoplayOn;
        showAutoplayKey();
        armAutoplayStops();
        window_.announce(translate("quorvel", "Autoplay on"));
        if (cabinet_.spinRefusal() == engine::Refusal::None) countAutoplaySpin();
        btnstartall_Click();
        return;
    }
    services_.events.pump();
    autoplayOff();
    window_.announce(translate("quorvel", "Autoplay off"));
}

void Quorvel::autoplayOff() {
    counters_.pace.autoplaymode = 0;
    counters_.pace.autospinsleft = -1;
    e_.lblautoplay.hide();
    showAutoplayKey();
    for (platform::Element* button :
         {&e_.btnspin, &e_.btnbet, &e_.payline, &e_.btnoptions, &e_.coinsin})
        button->setEnabled(true);
    stop(Timer::tmrautospin);
    window_.setKeyPreview(true);
}

// The one-time notice, once: at the press, or when the reels of the running spin are down.
void Quorvel::showAutoplayNotice() {
    if (!noticePending_) return;
    noticePending_ = false;
    Pace& run = counters_.pace;
    const std::string stored =
        services_.store.read(players::kPlayerApplication, kNoticeSection, kNoticeKey);
    if (auto value = players::parseStoredInteger(stored))
        engine::assignChecked(run.noticeshown, *value);
    if (run.noticeshown == 0)
        services_.messages.show("Slots_Quorvel", said(kAutoplayNotice),
                                platform::MessageIcon::Information);
    run.noticeshown = -1;
    services_.store.write(players::kPlayerApplication, kNoticeSection, kNoticeKey, "-1");
}

// AUTO glows while autoplay runs, so a player sees at a glance what a click on it does.
void Quorvel::showAutoplayKey() {
    e_.autoplayon.setValue(counters_.pace.autoplaymode != 0);
}

void Quorvel::autoplayon_MouseUp() {
    e_.autoplayon.show();
}

// A tick that falls inside a running spin (slow reels outlast the 800 ms) waits: before the
// first spin's end sets the pause, nothing else would stop it starting a spin inside a spin.
void Quorvel::tmrautospin_Timer() {
    const Pace& run = counters_.pace;
    if (cabinet_.spinRefusal() == engine::Refusal::NotNow) return;
    if (run.autoplaymode < 1 || run.tickcount < run.autospinwait) return;
    counters_.pace.tickcount = 0;
    if (!autoplayGoesOn()) return;
    btnstartall_Click();
}

// Only the space bar spins, and only one key is acted on per finished spin.
void Quorvel::Form_KeyPress(int& keyAscii) {
    Pace& run = counters_.pace;
    // The mute key is the volume's (see Form_KeyDown): it must not use up the spin's key.
    if (keyAscii == 'm' || keyAscii == 'M') return;
    // The space bar also hurries a celebration; it still spins as it would without one.
    if (keyAscii == kSpace) celebration_.skip();
    // Only a cabinet at rest takes a spin key: not in a spin, a feature or the gamble.
    if (!cabinet_.atRest()) return;
    if (!cabinet_.creditCovers()) {
        cue(cue::kNotEnoughCredit);
        e_.pannomoney.show();
        announceShown(e_.pannomoney);
        window_.setFocus(nullptr);
        return;
    }
    if (!e_.panfreespin.visible() || run.autoplayOn()) keyAscii = 0;
    if (++run.keycount > 1) return;
    if (keyAscii == kSpace) {
        btnstartall_Click();
        run.keycount = 0;
    }
    e_.autoplayon.setEnabled(true);
}

}  // namespace quorvel::screen
