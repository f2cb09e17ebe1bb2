#pragma once

#include <string>

#include "engine/game_state.h"
#include "platform/text_catalogue.h"
#include "platform/window.h"

namespace quorvel::players {

// Which of the four title sets the panel shows: on opening or after choosing a slot, with
// or without games played; after clearing the returned figure is left off.
enum class StatisticsView { OpenedNoGames, OpenedPlayed, ChosenNoGames, ChosenPlayed, Cleared };

StatisticsView openedView(const engine::PlayerValues& player);
StatisticsView chosenView(const engine::PlayerValues& player);

// Writes the name and the eight statistics into the panel's labels. A figure that cannot be
// worked out (nothing wagered) leaves its label as it was.
void fillStatistics(platform::Window& options, const platform::TextCatalogue& text,
                    const engine::PlayerValues& player, StatisticsView view);
// "Current Player" in the player's language, then the blanks the view puts before the name.
std::string currentPlayerTitle(const platform::TextCatalogue& text, const char* blanks);
const char* currentPlayerBlanks(StatisticsView view);

}  // namespace quorvel::players
