#include <array>

#include "engine/cards.h"
#include "engine/checked.h"
#include "engine/money.h"
#include "presentation/card_pictures.h"
#include "presentation/gamble_places.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {
namespace {

constexpr int kRevealFrameMs = 50;
constexpr const char* kWinTooLarge = QV_TRANSLATE_NOOP(
    "quorvel",
    "This guess cannot be played: what it could win would not fit your credit or your "
    "statistics. Take the win instead.");
constexpr int kLossPauseMs = 3000;
constexpr int kHistoryTop = 3960;
constexpr std::array<int, 5> kHistoryLefts{360, 960, 1560, 2160, 2760};

}  // namespace

void Quorvel::doublebutton_MouseDown() {
    if (!cabinet_.gambleOffered() || counters_.pace.autoplayOn()) return;
    celebration_.end();
    e_.doublebutton.hide();
    services_.events.pump();
    if (cabinet_.openGamble() != engine::Refusal::None) return;
    cue(cue::kButtonClick);
    saveCurrentSlot();
    showGamblePanel();
    announceGambleOpen();
    services_.events.pump();
}

// The panel with the stake at risk and every bet open; the credit shows the stake out.
void Quorvel::showGamblePanel() {
    e_.piccardholder.setPicture("imagelistcards", presentation::kCardBack);
    for (int suit = 1; suit <= engine::kSuits; ++suit)
        e_.suitbet[suit]->setPicture("imagelistcards", presentation::smallSuitPicture(suit));
    hideOverlays();
    for (Timer timer :
         {Timer::tmrlineflash, Timer::Timerscatters, Timer::Timer4, Timer::Timerwincounter})
        stop(timer);
    for (platform::Element* button :
         {&e_.doublebutton, &e_.autoplayon, &e_.coinsin, &e_.payline, &e_.btnspin, &e_.btnbet})
        button->setEnabled(false);
    for (platform::Element* button : {&e_.betred, &e_.betblack, &e_.cancelbet})
        button->setEnabled(true);
    e_.pandouble.show();
    e_.gamblewin.hide();
    e_.gamblelose.hide();
    showWin(cabinet_.run().atrisk);
    showStakeTexts();
    e_.lblblackred.show();
    e_.lblsuit.show();
    showCredit();
    window_.setKeyPreview(false);
}

void Quorvel::showStakeTexts() {
    const std::int32_t atrisk = cabinet_.run().atrisk;
    e_.risklab.setCaption(
        platform::fillIn(translate("quorvel", "At Risk  %1"), {engine::creditForm(atrisk)}));
    using engine::Cabinet;
    std::int32_t doubled = 0, quadrupled = 0;
    if (engine::assignChecked(doubled,
                              1LL * Cabinet::gambleMultiplier(engine::GambleBet::Red) * atrisk))
        e_.lblblackred.setCaption(platform::fillIn(translate("quorvel", "Black/Red Win = %1"),
                                                   {engine::creditForm(doubled)}));
    if (engine::assignChecked(quadrupled,
                              1LL * Cabinet::gambleMultiplier(engine::GambleBet::Suit) * atrisk))
        e_.lblsuit.setCaption(platform::fillIn(translate("quorvel", "Suit Win = %1"),
                                               {engine::creditForm(quadrupled)}));
}

void Quorvel::betred_Click() {
    gambleDraw(engine::GambleBet::Red, 0);
}

void Quorvel::betblack_Click() {
    gambleDraw(engine::GambleBet::Black, 0);
}

void Quorvel::suitbet_Click(int index) {
    if (index >= 1 && index <= engine::kSuits) gambleDraw(engine::GambleBet::Suit, index);
}

// One click, one card: a click that arrives while a card is being revealed is ignored.
void Quorvel::gambleDraw(engine::GambleBet bet, int suit) {
    if (!cabinet_.gambleOpen() || cabinet_.revealing()) return;
    // Deliberate: the click cue is played twice, as the cabinet always has.
    cue(cue::kButtonClick);
    cue(cue::kButtonClick);
    e_.gamblewin.hide();
    e_.risklab.setCaption(platform::fillIn(translate("quorvel", "At Risk  %1"),
                                           {engine::creditForm(cabinet_.run().atrisk)}));
    const engine::Move<int> guessed = cabinet_.guess(bet, suit, services_.random);
    if (guessed.refusal == engine::Refusal::BooksFull)
        services_.messages.show("Slots_Quorvel", said(kWinTooLarge),
                                platform::MessageIcon::Information);
    if (!guessed.ok()) return;
    const int drawn = guessed.outcome;
    saveCurrentSlot();
    recordHistory(presentation::smallSuitPicture(drawn));
    revealCard(drawn);
    services_.events.pump();
    if (!cabinet_.revealing()) return;  // the program ended while the card turned
    settleRevealedCard();
}

void Quorvel::settleRevealedCard() {
    const engine::Move<engine::GuessOutcome> settled = cabinet_.settleGuess();
    if (!settled.ok()) return;
    const engine::GuessOutcome& outcome = settled.outcome;
    announceCard(outcome.won, outcome.card);
    if (outcome.won)
        gambleWon(outcome.bet, outcome.card);
    else
        gambleLost();
}

void Quorvel::recordHistory(int picture) {
    const int count = cabinet_.run().historycount;
    if (count >= 1 && count <= 5) {
        e_.historypic[count]->setPicture("imagelistcards", picture);
        e_.historypic[count]->show();
        return;
    }
    if (count < 6) return;
    // The oldest card moves to the right end and takes the newest draw.
    const int k = count - 5;
    for (int slot = 0; slot < 5; ++slot) {
        const int card = (k + slot) % 5 + 1;
        e_.historypic[card]->move(kHistoryLefts[slot], kHistoryTop);
    }
    e_.historypic[k]->setPicture("imagelistcards", picture);
}

void Quorvel::revealCard(int suit) {
    platform::Element& card = e_.piccardholder;
    for (int frame = presentation::kFirstRevealFrame; frame <= presentation::kLastRevealFrame;
         ++frame) {
        card.setPicture(platform::Picture{"imagelistcards", suit, frame});
        services_.events.pump();
        services_.events.sleep(kRevealFrameMs);
    }
    card.setPicture("imagelistcards", suit);
}

void Quorvel::slideResult(platform::Element& picture) {
    picture.show();
    for (int top = presentation::kResultFromTop; top <= presentation::kResultRestTop; ++top)
        picture.move(presentation::kResultLeft, top);
}

void Quorvel::gambleWon(engine::GambleBet bet, int suit) {
    using engine::GambleBet;
    cue(bet == GambleBet::Red     ? cue::kGambleRedWon
        : bet == GambleBet::Black ? cue::kGambleBlackWon
                                  : cue::kGambleSuitWon[suit]);
    for (platform::Element* button : {&e_.betred, &e_.betblack, &e_.cancelbet})
        button->setEnabled(true);
    saveCurrentSlot();
    showStakeTexts();
    slideResult(e_.gamblewin);
}

void Quorvel::gambleLost() {
    e_.doublebutton.setEnabled(false);
    cue(cue::kGambleLost);
    slideResult(e_.gamblelose);
    e_.lblblackred.hide();
    e_.lblsuit.hide();
    e_.risklab.setCaption("    " + translate("quorvel", "No Win") + "  ");
    for (platform::Element* button : {&e_.betred, &e_.betblack, &e_.cancelbet})
        button->setEnabled(false);
    saveCurrentSlot();
    services_.events.pump();
    services_.events.sleep(kLossPauseMs);
    e_.pandouble.hide();
    showCredit();
    e_.LABWIN.setCaption("         " + translate("quorvel", "No Win"));
    e_.lblwin.setCaption(" ");
    e_.doublebutton.setEnabled(false);
    giveButtonsBack();
    window_.setFocus(nullptr);
    window_.setKeyPreview(true);
    playRests();
}

// Takes what is at risk into the credit.
void Quorvel::cancelbet_Click() {
    const engine::Move<std::int32_t> take = cabinet_.takeGamble();
    if (!take.ok()) return;
    const std::int32_t taken = take.outcome;
    e_.pandouble.hide();
    e_.doublebutton.setEnabled(false);
    cue(cue::kGambleTaken);
    showCredit();
    announceCredit();
    showWin(taken);
    giveButtonsBack();
    window_.setFocus(nullptr);
    window_.setKeyPreview(true);
    saveCurrentSlot();
    playRests();
}

void Quorvel::giveButtonsBack() {
    for (platform::Element* button :
         {&e_.autoplayon, &e_.coinsin, &e_.payline, &e_.btnspin, &e_.btnbet})
        button->setEnabled(true);
}

// The panel as it was: the same stake at risk, strip and bets; a card that was turning
// when the game died is settled by its draw.
void Quorvel::resumeGamble() {
    showGamblePanel();
    showHistoryStrip();
    if (!cabinet_.revealing()) return;
    const int card = cabinet_.play().gamble->reveal->card;
    e_.piccardholder.setPicture("imagelistcards", card);
    settleRevealedCard();
}

void Quorvel::showHistoryStrip() {
    const engine::RunState& run = cabinet_.run();
    const int count = run.historycount;
    for (int place = 1; place <= 5; ++place) {
        platform::Element& card = *e_.historypic[place];
        if (place > count) continue;
        card.setPicture("imagelistcards", presentation::smallSuitPicture(run.historycards[place]));
        card.show();
    }
    if (count < 6) return;
    const int k = count - 5;
    for (int slot = 0; slot < 5; ++slot)
        e_.historypic[(k + slot) % 5 + 1]->move(kHistoryLefts[slot], kHistoryTop);
}

}  // namespace quorvel::screen
