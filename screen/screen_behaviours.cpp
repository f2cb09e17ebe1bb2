#include "engine/checked.h"
#include "engine/money.h"
#include "info/about_window.h"
#include "info/pay_table_window.h"
#include "players/options_window.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

struct Meter {
    std::int32_t engine::PlayerValues::*amount;
    std::int32_t floor;
    std::int32_t growth;
};

// Grown in this order once per normal spin that stands; a meter below its floor is lifted
// to it instead of growing.
constexpr Meter kMeters[] = {
    {&engine::PlayerValues::grand, 2'000'000, 50},
    {&engine::PlayerValues::major, 200'000, 30},
    {&engine::PlayerValues::minor, 2'000, 20},
};

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
    engine::RunState& run = state_.run;
    window_.setKeyPreview(true);
    engine::addChecked(run.tickcount, 1);
    if (++run.belltick > kBellTickWrap) run.belltick = 1;
    e_.lblgrand.setCaption(engine::dollarForm(state_.player.grand));
    e_.lblmajor.setCaption(engine::dollarForm(state_.player.major));
    e_.lblminor.setCaption(engine::dollarForm(state_.player.minor));
    services_.events.pump();
}

void Quorvel::growMeters() {
    for (const Meter& meter : kMeters) {
        std::int32_t& amount = state_.player.*meter.amount;
        if (amount >= meter.floor)
            engine::addChecked(amount, meter.growth);
        else
            amount = meter.floor;
    }
}

void Quorvel::btnopenmenu_MouseMove() {
    if (state_.run.freespinmode != -1) e_.menupic.show();
}

void Quorvel::Form_MouseMove() {
    e_.menupic.hide();
}

void Quorvel::doublebutton_MouseUp() {
    e_.doublebutton.show();
}

template <typename Window>
void Quorvel::openChild() {
    child_.reset();
    window_.setEnabled(false);
    if constexpr (std::is_constructible_v<Window, platform::Services, platform::Window&,
                                          engine::GameState&>)
        child_ = std::make_unique<Window>(services_, window_, state_);
    else
        child_ = std::make_unique<Window>(services_, window_);
    child_->open();
}

void Quorvel::about_Click() {
    if (state_.run.freespintarget >= 1) return;
    cue(cue::kMenuEntry);
    openChild<info::AboutWindow>();
    e_.menupic.hide();
}

void Quorvel::mnuviewpaytable_Click() {
    if (state_.run.freespinmode == -1) return;
    cue(cue::kMenuEntry);
    e_.pannomoney.hide();
    openChild<info::PayTableWindow>();
    e_.menupic.hide();
}

void Quorvel::btnoptions_Click() {
    const engine::RunState& run = state_.run;
    if (run.freespinmode == -1 || run.autoplaymode == 10 || e_.pandouble.visible()) return;
    cue(cue::kButtonClick);
    e_.doublebutton.setEnabled(false);
    openChild<players::OptionsWindow>();
}

}  // namespace quorvel::screen
