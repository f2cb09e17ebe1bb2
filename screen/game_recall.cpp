#include "engine/paylines.h"
#include "info/recall_window.h"
#include "screen/quorvel.h"

namespace quorvel::screen {

void Quorvel::recordGame() {
    const engine::RunState& run = state_.run;
    engine::GameRecord game;
    game.playedAt = services_.events.secondsSinceEpoch();
    for (int reel = 1; reel <= engine::kReels; ++reel)
        game.stops[reel - 1] = run.stop[reel];
    game.reel3 = run.reel3counts == 1 ? 1 : 2;
    game.lines = run.lines;
    game.bet = run.bet;
    game.win = run.spinwin;
    for (int line = 1; line <= engine::kLines; ++line)
        if (run.linewin[line] > 0) game.paidLines.push_back(line);
    if (run.scattercount >= 3) game.freeSpinsWon = engine::freeGamesFor(run.scattercount, false);
    game.bankBefore = bankBeforeSpin_;
    game.bankAfter = state_.player.bank;
    state_.player.history.add(std::move(game));
    normalSpinInFlight_ = false;
}

// What follows a game is noted on the newest record, with the credit it left.
engine::GameRecord* Quorvel::lastGame() {
    engine::GameRecord* game = state_.player.history.newest();
    if (game) game->bankAfter = state_.player.bank;
    return game;
}

// Only a quiet cabinet opens the recall: nothing spinning, no feature, no stake out.
bool Quorvel::recallAllowed() const {
    const engine::RunState& run = state_.run;
    return spinHandlers_ == 0 && run.freespinmode == 0 && run.freespintarget < 1 &&
           run.autoplaymode == 0 && !jackpotPending_ && !gambleOpen_ && !ended_ &&
           !(child_ && child_->isOpen());
}

void Quorvel::Form_KeyDown(int keyCode) {
    if (keyCode != platform::kKeyF2 || !recallAllowed()) return;
    openChild<info::RecallWindow>();
}

}  // namespace quorvel::screen
