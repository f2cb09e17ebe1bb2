#include "screen/quorvel.h"

#include "engine/money.h"
#include "screen/quorvel_layout.h"

namespace quorvel::screen {
namespace {

using platform::EventKind;

struct TimerHandler {
    Timer timer;
    void (Quorvel::*tick)();
};

constexpr TimerHandler kTimerHandlers[] = {
    {Timer::tmrshowbuttons, &Quorvel::tmrshowbuttons_Timer},
    {Timer::tmrtick, &Quorvel::tmrtick_Timer},
    {Timer::tmrautospin, &Quorvel::tmrautospin_Timer},
    {Timer::Timerwincounter, &Quorvel::Timerwincounter_Timer},
    {Timer::Timer4, &Quorvel::Timer4_Timer},
    {Timer::Timerscatters, &Quorvel::Timerscatters_Timer},
    {Timer::tmrlineflash, &Quorvel::tmrlineflash_Timer},
    {Timer::tmrfrees, &Quorvel::tmrfrees_Timer},
    {Timer::Timerrespin, &Quorvel::Timerrespin_Timer},
    {Timer::tmrbell, &Quorvel::tmrbell_Timer},
    {Timer::tmrdecidejackpot, &Quorvel::tmrdecidejackpot_Timer},
    {Timer::tmrshowjackpot, &Quorvel::tmrshowjackpot_Timer},
};

}  // namespace

Quorvel::Quorvel(platform::Services services)
    : services_(services),
      window_("quorvel", kMainClientWidth, kMainClientHeight),
      e_(buildMainScreen(window_, services_.text)),
      celebration_(services_, window_, [this](const char* name) { cue(name); }) {
    registerTimers();
    registerHandlers();
    exposeToAssistiveTechnology();
}

// The platform may outlive the screen: take the windows off screen before they go.
Quorvel::~Quorvel() {
    child_.clear();
    services_.windows.close(window_);
}

void Quorvel::registerTimers() {
    for (const platform::TimerSpec& timer : mainScreenTimers()) {
        void (Quorvel::*tick)() = nullptr;
        for (const TimerHandler& handler : kTimerHandlers)
            if (std::string_view(timerName(handler.timer)) == timer.name) tick = handler.tick;
        services_.timers.add(timer.name, timer.intervalMs, [this, tick] {
            if (tick) (this->*tick)();
        });
        services_.timers.setEnabled(timer.name, timer.runningAtStart);
    }
}

void Quorvel::registerInput(const std::string& name, EventKind kind, void (Quorvel::*handler)()) {
    window_.on(name, kind, [this, handler](platform::Event&) { (this->*handler)(); });
}

void Quorvel::registerHandlers() {
    registerInput("btnspin", EventKind::MouseDown, &Quorvel::btnspin_MouseDown);
    registerInput("btnspin", EventKind::MouseUp, &Quorvel::btnspin_MouseUp);
    registerInput("btnstartall", EventKind::Click, &Quorvel::btnstartall_Click);
    registerInput("payline", EventKind::MouseDown, &Quorvel::payline_MouseDown);
    registerInput("payline", EventKind::MouseUp, &Quorvel::payline_MouseUp);
    registerInput("btnbet", EventKind::MouseDown, &Quorvel::btnbet_MouseDown);
    registerInput("btnbet", EventKind::MouseUp, &Quorvel::btnbet_MouseUp);
    registerInput("viewpaylines", EventKind::Click, &Quorvel::viewpaylines_Click);
    registerInput("Btnreturn2game", EventKind::Click, &Quorvel::Btnreturn2game_Click);
    registerInput("coinsin", EventKind::MouseDown, &Quorvel::coinsin_MouseDown);
    registerInput("coinsin", EventKind::MouseUp, &Quorvel::coinsin_MouseUp);
    registerInput("autoplayon", EventKind::MouseDown, &Quorvel::autoplayon_MouseDown);
    registerInput("autoplayon", EventKind::MouseUp, &Quorvel::autoplayon_MouseUp);
    registerInput("doublebutton", EventKind::MouseDown, &Quorvel::doublebutton_MouseDown);
    registerInput("doublebutton", EventKind::MouseUp, &Quorvel::doublebutton_MouseUp);
    registerInput("betred", EventKind::Click, &Quorvel::betred_Click);
    registerInput("betblack", EventKind::Click, &Quorvel::betblack_Click);
    registerInput("cancelbet", EventKind::Click, &Quorvel::cancelbet_Click);
    registerInput("takewin", EventKind::Click, &Quorvel::takewin_Click);
    registerInput("btnopenmenu", EventKind::MouseMove, &Quorvel::btnopenmenu_MouseMove);
    registerInput("about", EventKind::Click, &Quorvel::about_Click);
    registerInput("mnuviewpaytable", EventKind::Click, &Quorvel::mnuviewpaytable_Click);
    registerInput("btnoptions", EventKind::Click, &Quorvel::btnoptions_Click);
    registerInput("xit", EventKind::Click, &Quorvel::xit_Click);
    registerInput("gamehistory", EventKind::Click, &Quorvel::gamehistory_Click);
    registerInput("mnusession", EventKind::Click, &Quorvel::mnusession_Click);
    registerInput("btnmute", EventKind::Click, &Quorvel::btnmute_Click);
    window_.on("volumebar", EventKind::MouseDown,
               [this](platform::Event& event) { volumebar_MouseDown(event.x); });
    registerInput("", EventKind::MouseMove, &Quorvel::Form_MouseMove);
    registerInput("", EventKind::Close, &Quorvel::Form_Unload);
    window_.on("suitbet", EventKind::Click,
               [this](platform::Event& event) { suitbet_Click(event.index); });
    window_.on("lin", EventKind::MouseMove,
               [this](platform::Event& event) { lin_MouseMove(event.index); });
    window_.on("", EventKind::KeyPress,
               [this](platform::Event& event) { Form_KeyPress(event.key); });
    window_.on("", EventKind::KeyDown, [this](platform::Event& event) { Form_KeyDown(event.key); });
}

void Quorvel::cue(const char* name) {
    if (cabinet_.player().soundonoff == engine::kSoundOn) playAlways(name);
}

void Quorvel::playAlways(const char* name) {
    services_.sound.play(sounds_.get(name));
}

void Quorvel::celebrate(std::int32_t win) {
    celebration_.begin(win, cabinet_.totalBet(), counters_.pace.autoplayOn());
}

void Quorvel::showCredit() {
    const std::int32_t credit = cabinet_.player().bank;
    e_.panelbank.setCaption(engine::creditForm(credit));
    e_.Lblcredit.setCaption(engine::dollarForm(credit));
    if (spinHandlers_ == 0 && cabinet_.atRest()) observeSession();
}

void Quorvel::showWin(std::int32_t cents) {
    e_.LABWIN.setCaption(engine::creditForm(cents));
    e_.lblwin.setCaption(engine::dollarForm(cents));
}

void Quorvel::hideOverlays() {
    for (int cell = 1; cell <= engine::kCells; ++cell)
        e_.flasher[cell]->hide();
}

// A crash must not cost the player money or statistics: every settled result is stored.
// Once the program has ended its last save stands: a handler still unwinding must not
// write a half-settled state over it.
void Quorvel::saveCurrentSlot() {
    if (ended_) return;
    writeProfile();
}

void Quorvel::writeProfile() {
    saver_.save(cabinet_.player(), cabinet_.run(), cabinet_.play(), services_.store);
}

}  // namespace quorvel::screen
