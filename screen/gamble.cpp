#include <array>

#include "engine/cards.h"
#include "engine/checked.h"
#include "engine/draw.h"
#include "engine/money.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr int kRevealFrameMs = 50;
constexpr int kLossPauseMs = 3000;
constexpr int kSlideLeft = 700;
constexpr int kSlideFrom = 10;
constexpr int kSlideTo = 4800;
constexpr int kHistoryTop = 3960;
constexpr std::array<int, 5> kHistoryLefts{360, 960, 1560, 2160, 2760};
constexpr int kHistoryWrap = 10;  // from the sixth draw on the strip shows the last five

}  // namespace

void Quorvel::doublebutton_MouseDown() {
    engine::RunState& run = state_.run;
    e_.doublebutton.hide();
    services_.events.pump();
    cue(cue::kButtonClick);
    window_.at("piccardholder").setPicture("imagelistcards", engine::kCardBack);
    for (int suit = 1; suit <= engine::kSuits; ++suit)
        window_.at("suitbet", suit).setPicture("imagelistcards", engine::smallSuitPicture(suit));
    hideOverlays();
    for (const char* timer : {"tmrlineflash", "Timerscatters", "Timer4", "Timerwincounter"})
        services_.timers.stop(timer);
    for (platform::Element* button :
         {&e_.doublebutton, &e_.autoplayon, &e_.coinsin, &e_.payline, &e_.btnspin, &e_.btnbet})
        button->setEnabled(false);
    for (const char* button : {"betred", "betblack", "cancelbet"})
        window_.at(button).setEnabled(true);
    e_.pandouble.show();
    window_.at("gamblewin").hide();
    window_.at("gamblelose").hide();
    run.atrisk = run.carrywin > 0 ? run.carrywin : run.spinwin;
    run.carrywin = 0;
    run.gamblestake = run.atrisk;
    showWin(run.atrisk);
    showStakeTexts();
    window_.at("lblblackred").show();
    window_.at("lblsuit").show();
    engine::addChecked(state_.player.bank, -run.atrisk);
    gambleOpen_ = true;
    ++state_.books.gambles;
    showCredit();
    window_.setKeyPreview(false);
    services_.events.pump();
}

void Quorvel::showStakeTexts() {
    const std::int32_t atrisk = state_.run.atrisk;
    window_.at("risklab").setCaption("At Risk  " + engine::creditForm(atrisk));
    std::int32_t doubled = 0, quadrupled = 0;
    if (engine::assignChecked(doubled, 2LL * atrisk))
        window_.at("lblblackred").setCaption("Black/Red Win = " + engine::creditForm(doubled));
    if (engine::assignChecked(quadrupled, 4LL * atrisk))
        window_.at("lblsuit").setCaption("Suit Win = " + engine::creditForm(quadrupled));
}

void Quorvel::betred_Click() {
    gambleDraw(GambleBet::Red, 0);
}

void Quorvel::betblack_Click() {
    gambleDraw(GambleBet::Black, 0);
}

void Quorvel::suitbet_Click(int index) {
    if (index >= 1 && index <= engine::kSuits) gambleDraw(GambleBet::Suit, index);
}

// One click, one card: a click that arrives while a card is being revealed is ignored.
void Quorvel::gambleDraw(GambleBet bet, int suit) {
    engine::RunState& run = state_.run;
    if (!gambleOpen_ || revealing_) return;
    cue(cue::kButtonClick);
    cue(cue::kButtonClick);
    window_.at("gamblewin").hide();
    engine::addChecked(run.historycount, 1);
    window_.at("risklab").setCaption("At Risk  " + engine::creditForm(run.atrisk));
    services_.random.reseedFromClock();
    const int drawn = engine::drawOneTo(services_.random, engine::kSuits);
    const auto picture = static_cast<std::int16_t>(engine::smallSuitPicture(drawn));
    run.cardpicture[static_cast<int>(bet)] = picture;
    recordHistory(picture);
    revealing_ = true;
    revealCard(drawn);
    revealing_ = false;
    services_.events.pump();
    if (!gambleOpen_) return;  // the program ended while the card turned
    const bool won = bet == GambleBet::Red     ? engine::isRed(drawn)
                     : bet == GambleBet::Black ? !engine::isRed(drawn)
                                               : drawn == suit;
    if (won)
        gambleWon(bet, drawn);
    else
        gambleLost();
}

void Quorvel::recordHistory(int picture) {
    engine::RunState& run = state_.run;
    if (run.historycount > kHistoryWrap) run.historycount = 6;
    const int count = run.historycount;
    if (count >= 1 && count <= 5) {
        window_.at("historypic", count).setPicture("imagelistcards", picture);
        window_.at("historypic", count).show();
        return;
    }
    if (count < 6) return;
    // The oldest card moves to the right end and takes the newest draw.
    const int k = count - 5;
    for (int slot = 0; slot < 5; ++slot) {
        const int card = (k + slot) % 5 + 1;
        window_.at("historypic", card).move(kHistoryLefts[slot], kHistoryTop);
    }
    window_.at("historypic", k).setPicture("imagelistcards", picture);
}

void Quorvel::revealCard(int suit) {
    platform::Element& card = window_.at("piccardholder");
    for (int frame = engine::kFirstRevealFrame; frame <= engine::kLastRevealFrame; ++frame) {
        card.setPicture(platform::Picture{"imagelistcards", suit, frame});
        services_.events.pump();
        services_.events.sleep(kRevealFrameMs);
    }
    card.setPicture("imagelistcards", suit);
}

void Quorvel::slideResult(platform::Element& picture) {
    picture.show();
    for (int top = kSlideFrom; top <= kSlideTo; ++top)
        picture.move(kSlideLeft, top);
}

void Quorvel::gambleWon(GambleBet bet, int suit) {
    engine::RunState& run = state_.run;
    cue(bet == GambleBet::Red     ? cue::kGambleRedWon
        : bet == GambleBet::Black ? cue::kGambleBlackWon
                                  : cue::kGambleSuitWon[suit]);
    const int multiplier =
        bet == GambleBet::Suit ? engine::kSuitMultiplier : engine::kColourMultiplier;
    engine::assignChecked(run.atrisk, static_cast<long long>(run.atrisk) * multiplier);
    for (const char* button : {"betred", "betblack", "cancelbet"})
        window_.at(button).setEnabled(true);
    showStakeTexts();
    slideResult(window_.at("gamblewin"));
}

void Quorvel::gambleLost() {
    engine::RunState& run = state_.run;
    e_.doublebutton.setEnabled(false);
    cue(cue::kGambleLost);
    slideResult(window_.at("gamblelose"));
    window_.at("lblblackred").hide();
    window_.at("lblsuit").hide();
    window_.at("risklab").setCaption("    No Win  ");
    for (const char* button : {"betred", "betblack", "cancelbet"})
        window_.at(button).setEnabled(false);
    gambleOpen_ = false;
    state_.books.gambleLost += run.gamblestake;
    state_.player.gamblelost += run.gamblestake;
    if (engine::GameRecord* game = lastGame()) {
        game->gamble = "lost";
        game->gambleAmount = run.gamblestake;
    }
    saveCurrentSlot();
    services_.events.pump();
    services_.events.sleep(kLossPauseMs);
    e_.pandouble.hide();
    showCredit();
    e_.LABWIN.setCaption("         No Win");
    e_.lblwin.setCaption(" ");
    e_.doublebutton.setEnabled(false);
    giveButtonsBack();
    window_.setFocus(nullptr);
    window_.setKeyPreview(true);
}

// Takes what is at risk into the credit; the statistics count only what the gamble added
// to the stake it opened with.
void Quorvel::cancelbet_Click() {
    engine::RunState& run = state_.run;
    if (!gambleOpen_ || revealing_) return;
    e_.pandouble.hide();
    e_.doublebutton.setEnabled(false);
    gambleOpen_ = false;
    engine::addChecked(state_.player.bank, run.atrisk);
    engine::addChecked(state_.player.totalwon, run.atrisk - run.gamblestake);
    if (engine::GameRecord* game = lastGame()) {
        game->gamble = "taken";
        game->gambleAmount = run.atrisk;
    }
    cue(cue::kGambleTaken);
    showCredit();
    showWin(run.atrisk);
    giveButtonsBack();
    window_.setFocus(nullptr);
    window_.setKeyPreview(true);
    saveCurrentSlot();
}

void Quorvel::giveButtonsBack() {
    for (platform::Element* button :
         {&e_.autoplayon, &e_.coinsin, &e_.payline, &e_.btnspin, &e_.btnbet})
        button->setEnabled(true);
}

}  // namespace quorvel::screen
