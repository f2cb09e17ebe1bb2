#include "engine/checked.h"
#include "engine/jackpot_board.h"
#include "engine/money.h"
#include "presentation/board_places.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

using engine::BoardPrize;

// How each meter's win is shown: its label and the first of its three win pictures.
struct MeterLook {
    BoardPrize prize;
    const char* label;
    int firstPicture;
};
constexpr MeterLook kMeterLooks[] = {
    {BoardPrize::Grand, "lblgrand", 7},
    {BoardPrize::Major, "lblmajor", 4},
    {BoardPrize::Minor, "lblminor", 1},
};

const MeterLook* lookOf(BoardPrize prize) {
    for (const MeterLook& look : kMeterLooks)
        if (look.prize == prize) return &look;
    return nullptr;
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

}  // namespace

void Quorvel::jackpotFeatureStart() {
    cabinet_.beginJackpot();
    services_.events.pump();
    for (const char* timer : {"tmrautospin", "tmrlineflash", "Timer4"})
        services_.timers.stop(timer);
    e_.btnopenmenu.setEnabled(false);
    e_.btnoptions.setEnabled(false);
    services_.timers.start("tmrbell");
    services_.events.sleep(200);
    services_.timers.stop("tmrshowjackpot");
    BallRun& ball = counters_.ball;
    ball.ballinterval = ball.ballleft = ball.balltop = ball.ballslowing = 0;
    ball.balllaps = 0;
    ball.ballpos = static_cast<std::int16_t>(cabinet_.drawBallStart(services_.random));
    for (const char* ball : kBalls)
        window_.at(ball).hide();
}

void Quorvel::tmrbell_Timer() {
    const engine::RunState& run = cabinet_.run();
    Morph& morph = counters_.morph;
    e_.panfreespin.hide();
    if (morph.morphframe < 1 || morph.morphframe >= kMorphFrames) {
        morph.morphframe = 1;
        cue(cue::kJackpotBell);
        services_.events.pump();
    }
    ++morph.morphframe;
    for (int reel = 1; reel <= 3; ++reel) {
        const int cell = run.jackpotcell[reel];
        if (cell < 3 * reel - 2 || cell > 3 * reel) continue;
        e_.flasher[cell]->setPicture("morphing", morph.morphframe);
        e_.flasher[cell]->show();
    }
    if (morph.belltick >= kBoardSlideFromTick) {
        e_.jackpotframe.move(kBoardLeft, morph.belltick * kBoardSlidePerTick - kBoardSlideOffset);
        e_.jackpotframe.show();
    }
    if (morph.belltick >= kIntroTicks) {
        morph.belltick = 0;
        services_.timers.setInterval("tmrdecidejackpot", kBallStepMs);
        services_.timers.start("tmrdecidejackpot");
        services_.timers.stop("tmrbell");
    }
}

void Quorvel::moveBall(int position) {
    if (position < 1 || position > engine::kBoardPositions) return;
    const presentation::BoardPlace& place = presentation::boardPlace(position);
    window_.at(kBalls[0]).move(place.left, place.top);
    counters_.ball.ballleft = static_cast<std::int16_t>(place.left);
    counters_.ball.balltop = static_cast<std::int16_t>(place.top);
}

// Two laps at full speed from where the ball starts, then each step a little slower until
// it stops where the draw put it.
void Quorvel::tmrdecidejackpot_Timer() {
    BallRun& ball = counters_.ball;
    if (cabinet_.player().soundonoff == -1)
        services_.sound.playLooped(sounds_.get(cue::kJackpotDraw));
    if (ball.ballslowing != 1) {
        window_.at("jackpotpicture").hide();
        window_.at(kBalls[0]).show();
        moveBall(++ball.ballpos);
        if (ball.ballpos <= engine::kBoardPositions) return;
        if (ball.balllaps == 0) {
            ball.balllaps = 1;
            ball.ballpos = 0;
            moveBall(++ball.ballpos);
            return;
        }
        ball.ballpos = 0;
        ball.ballslowing = 1;
        cabinet_.drawBallStop(services_.random);
    }
    engine::addChecked(ball.ballinterval, kBallStepMs);
    services_.timers.setInterval("tmrdecidejackpot", ball.ballinterval);
    moveBall(++ball.ballpos);
    if (ball.ballpos == cabinet_.run().ballstop) decideJackpot();
}

void Quorvel::decideJackpot() {
    window_.at("lbljackpotwon").hide();
    services_.sound.stop();
    cabinet_.decideJackpotPrize();
    cue(cue::kJackpotDecided);
    services_.timers.start("tmrshowjackpot");
    services_.timers.stop("tmrdecidejackpot");
}

void Quorvel::tmrshowjackpot_Timer() {
    BallRun& run = counters_.ball;
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
    showWin(cabinet_.run().jackpotprize);
    if (run.showticks >= kDisplayTicks) payJackpot();
}

// A meter shows its own three win frames; a bet multiple says what it is.
void Quorvel::showPrize() {
    std::int16_t& winpicture = counters_.ball.winpicture;
    const BoardPrize prize = cabinet_.boardPrizeAtStop();
    if (const MeterLook* meter = lookOf(prize)) {
        if (winpicture < meter->firstPicture || winpicture > meter->firstPicture + 2)
            winpicture = static_cast<std::int16_t>(meter->firstPicture);
        platform::Element& picture = window_.at("jackpotpicture");
        picture.setPicture("jackpotwin", winpicture);
        picture.show();
        return;
    }
    platform::Element& label = window_.at("lbljackpotwon");
    label.setCaption("BET X " + std::to_string(engine::boardMultiple(prize)) + "  = " +
                     engine::creditForm(cabinet_.run().jackpotprize));
    label.show();
}

// Pays the decided prize once; a meter it empties shows its floor at once.
void Quorvel::creditJackpotPrize() {
    if (!cabinet_.boardPending()) return;
    if (const auto emptied = cabinet_.payJackpot()) {
        const engine::MeterRule& meter = *engine::meterRule(*emptied);
        window_.at(lookOf(*emptied)->label).setCaption(engine::dollarForm(meter.floor));
    }
    saveCurrentSlot();
}

void Quorvel::payJackpot() {
    for (const char* ball : kBalls)
        window_.at(ball).hide();
    services_.timers.stop("tmrshowjackpot");
    e_.jackpotframe.hide();
    window_.at("jackpotpicture").hide();
    window_.at("lbljackpotwon").hide();
    e_.btnopenmenu.setEnabled(true);
    e_.btnoptions.setEnabled(true);
    services_.events.pump();
    creditJackpotPrize();
    showCredit();
    counters_.ball.showticks = 0;
    e_.panfreespin.show();
    if (counters_.pace.autoplaymode > 0) services_.timers.start("tmrautospin");
    services_.events.pump();
}

}  // namespace quorvel::screen
