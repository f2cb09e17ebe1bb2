#include "info/recall_window.h"

#include <algorithm>
#include <ctime>

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

std::string listEntry(const engine::GameRecord& game) {
    return clockTime(game.playedAt) + "   stake " + engine::creditForm(stakeOf(game)) + "   win " +
           engine::creditForm(game.win);
}

std::string featureText(const engine::GameRecord& game) {
    std::string text;
    if (game.freeSpinsWon > 0)
        text = std::to_string(game.freeSpinsWon) + " free spins, total " +
               engine::creditForm(game.freeSpinTotal);
    if (!game.jackpotKind.empty()) {
        if (!text.empty()) text += "; ";
        text += "jackpot board: " + game.jackpotKind + " " + engine::creditForm(game.jackpotPrize);
    }
    return text.empty() ? "No feature" : text;
}

}  // namespace

std::string clockTime(std::int64_t secondsSinceEpoch) {
    const std::time_t when = static_cast<std::time_t>(secondsSinceEpoch);
    std::tm local{};
    localtime_r(&when, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

RecallWindow::RecallWindow(platform::Services services, platform::Window& mainScreen,
                           const engine::PlayerValues& player)
    : ChildWindow(services, mainScreen, "quorvelrecall", kRecallWidth, kRecallHeight,
                  "Game Recall"),
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
        if (present) entry.setCaption(std::to_string(k) + ".  " + listEntry(games[k - 1]));
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
    w.at("lblplayed").setCaption("Played at " + clockTime(game.playedAt));
    w.at("lblstake")
        .setCaption(std::to_string(game.lines) + " lines at " + engine::creditForm(game.bet) +
                    " = " + engine::creditForm(stakeOf(game)) + " credits");
    std::string paid = game.paidLines.empty() ? "no line" : "lines";
    for (int line : game.paidLines)
        paid.append(" ").append(std::to_string(line));
    w.at("lblresult").setCaption("Won " + engine::creditForm(game.win) + " (" + paid + ")");
    w.at("lblfeature").setCaption(featureText(game));
    w.at("lblgamble")
        .setCaption(game.gamble.empty()
                        ? "Not gambled"
                        : "Gamble " + game.gamble + " " + engine::creditForm(game.gambleAmount));
    w.at("lblcredit")
        .setCaption("Credit " + engine::creditForm(game.bankBefore) + " before, " +
                    engine::creditForm(game.bankAfter) + " after");
}

void RecallWindow::btnclose_Click() {
    close();
}

}  // namespace quorvel::info
