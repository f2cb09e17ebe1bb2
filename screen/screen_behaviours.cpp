#include "engine/checked.h"
#include "engine/money.h"
#include "info/about_window.h"
#include "info/pay_table_window.h"
#include "players/options_window.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr int kBellTickWrap = 50;

}  // namespace

// A press whose release was lost leaves a button hidden; this brings it back.
void Quorvel::tmrshowbuttons_Timer() {
    e_.btnbet.setEnabled(true);
    e_.btnoptions.show();
    e_.autoplayon.show();
    e_.doublebutton.show();
    e_.btnspin.show();
    services_.events.pump();
}

void Quorvel::tmrtick_Timer() {
    const engine::PlayerValues& player = cabinet_.player();
    window_.setKeyPreview(true);
    engine::addChecked(counters_.pace.tickcount, 1);
    if (++counters_.morph.belltick > kBellTickWrap) counters_.morph.belltick = 1;
    e_.lblgrand.setCaption(engine::dollarForm(player.grand));
    e_.lblmajor.setCaption(engine::dollarForm(player.major));
    e_.lblminor.setCaption(engine::dollarForm(player.minor));
    services_.events.pump();
}

void Quorvel::btnopenmenu_MouseMove() {
    if (cabinet_.run().freespinmode != -1) e_.menupic.show();
}

void Quorvel::Form_MouseMove() {
    e_.menupic.hide();
}

void Quorvel::doublebutton_MouseUp() {
    e_.doublebutton.show();
}

void Quorvel::about_Click() {
    if (cabinet_.run().freespintarget >= 1) return;
    cue(cue::kMenuEntry);
    openChild<info::AboutWindow>();
    e_.menupic.hide();
}

void Quorvel::mnuviewpaytable_Click() {
    if (cabinet_.run().freespinmode == -1) return;
    cue(cue::kMenuEntry);
    e_.pannomoney.hide();
    openChild<info::PayTableWindow>();
    e_.menupic.hide();
}

void Quorvel::btnoptions_Click() {
    // While anything is in play (a spin, a feature, a stake) the profile must not change hands.
    if (!cabinet_.atRest() || counters_.pace.autoplayOn()) return;
    cue(cue::kButtonClick);
    e_.doublebutton.setEnabled(false);
    openChild<players::OptionsWindow>([this](players::OptionsWindow& options) {
        options.onSlotSwitched([this] {
            showVolume();
            followSessionToSlot();
        });
        options.onLanguageChanged([this] { languageChanged(); });
    });
}

}  // namespace quorvel::screen
