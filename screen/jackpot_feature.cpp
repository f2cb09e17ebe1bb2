#include "engine/checked.h"
#include "engine/jackpot_board.h"
#include "engine/money.h"
#include "presentation/board_places.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

using engine::BoardPrize;

// How each meter's win is shown: the first of its three win pictures.
struct MeterLook {
    BoardPrize prize;
    int firstPicture;
};
constexpr MeterLook kMeterLooks[] = {
    {BoardPrize::Grand, 7},
    {BoardPrize::Major, 4},
    {BoardPrize::Minor, 1},
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

}  // namespace

void Quorvel::jackpotFeatureStart() {
    if (cabinet_.beginJackpot() != engine::Refusal::None) return;
    featureStartsUnderAutoplay(translate("quorvel", "Autoplay stopped: the jackpot board."));
    startBoard();
}

// The bell, the board sliding in and the ball's first place; its stop is drawn later.
void Quorvel::startBoard() {
    services_.events.pump();
    for (Timer timer : {Timer::tmrautospin, Timer::tmrlineflash, Timer::Timer4})
        stop(timer);
    e_.btnopenmenu.setEnabled(false);
    e_.btnoptions.setEnabled(false);
    start(Timer::tmrbell);
    services_.events.sleep(200);
    stop(Timer::tmrshowjackpot);
    BallRun& ball = counters_.ball;
    ball.ballinterval = ball.ballleft = ball.balltop = ball.ballslowing = 0;
    ball.balllaps = 0;
    ball.ballpos = static_cast<std::int16_t>(cabinet_.boardStart(services_.random).outcome);
    for (platform::Element* ball : e_.jackpotball)
        ball->hide();
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
        setInterval(Timer::tmrdecidejackpot, kBallStepMs);
        start(Timer::tmrdecidejackpot);
        stop(Timer::tmrbell);
    }
}

void Quorvel::moveBall(int position) {
    if (position < 1 || position > engine::kBoardPositions) return;
    const presentation::BoardPlace& place = presentation::boardPlace(position);
    e_.jackpotball[0]->move(place.left, place.top);
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
        e_.jackpotpicture.hide();
        e_.jackpotball[0]->show();
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
        cabinet_.boardStop(services_.random);
        saveCurrentSlot();
    }
    engine::addChecked(ball.ballinterval, kBallStepMs);
    setInterval(Timer::tmrdecidejackpot, ball.ballinterval);
    moveBall(++ball.ballpos);
    if (ball.ballpos == cabinet_.run().ballstop) decideJackpot();
}

void Quorvel::decideJackpot() {
    e_.lbljackpotwon.hide();
    services_.sound.stop();
    if (!cabinet_.boardPending()) return;
    cabinet_.decideJackpotPrize();
    saveCurrentSlot();
    cue(cue::kJackpotDecided);
    start(Timer::tmrshowjackpot);
    stop(Timer::tmrdecidejackpot);
}

void Quorvel::tmrshowjackpot_Timer() {
    BallRun& run = counters_.ball;
    ++run.showticks;
    ++run.winpicture;
    if (++run.balllook > 4) run.balllook = 1;
    const int ball = run.balllook == 4 ? 0 : run.balllook - 1;
    for (int k = 0; k < 3; ++k) {
        platform::Element& look = *e_.jackpotball[k];
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
        platform::Element& picture = e_.jackpotpicture;
        picture.setPicture("jackpotwin", winpicture);
        picture.show();
        return;
    }
    platform::Element& label = e_.lbljackpotwon;
    label.setCaption(platform::fillIn(translate("quorvel", "BET X %1  = %2"),
                                      {std::to_string(engine::boardMultiple(prize)),
                                       engine::creditForm(cabinet_.run().jackpotprize)}));
    label.show();
}

// Pays the decided prize once; a meter it empties shows its floor at once.
void Quorvel::creditJackpotPrize() {
    const engine::Move<std::optional<BoardPrize>> paid = cabinet_.payJackpot();
    if (!paid.ok()) return;
    if (const auto emptied = paid.outcome) {
        const engine::MeterRule& meter = *engine::meterRule(*emptied);
        platform::Element& label = *emptied == BoardPrize::Grand   ? e_.lblgrand
                                   : *emptied == BoardPrize::Major ? e_.lblmajor
                                                                   : e_.lblminor;
        label.setCaption(engine::dollarForm(meter.floor));
    }
    saveCurrentSlot();
}

void Quorvel::payJackpot() {
    for (platform::Element* ball : e_.jackpotball)
        ball->hide();
    stop(Timer::tmrshowjackpot);
    e_.jackpotframe.hide();
    e_.jackpotpicture.hide();
    e_.lbljackpotwon.hide();
    e_.btnopenmenu.setEnabled(true);
    e_.btnoptions.setEnabled(true);
    services_.events.pump();
    const std::int32_t prize = cabinet_.run().jackpotprize;
    creditJackpotPrize();
    showCredit();
    announceCredit(
        platform::fillIn(translate("quorvel", "Jackpot %1, "), {engine::creditForm(prize)}));
    counters_.ball.showticks = 0;
    e_.panfreespin.show();
    if (counters_.pace.autoplaymode > 0) start(Timer::tmrautospin);
    services_.events.pump();
    playRests();
}

// A ball whose stop was drawn shows its prize and pays it once; one still running round
// starts over, its start and stop drawn again.
void Quorvel::resumeBoard() {
    if (cabinet_.run().ballstop == 0) {
        startBoard();
        return;
    }
    e_.btnopenmenu.setEnabled(false);
    e_.btnoptions.setEnabled(false);
    e_.panfreespin.hide();
    e_.jackpotframe.move(kBoardLeft, kIntroTicks * kBoardSlidePerTick - kBoardSlideOffset);
    e_.jackpotframe.show();
    BallRun& ball = counters_.ball;
    ball.ballslowing = 1;
    ball.ballpos = cabinet_.run().ballstop;
    moveBall(ball.ballpos);
    e_.jackpotball[0]->show();
    if (cabinet_.play().board->prizeDecided) {
        start(Timer::tmrshowjackpot);
        return;
    }
    decideJackpot();
}

}  // namespace quorvel::screen
