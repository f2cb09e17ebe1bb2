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
    {"reelwindow", 0, "Reels"},
    {"coinsin", 0, "Insert Credit"},
    {"payline", 0, "Select Lines"},
    {"btnbet", 0, "Bet Per Line"},
    {"btnspin", 0, "SPIN"},
    {"doublebutton", 0, "GAMBLE"},
    {"autoplayon", 0, "AUTO On/Off"},
    {"btnoptions", 0, "OPTIONS"},
    {"btnopenmenu", 0, "MENU"},
    {"menupic", 0, "Menu"},
    {"about", 0, "About"},
    {"mnuviewpaytable", 0, "View Pay Table"},
    {"viewpaylines", 0, "View Paylines"},
    {"xit", 0, "Exit"},
    {"gamehistory", 0, "Game History"},
    {"mnusession", 0, "Session"},
    {"takewin", 0, "Collect"},
    {"Btnreturn2game", 0, "Return to Game"},
    {"pandouble", 0, "Gamble"},
    {"piccardholder", 0, "Card"},
    {"cancelbet", 0, "Take Win"},
    {"panelbank", 0, "Credit"},
    {"Lblcredit", 0, "Credit in dollars"},
    {"lbllines", 0, "Lines"},
    {"lblbet", 0, "Bet"},
    {"lbllast", 0, "Total Bet"},
    {"lbltotallast", 0, "Total Bet in dollars"},
    {"LABWIN", 0, "Winner Paid"},
    {"lblwin", 0, "Winner Paid in dollars"},
    {"lblgrand", 0, "Grand Jackpot"},
    {"lblmajor", 0, "Major Jackpot"},
    {"lblminor", 0, "Minor Jackpot"},
    {"spinsleft", 0, "Free Spins Left"},
};

constexpr const char* kRowNames[] = {"", "Top row", "Middle row", "Bottom row"};
constexpr const char* kSuitNames[] = {"", "Hearts", "Clubs", "Diamonds", "Spades"};

}  // namespace

void Quorvel::exposeToAssistiveTechnology() {
    for (const SpokenName& spoken : kSpokenNames)
        window_.at(spoken.element, spoken.index).setAccessibleName(spoken.name);
    window_.setNavigator([this](int key) { return platform::navigate(window_, key); });
}

// "Top row: captain, ship, ...; Middle row: ...": the fifteen symbols the reels rest on.
void Quorvel::describeReels() {
    const engine::RunState& run = cabinet_.run();
    std::string description;
    for (int row = 1; row <= engine::kRows; ++row) {
        description += std::string(row > 1 ? ". " : "") + kRowNames[row] + ":";
        for (int reel = 1; reel <= engine::kReels; ++reel)
            description += std::string(reel > 1 ? ", " : " ") +
                           std::string(engine::symbolName(run.window[reel][row]));
    }
    e_.reelwindow.setDescription(description + ".");
}

void Quorvel::announceSpin() {
    const engine::RunState& run = cabinet_.run();
    describeReels();
    std::string said = run.spinwin > 0 ? "Win " + engine::creditForm(run.spinwin) : "No Win";
    if (enabled(Timer::tmrbell)) said += ", jackpot feature";
    if (run.scattercount > 2) said += ", free spins";
    if (e_.takewin.shown()) said += ", free spins completed, Collect";
    window_.announce(said);
}

void Quorvel::announceCredit(const std::string& lead) {
    window_.announce(lead + "Credit " + engine::creditForm(cabinet_.player().bank));
}

void Quorvel::announceStake() {
    const engine::RunState& run = cabinet_.run();
    window_.announce("Lines " + std::to_string(run.lines) + ", bet per line " +
                     std::to_string(run.bet) + ", total bet " +
                     engine::creditForm(cabinet_.totalBet()));
}

void Quorvel::announceShown(const platform::Element& box) {
    window_.announce(box.caption());
}

void Quorvel::announceGambleOpen() {
    window_.announce("Gamble, At Risk " + engine::creditForm(cabinet_.run().atrisk));
}

// The history strip's cards are named by the suit their small picture shows.
void Quorvel::nameHistoryCards() {
    for (int place = 1; place < static_cast<int>(e_.historypic.size()); ++place) {
        platform::Element& past = *e_.historypic[place];
        const int suit = past.picture().index - presentation::smallSuitPicture(0);
        if (suit >= 1 && suit <= engine::kSuits)
            past.setAccessibleName(std::string("Past card: ") + kSuitNames[suit]);
    }
}

void Quorvel::announceCard(bool won, int suit) {
    const std::string card = std::string("Ace of ") + kSuitNames[suit];
    e_.piccardholder.setDescription(card);
    nameHistoryCards();
    const std::string atRisk = "At Risk " + engine::creditForm(cabinet_.run().atrisk);
    window_.announce(won ? card + ", win, " + atRisk : card + ", No Win");
}

}  // namespace quorvel::screen
