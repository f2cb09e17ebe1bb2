#pragma once

#include "engine/game_state.h"
#include "platform/child_window.h"

namespace quorvel::info {

// The player's last games, newest first: the chosen one is drawn as the reels showed it,
// with its paid lines in their colours and its figures beside it.
class RecallWindow : public platform::ChildWindow {
public:
    RecallWindow(platform::Services services, platform::Window& mainScreen,
                 const engine::PlayerValues& player);

    // Shows game k of the list (1 = newest).
    void game_Click(int index);
    void btnclose_Click();

private:
    void listGames();
    void drawReels(const engine::GameRecord& game);
    void drawPaidLines(const engine::GameRecord& game);
    void showFigures(const engine::GameRecord& game);

    const engine::GameHistory& history_;
};

}  // namespace quorvel::info
