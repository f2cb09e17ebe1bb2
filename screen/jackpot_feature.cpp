#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/evaluate.h"
#include "engine/jackpot_board.h"
#include "engine/money.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

using engine::BoardPrize;

struct Meter {
    std::int32_t engine::PlayerValues::*amount;
    std::int16_t engine::PlayerValues::*won;
    std::int32_t floor;
    std::int32_t growth;
    const char* label;
    int firstPicture;  // of its three jackpot-win frames
};

// In the order they grow: a meter below its floor is lifted to it instead of growing.
constexpr Meter kGrand{
    &engine::PlayerValues::grand, &engine::PlayerValues::grandwon, 2'000'000, 50, "lblgrand", 7};
constexpr Meter kMajor{
    &engine::PlayerValues::major, &engine::PlayerValues::majorwon, 200'000, 30, "lblmajor", 4};
constexpr Meter kMinor{
    &engine::PlayerValues::minor, &engine::PlayerValues::minorwon, 2'000, 20, "lblminor", 1};
constexpr const Meter* kMeters[] = {&kGrand, &kMajor, &kMinor};

const Meter* meterOf(BoardPrize prize) {
    switch (prize) {
        case BoardPrize::Grand:
            return &kGrand;
        case BoardPrize::Major:
            return &kMajor;
        case BoardPrize::Minor:
            return &kMinor;
        default:
            return nullptr;
    }
}

constexpr int kBoardLeft = 930;
constexpr int kBoardSlideFromTick = 30;
constexpr int kBoardSlidePerTick = 123;
constexpr int kBoardSlideOffset = 5450;
constexpr int kIntroTicks = 50;
constexpr int kBallStepMs = 100;
constexpr int kDisplayTicks = 60;
constexpr int kMorphFrames = 10;
constexpr const char* kBalls[] = {"jackpotball11", "jackpotball21", "jackpotball31"};

BoardPrize prizeAt(int position) {
    return engine::boardPosition(position < 1 || position > 16 ? 1 : position).prize;
}

}  // namespace

void Quorvel::growMeters() {
    for (const Meter* meter : kMeters) {
        std::int32_t& amount = state_.player.*meter->amount;
        if (amount >= meter->floor)
            engine::addChecked(amount, meter->growth);
        else
            amount = meter->floor;
    }
}

void Quorvel::jackpotFeatureStart() {
    engine::RunState& run = state_.run;
    run.jackpotcount = 0;
    jackpotPending_ = true;
    ++state_.books.jackpotFeatures;
    services_.events.pump();
    for (const char* timer : {"tmrautospin", "tmrlineflash", "Timer4"})
        services_.timers.stop(timer);
    e_.btnopenmenu.setEnabled(false);
    e_.btnoptions.setEnabled(false);
    services_.timers.start("tmrbell");
    services_.events.sleep(200);
    services_.timers.stop("tmrshowjackpot");
    run.ballinterval = run.ballleft = run.balltop = run.ballstop = run.ballslowing = 0;
    run.jackpotprize = 0;
    run.balllaps = 0;
    services_.random.reseedFromClock();
    run.ballpos = static_cast<std::int16_t>(engine::drawOneTo(services_.random, 16));
    for (const char* ball : kBalls)
        window_.at(ball).hide();
}

void Quorvel::tmrbell_Timer() {
    engine::RunState& run = state_.run;
    e_.panfreespin.hide();
    if (run.morphframe < 1 || run.morphframe >= kMorphFrames) {
        run.morphframe = 1;
        cue(cue::kJackpotBell);
        services_.events.pump();
    }
    ++run.morphframe;
    for (int reel = 1; reel <= 3; ++reel) {
        const int cell = run.jackpotcell[reel];
        if (cell < 3 * reel - 2 || cell > 3 * reel) continue;
        e_.flasher[cell]->setPicture("morphing", run.morphframe);
        e_.flasher[cell]->show();
    }
    if (run.belltick >= kBoardSlideFromTick) {
        e_.jackpotframe.move(kBoardLeft, run.belltick * kBoardSlidePerTick - kBoardSlideOffset);
        e_.jackpotframe.show();
    }
    if (run.belltick >= kIntroTicks) {
        run.belltick = 0;
        services_.timers.setInterval("tmrdecidejackpot", kBallStepMs);
        services_.timers.start("tmrdecidejackpot");
        services_.timers.stop("tmrbell");
    }
}

void Quorvel::moveBall(int position) {
    if (position < 1 || position > engine::kBoardPositions) return;
    const engine::BoardPosition& place = engine::boardPosition(position);
    window_.at(kBalls[0]).move(place.left, place.top);
    state_.run.ballleft = static_cast<std::int16_t>(place.left);
    state_.run.balltop = static_cast<std::int16_t>(place.top);
}

// Two laps at full speed from where the ball starts, then each step a little slower until
// it stops where the draw put it.
void Quorvel::tmrdecidejackpot_Timer() {
    engine::RunState& run = state_.run;
    if (state_.player.soundonoff == -1) services_.sound.playLooped(sounds_.get(cue::kJackpotDraw));
    if (run.ballslowing != 1) {
        window_.at("jackpotpicture").hide();
        window_.at(kBalls[0]).show();
        moveBall(++run.ballpos);
        if (run.ballpos < 17) return;
        if (run.balllaps == 0) {
            run.balllaps = 1;
            run.ballpos = 0;
            moveBall(++run.ballpos);
            return;
        }
        run.ballpos = 0;
        services_.random.reseedFromClock();
        run.ballslowing = 1;
        run.ballstop = static_cast<std::int16_t>(engine::drawOneTo(services_.random, 16));
    }
    engine::addChecked(run.ballinterval, kBallStepMs);
    services_.timers.setInterval("tmrdecidejackpot", run.ballinterval);
    moveBall(++run.ballpos);
    if (run.ballpos == run.ballstop) decideJackpot();
}

void Quorvel::decideJackpot() {
    window_.at("lbljackpotwon").hide();
    services_.sound.stop();
    chooseJackpotPrize();
    cue(cue::kJackpotDecided);
    services_.timers.start("tmrshowjackpot");
    services_.timers.stop("tmrdecidejackpot");
}

// The prize is known by where the ball stopped, never by its amount: a bet multiple that
// happens to equal a meter is still a bet multiple.
void Quorvel::chooseJackpotPrize() {
    engine::RunState& run = state_.run;
    const std::int16_t total = engine::totalBet(run);
    engine::mul16(total, 10, run.prize10);
    engine::mul16(total, 20, run.prize20);
    engine::mul16(total, 30, run.prize30);
    const BoardPrize prize = prizeAt(run.ballstop);
    if (const Meter* meter = meterOf(prize)) {
        run.jackpotprize = state_.player.*meter->amount;
        engine::addChecked(state_.player.*meter->won, 1);
    } else {
        run.jackpotprize = engine::boardMultiple(prize) * total;
    }
}

void Quorvel::tmrshowjackpot_Timer() {
    engine::RunState& run = state_.run;
    ++run.showticks;
    ++run.winpicture;
    if (++run.balllook > 4) run.balllook = 1;
    const int ball = run.balllook == 4 ? 0 : run.balllook - 1;
    for (int k = 0; k < 3; ++k) {
        platform::Element& look = window_.at(kBalls[k]);
        if (k == ball) {
            look.move(run.ballleft, run.balltop);
            look.show();
        } else {
            look.hide();
        }
    }
    showPrize();
    showWin(run.jackpotprize);
    if (run.showticks >= kDisplayTicks) payJackpot();
}

// A meter shows its own three win frames; a bet multiple says what it is.
void Quorvel::showPrize() {
    engine::RunState& run = state_.run;
    const BoardPrize prize = prizeAt(run.ballstop);
    if (const Meter* meter = meterOf(prize)) {
        if (run.winpicture < meter->firstPicture || run.winpicture > meter->firstPicture + 2)
            run.winpicture = static_cast<std::int16_t>(meter->firstPicture);
        platform::Element& picture = window_.at("jackpotpicture");
        picture.setPicture("jackpotwin", run.winpicture);
        picture.show();
        return;
    }
    platform::Element& label = window_.at("lbljackpotwon");
    label.setCaption("BET X " + std::to_string(engine::boardMultiple(prize)) + "  = " +
                     engine::creditForm(run.jackpotprize));
    label.show();
}

// Pays the chosen prize once: a won meter goes to the bank and the jackpot bank and starts
// again from its floor; a bet multiple goes to the bank alone.
void Quorvel::creditJackpotPrize() {
    if (!jackpotPending_) return;
    jackpotPending_ = false;
    engine::RunState& run = state_.run;
    engine::PlayerValues& player = state_.player;
    engine::addChecked(player.bank, run.jackpotprize);
    if (const Meter* meter = meterOf(prizeAt(run.ballstop))) {
        engine::addChecked(player.jackpotbank, run.jackpotprize);
        state_.books.meterPrizes += run.jackpotprize;
        player.*meter->amount = meter->floor;
        window_.at(meter->label).setCaption(engine::dollarForm(meter->floor));
    } else {
        state_.books.betMultiplePrizes += run.jackpotprize;
        player.betmultiples += run.jackpotprize;
    }
    if (engine::GameRecord* game = lastGame()) {
        static constexpr const char* kKinds[] = {"x10", "x20", "x30", "minor", "major", "grand"};
        game->jackpotPrize = run.jackpotprize;
        game->jackpotKind = kKinds[static_cast<int>(prizeAt(run.ballstop))];
    }
    saveCurrentSlot();
}

void Quorvel::payJackpot() {
    engine::RunState& run = state_.run;
    for (const char* ball : kBalls)
        window_.at(ball).hide();
    services_.timers.stop("tmrshowjackpot");
    e_.jackpotframe.hide();
    window_.at("jackpotpicture").hide();
    window_.at("lbljackpotwon").hide();
    run.jackpotcount = 0;
    e_.btnopenmenu.setEnabled(true);
    e_.btnoptions.setEnabled(true);
    services_.events.pump();
    creditJackpotPrize();
    showCredit();
    run.showticks = 0;
    e_.panfreespin.show();
    if (run.autoplaymode > 0) services_.timers.start("tmrautospin");
    services_.events.pump();
}

}  // namespace quorvel::screen
