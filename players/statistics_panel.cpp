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

// The titles differ between the sets only in their trailing blanks; each is kept as given.
struct Row {
    const char* label;
    std::array<const char*, 4> titles;  // opened/no games, opened/played, chosen/no, chosen/played
    Figure figure;
};

std::optional<std::int64_t> returned(const PlayerValues& p) {
    if (p.wager == 0) return std::nullopt;
    return std::int64_t{p.totalwon} * 100 / p.wager;
}

// clang-format off
const Row kRows[] = {
    {"lblgames", {"Games Played      ", "Games Played            ", "Games Played          ", "Games Played            "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.games; }},
    {"lblwager", {"Total Wagered     ", "Total Wagered           ", "Total Wagered         ", "Total Wagered           "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.wager; }},
    {"lbltotalwon", {"Total Won      ", "Total Won                   ", "Total Won          ", "Total Won                   "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.totalwon; }},
    {"lblwinlose", {"Winning/Losing     ", "Winning/Losing ", "Winning/Losing      ", "Winning/Losing "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return std::int64_t{p.wager} - p.totalwon; }},
    {"lblreturned", {"Returned To Player     ", "Returned To Player     % ", "Returned To Player ", "Returned To Player     % "},
     returned},
    {"lblinvested", {"Total Invested      ", "Total Invested             ", "Total Invested     ", "Total Invested             "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.amountinvested; }},
    {"lblfreespins", {"Freespins Won     ", "Freespins Won            ", "Freespins Won     ", "Freespins Won     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.howmanyspins; }},
    {"lblgrandwon", {"Grand Jackpots Won     ", "Grand Jackpots Won     ", "Grand Jackpots Won     ", "Grand Jackpots Won     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.grandwon; }},
    {"lblmajorwon", {"Major jackpots Won     ", "Major jackpots Won     ", "Major jackpots Won     ", "Major jackpots Won     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.majorwon; }},
    {"lblminorwon", {"Minor Jackpots Won     ", "Minor Jackpots Won     ", "Minor Jackpots Won     ", "Minor Jackpots Won     "},
     [](const PlayerValues& p) -> std::optional<std::int64_t> { return p.minorwon; }},
};
// clang-format on

const char* currentPlayerTitle(StatisticsView view) {
    return view == StatisticsView::ChosenPlayed || view == StatisticsView::Cleared
               ? "Current Player   "
               : "Current Player    ";
}

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

void fillStatistics(platform::Window& options, const PlayerValues& player, StatisticsView view) {
    options.at("lblcurrentplayer")
        .setCaption(currentPlayerTitle(view) + inCapitals(player.currentplayer));
    for (const Row& row : kRows) {
        std::string text = row.titles[column(view)];
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
