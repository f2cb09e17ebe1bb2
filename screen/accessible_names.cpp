#include "engine/cards.h"
#include "engine/money.h"
#include "engine/symbols.h"
#include "platform/accessible.h"
#include "presentation/card_pictures.h"
#include "screen/quorvel.h"

namespace quorvel::screen {
namespace {

struct SpokenName {
    const char* element;
    int index;
    const char* name;
};

// The names a screen reader gives the painted controls and meters: the captions painted on
// the keys and boxes, so what is heard matches what is seen.
constexpr SpokenName kSpokenNames[] = {
    {"reelwindow", 0, QV_TRANSLATE_NOOP("quorvel", "Reels")},
    {"coinsin", 0, QV_TRANSLATE_NOOP("quorvel", "Insert Credit")},
    {"payline", 0, QV_TRANSLATE_NOOP("quorvel", "Select Lines")},
    {"btnbet", 0, QV_TRANSLATE_NOOP("quorvel", "Bet Per Line")},
    {"btnspin", 0, QV_TRANSLATE_NOOP("quorvel", "SPIN")},
    {"doublebutton", 0, QV_TRANSLATE_NOOP("quorvel", "GAMBLE")},
    {"autoplayon", 0, QV_TRANSLATE_NOOP("quorvel", "AUTO On/Off")},
    {"btnoptions", 0, QV_TRANSLATE_NOOP("quorvel", "OPTIONS")},
    {"btnopenmenu", 0, QV_TRANSLATE_NOOP("quorvel", "MENU")},
    {"menupic", 0, QV_TRANSLATE_NOOP("quorvel", "Menu")},
    {"about", 0, QV_TRANSLATE_NOOP("quorvel", "About")},
    {"mnuviewpaytable", 0, QV_TRANSLATE_NOOP("quorvel", "View Pay Table")},
    {"viewpaylines", 0, QV_TRANSLATE_NOOP("quorvel", "View Paylines")},
    {"xit", 0, QV_TRANSLATE_NOOP("quorvel", "Exit")},
    {"gamehistory", 0, QV_TRANSLATE_NOOP("quorvel", "Game History")},
    {"mnusession", 0, QV_TRANSLATE_NOOP("quorvel", "Session")},
    {"takewin", 0, QV_TRANSLATE_NOOP("quorvel", "Collect")},
    {"Btnreturn2game", 0, QV_TRANSLATE_NOOP("quorvel", "Return to Game")},
    {"pandouble", 0, QV_TRANSLATE_NOOP("quorvel", "Gamble")},
    {"piccardholder", 0, QV_TRANSLATE_NOOP("quorvel", "Card")},
    {"cancelbet", 0, QV_TRANSLATE_NOOP("quorvel", "Take Win")},
    {"panelbank", 0, QV_TRANSLATE_NOOP("quorvel", "Credit")},
    {"Lblcredit", 0, QV_TRANSLATE_NOOP("quorvel", "Credit in dollars")},
    {"lbllines", 0, QV_TRANSLATE_NOOP("quorvel", "Lines")},
    {"lblbet", 0, QV_TRANSLATE_NOOP("quorvel", "Bet")},
    {"lbllast", 0, QV_TRANSLATE_NOOP("quorvel", "Total Bet")},
    {"lbltotallast", 0, QV_TRANSLATE_NOOP("quorvel", "Total Bet in dollars")},
    {"LABWIN", 0, QV_TRANSLATE_NOOP("quorvel", "Winner Paid")},
    {"lblwin", 0, QV_TRANSLATE_NOOP("quorvel", "Winner Paid in dollars")},
    {"lblgrand", 0, QV_TRANSLATE_NOOP("quorvel", "Grand Jackpot")},
    {"lblmajor", 0, QV_TRANSLATE_NOOP("quorvel", "Major Jackpot")},
    {"lblminor", 0, QV_TRANSLATE_NOOP("quorvel", "Minor Jackpot")},
    {"spinsleft", 0, QV_TRANSLATE_NOOP("quorvel", "Free Spins Left")},
};

constexpr const char* kRowNames[] = {"", QV_TRANSLATE_NOOP("quorvel", "Top row"),
                                     QV_TRANSLATE_NOOP("quorvel", "Middle row"),
                                     QV_TRANSLATE_NOOP("quorvel", "Bottom row")};
constexpr const char* kSuitNames[] = {
    "", QV_TRANSLATE_NOOP("quorvel", "Ace of Hearts"), QV_TRANSLATE_NOOP("quorvel", "Ace of Clubs"),
    QV_TRANSLATE_NOOP("quorvel", "Ace of Diamonds"), QV_TRANSLATE_NOOP("quorvel", "Ace of Spades")};
constexpr const char* kPastCards[] = {"", QV_TRANSLATE_NOOP("quorvel", "Past card: Hearts"),
                                      QV_TRANSLATE_NOOP("quorvel", "Past card: Clubs"),
                                      QV_TRANSLATE_NOOP("quorvel", "Past card: Diamonds"),
                                      QV_TRANSLATE_NOOP("quorvel", "Past card: Spades")};
// The symbols as the reels' description names them (the engine's own names, in English).
[[maybe_unused]] constexpr const char* kSymbolWords[] = {
    QV_TRANSLATE_NOOP("symbols", "captain"), QV_TRANSLATE_NOOP("symbols", "ship"),
    QV_TRANSLATE_NOOP("symbols", "skull"),   QV_TRANSLATE_NOOP("symbols", "flag"),
    QV_TRANSLATE_NOOP("symbols", "cutlass"), QV_TRANSLATE_NOOP("symbols", "coin"),
    QV_TRANSLATE_NOOP("symbols", "parrot"),  QV_TRANSLATE_NOOP("symbols", "pistol"),
    QV_TRANSLATE_NOOP("symbols", "cannon"),  QV_TRANSLATE_NOOP("symbols", "map"),
    QV_TRANSLATE_NOOP("symbols", "wild"),    QV_TRANSLATE_NOOP("symbols", "jollyroger"),
    QV_TRANSLATE_NOOP("symbols", "chest")};

}  // namespace

void Quorvel::exposeToAssistiveTechnology() {
    nameElements();
    window_.setNavigator([this](int key) { return platform::navigate(window_, key); });
}

void Quorvel::nameElements() {
    for (const SpokenName& spoken : kSpokenNames)
        window_.at(spoken.element, spoken.index).setAccessibleName(said(spoken.name));
}

// "Top row: captain, ship, ...; Middle row: ...": the fifteen symbols the reels rest on.
void Quorvel::describeReels() {
    const engine::RunState& run = cabinet_.run();
    std::string description;
    for (int row = 1; row <= engine::kRows; ++row) {
        description += std::string(row > 1 ? ". " : "") + said(kRowNames[row]) + ":";
        for (int reel = 1; reel <= engine::kReels; ++reel)
            description +=
                std::string(reel > 1 ? ", " : " ") +
                services_.text.translate(
                    "symbols", std::string(engine::symbolName(run.window[reel][row])).c_str());
    }
    e_.reelwindow.setDescription(description + ".");
}

void Quorvel::announceSpin() {
    const engine::RunState& run = cabinet_.run();
    describeReels();
    std::string text = run.spinwin > 0 ? platform::fillIn(translate("quorvel", "Win %1"),
                                                          {engine::creditForm(run.spinwin)})
                                       : translate("quorvel", "No Win");
    if (enabled(Timer::tmrbell)) text += translate("quorvel", ", jackpot feature");
    if (run.scattercount > 2) text += translate("quorvel", ", free spins");
    if (e_.takewin.shown()) text += translate("quorvel", ", free spins completed, Collect");
    window_.announce(text);
}

void Quorvel::announceCredit(const std::string& lead) {
    window_.announce(lead + platform::fillIn(translate("quorvel", "Credit %1"),
                                             {engine::creditForm(cabinet_.player().bank)}));
}

void Quorvel::announceStake() {
    const engine::RunState& run = cabinet_.run();
    window_.announce(
        platform::fillIn(translate("quorvel", "Lines %1, bet per line %2, total bet %3"),
                         {std::to_string(run.lines), std::to_string(run.bet),
                          engine::creditForm(cabinet_.totalBet())}));
}

void Quorvel::announceShown(const platform::Element& box) {
    window_.announce(box.caption());
}

void Quorvel::announceGambleOpen() {
    window_.announce(platform::fillIn(translate("quorvel", "Gamble, At Risk %1"),
                                      {engine::creditForm(cabinet_.run().atrisk)}));
}

// The history strip's cards are named by the suit their small picture shows.
void Quorvel::nameHistoryCards() {
    for (int place = 1; place < static_cast<int>(e_.historypic.size()); ++place) {
        platform::Element& past = *e_.historypic[place];
        const int suit = past.picture().index - presentation::smallSuitPicture(0);
        if (suit >= 1 && suit <= engine::kSuits) past.setAccessibleName(said(kPastCards[suit]));
    }
}

void Quorvel::announceCard(bool won, int suit) {
    const std::string card = said(kSuitNames[suit]);
    e_.piccardholder.setDescription(card);
    nameHistoryCards();
    const std::string atRisk = engine::creditForm(cabinet_.run().atrisk);
    window_.announce(
        won ? platform::fillIn(translate("quorvel", "%1, win, At Risk %2"), {card, atRisk})
            : platform::fillIn(translate("quorvel", "%1, No Win"), {card}));
}

}  // namespace quorvel::screen
