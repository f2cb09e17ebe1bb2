#include "players/statistics_panel.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "players/name_text.h"

namespace quorvel::players {
namespace {

using engine::PlayerValues;
using Figure = std::optional<std::int64_t> (*)(const PlayerValues&);

// The titles differ between the sets only in their trailing blanks; each set keeps its own.
struct Row {
    const char* label;
    const char* title;
    std::array<const char*, 4> blanks;  // opened/no games, opened/played, chosen/no, chosen/played
    Figure figure;
};

std::optional<std::int64_t> returned(const PlayerValues& p) {
    if (p.wager == 0) return std::nullopt;
    return std::int64_t{p.totalwon} * 100 / p.wager;
}

// clang-format off
const Row kRows[] = {
    {"lblgames", QV_TRANSLATE_NOOP("quorveloptions", "Games Played"), {"      ", "            ", "          ", "            "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.games; }},
    {"lblwager", QV_TRANSLATE_NOOP("quorveloptions", "Total Wagered"), {"     ", "           ", "         ", "           "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.wager; }},
    {"lbltotalwon", QV_TRANSLATE_NOOP("quorveloptions", "Total Won"), {"      ", "                   ", "          ", "                   "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.totalwon; }},
    {"lblwinlose", QV_TRANSLATE_NOOP("quorveloptions", "Winning/Losing"), {"     ", " ", "      ", " "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return std::int64_t{p.wager} - p.totalwon; }},
    {"lblreturned", QV_TRANSLATE_NOOP("quorveloptions", "Returned To Player"), {"     ", "     % ", " ", "     % "},
     returned},
    {"lblinvested", QV_TRANSLATE_NOOP("quorveloptions", "Total Invested"), {"      ", "             ", "     ", "             "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.amountinvested; }},
    {"lblfreespins", QV_TRANSLATE_NOOP("quorveloptions", "Freespins Won"), {"     ", "            ", "     ", "     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.howmanyspins; }},
    {"lblgrandwon", QV_TRANSLATE_NOOP("quorveloptions", "Grand Jackpots Won"), {"     ", "     ", "     ", "     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.grandwon; }},
    {"lblmajorwon", QV_TRANSLATE_NOOP("quorveloptions", "Major jackpots Won"), {"     ", "     ", "     ", "     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.majorwon; }},
    {"lblminorwon", QV_TRANSLATE_NOOP("quorveloptions", "Minor Jackpots Won"), {"     ", "     ", "     ", "     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.minorwon; }},
};
// clang-format on

int column(StatisticsView view) {
    return view == StatisticsView::Cleared ? 3 : static_cast<int>(view);
}

bool withFigures(StatisticsView view) {
    return view != StatisticsView::OpenedNoGames && view != StatisticsView::ChosenNoGames;
}

}  // namespace

StatisticsView openedView(const PlayerValues& player) {
    return player.games == 0 ? StatisticsView::OpenedNoGames : StatisticsView::OpenedPlayed;
}

StatisticsView chosenView(const PlayerValues& player) {
    return player.games == 0 ? StatisticsView::ChosenNoGames : StatisticsView::ChosenPlayed;
}

const char* currentPlayerBlanks(StatisticsView view) {
    return view == StatisticsView::ChosenPlayed || view == StatisticsView::Cleared ? "   " : "    ";
}

std::string currentPlayerTitle(const platform::TextCatalogue& text, const char* blanks) {
    return text.translate("quorveloptions", "Current Player") + blanks;
}

void fillStatistics(platform::Window& options, const platform::TextCatalogue& words,
                    const PlayerValues& player, StatisticsView view) {
    options.at("lblcurrentplayer")
        .setCaption(currentPlayerTitle(words, currentPlayerBlanks(view)) +
                    inCapitals(player.currentplayer));
    for (const Row& row : kRows) {
        std::string text = words.translate("quorveloptions", row.title) + row.blanks[column(view)];
        const bool titleOnly = view == StatisticsView::Cleared && row.figure == returned;
        if (withFigures(view) && !titleOnly) {
            const auto figure = row.figure(player);
            if (!figure) continue;
            text += std::to_string(*figure);
        }
        options.at(row.label).setCaption(text);
    }
}

}  // namespace quorvel::players
