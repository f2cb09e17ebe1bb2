#include "info/recall_window.h"

#include <algorithm>

#include "engine/money.h"
#include "engine/strips.h"
#include "info/recall_layout.h"
#include "presentation/payline_drawings.h"
#include "presentation/reel_pictures.h"

namespace quorvel::info {
namespace {

// Records are read only with an offered bet and line count, so the product is small; the
// wide product keeps even a bad record from overflowing.
std::int32_t stakeOf(const engine::GameRecord& game) {
    const long long stake = static_cast<long long>(game.bet) * game.lines;
    return static_cast<std::int32_t>(std::clamp<long long>(stake, 0, 1'000'000'000));
}

using platform::EventKind;

constexpr int kMysteryPosition = engine::kMysteryPosition;

using platform::fillIn;

std::string listEntry(const engine::GameRecord& game, const platform::TextCatalogue& text) {
    return fillIn(text.translate("quorvelrecall", "%1   stake %2   win %3"),
                  {text.dateTime(game.playedAt), engine::creditForm(stakeOf(game)),
                   engine::creditForm(game.win)});
}

// The prize boards' names as the records keep them; the bet multiples stay as written.
[[maybe_unused]] constexpr const char* kBoardNames[] = {
    QV_TRANSLATE_NOOP("quorvelrecall", "minor"), QV_TRANSLATE_NOOP("quorvelrecall", "major"),
    QV_TRANSLATE_NOOP("quorvelrecall", "grand")};

std::string featureText(const engine::GameRecord& game, const platform::TextCatalogue& text) {
    std::string shown;
    if (game.freeSpinsWon > 0)
        shown = fillIn(text.translate("quorvelrecall", "%n free spins, total %1",
                                      "%n free spin, total %1", game.freeSpinsWon),
                       {engine::creditForm(game.freeSpinTotal)});
    if (!game.jackpotKind.empty()) {
        if (!shown.empty()) shown += "; ";
        shown += fillIn(text.translate("quorvelrecall", "jackpot board: %1 %2"),
                        {text.translate("quorvelrecall", game.jackpotKind.c_str()),
                         engine::creditForm(game.jackpotPrize)});
    }
    return shown.empty() ? text.translate("quorvelrecall", "No feature") : shown;
}

std::string gambleText(const engine::GameRecord& game, const platform::TextCatalogue& text) {
    const std::string amount = engine::creditForm(game.gambleAmount);
    if (game.gamble.empty()) return text.translate("quorvelrecall", "Not gambled");
    if (game.gamble == "lost")
        return fillIn(text.translate("quorvelrecall", "Gamble lost %1"), {amount});
    if (game.gamble == "taken")
        return fillIn(text.translate("quorvelrecall", "Gamble taken %1"), {amount});
    return "Gamble " + game.gamble + " " + amount;
}

}  // namespace

RecallWindow::RecallWindow(platform::Services services, platform::Window& mainScreen,
                           const engine::PlayerValues& player)
    : ChildWindow(services, mainScreen, "quorvelrecall", kRecallWidth, kRecallHeight,
                  services.text.translate("quorvelrecall", "Game Recall")),
      history_(player.history) {
    platform::Window& w = window();
    platform::buildElements(w, recallDesign(), services_.text);
    w.on("game", EventKind::Click, [this](platform::Event& e) { game_Click(e.index); });
    w.on("btnclose", EventKind::Click, [this](platform::Event&) { btnclose_Click(); });
    w.on("", EventKind::KeyPress, [this](platform::Event& e) {
        if (e.key == platform::kKeyEscape) btnclose_Click();
    });
    w.setKeyPreview(true);
    listGames();
}

void RecallWindow::listGames() {
    platform::Window& w = window();
    const auto& games = history_.games();
    for (int k = 1; k <= static_cast<int>(engine::kRecalledGames); ++k) {
        platform::Element& entry = w.at("game", k);
        const bool present = k <= static_cast<int>(games.size());
        entry.setVisible(present);
        if (present)
            entry.setCaption(std::to_string(k) + ".  " + listEntry(games[k - 1], services_.text));
    }
    // With nothing to recall the sentence stands alone, without reels full of symbols.
    w.at("lblempty").setVisible(games.empty());
    for (int reel = 1; reel <= engine::kReels; ++reel)
        w.at("Picture" + std::to_string(reel)).setVisible(!games.empty());
    if (!games.empty()) w.select(w.at("game", 1));
}

void RecallWindow::game_Click(int index) {
    const auto& games = history_.games();
    if (index < 1 || index > static_cast<int>(games.size())) return;
    const engine::GameRecord& game = games[index - 1];
    drawReels(game);
    drawPaidLines(game);
    showFigures(game);
}

void RecallWindow::drawReels(const engine::GameRecord& game) {
    platform::Window& w = window();
    for (int reel = 1; reel <= engine::kReels; ++reel)
        w.at("reel" + std::to_string(reel)).move(0, presentation::restOffset(game.stops[reel - 1]));
    // Reel 3's mystery tile shows as it was revealed: counted or crossed out.
    platform::Element& mystery = w.at("mystery");
    const int row = kMysteryPosition - game.stops[2] + 1;
    mystery.setVisible(row >= 1 && row <= engine::kRows);
    if (mystery.visible()) {
        mystery.move(0, (row - 1) * presentation::kSymbolHeightTwips);
        mystery.setPicture("morphing", game.reel3 == 1 ? 1 : 11);
    }
}

void RecallWindow::drawPaidLines(const engine::GameRecord& game) {
    platform::Window& w = window();
    for (int i = 1; i <= kRecallLines * kSegmentsPerLine; ++i)
        w.at("paidline", i).hide();
    int slot = 0;
    for (int line : game.paidLines) {
        const presentation::PaylineDrawing& drawing = presentation::paylineDrawing(line);
        for (const platform::LinePoints& points : drawing.segments) {
            platform::Element& segment = w.at("paidline", ++slot);
            segment.setPoints(points);
            segment.setForeColour(drawing.colour);
            segment.show();
        }
    }
}

void RecallWindow::showFigures(const engine::GameRecord& game) {
    platform::Window& w = window();
    const platform::TextCatalogue& text = services_.text;
    w.at("lblplayed")
        .setCaption(fillIn(text.translate("quorvelrecall", "Played at %1"),
                           {text.dateTime(game.playedAt)}));
    w.at("lblstake")
        .setCaption(fillIn(text.translate("quorvelrecall", "%1 lines at %2 = %3 credits"),
                           {std::to_string(game.lines), engine::creditForm(game.bet),
                            engine::creditForm(stakeOf(game))}));
    std::string lines;
    for (int line : game.paidLines)
        lines.append(lines.empty() ? "" : " ").append(std::to_string(line));
    const std::string paid = game.paidLines.empty()
                                 ? text.translate("quorvelrecall", "no line")
                                 : fillIn(text.translate("quorvelrecall", "lines %1"), {lines});
    w.at("lblresult")
        .setCaption(fillIn(text.translate("quorvelrecall", "Won %1 (%2)"),
                           {engine::creditForm(game.win), paid}));
    w.at("lblfeature").setCaption(featureText(game, text));
    w.at("lblgamble").setCaption(gambleText(game, text));
    w.at("lblcredit")
        .setCaption(
            fillIn(text.translate("quorvelrecall", "Credit %1 before, %2 after"),
                   {engine::creditForm(game.bankBefore), engine::creditForm(game.bankAfter)}));
}

void RecallWindow::btnclose_Click() {
    close();
}

}  // namespace quorvel::info
