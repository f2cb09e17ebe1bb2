#include "info/recall_window.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

void Quorvel::recordGame() {
    cabinet_.recordGame(services_.events.secondsSinceEpoch());
}

// Only a quiet cabinet opens the recall: nothing spinning, no feature, no stake out.
bool Quorvel::recallAllowed() const {
    const engine::RunState& run = cabinet_.run();
    return spinHandlers_ == 0 && run.freespinmode == 0 && run.freespintarget < 1 &&
           counters_.pace.autoplaymode == 0 && !cabinet_.boardPending() && !cabinet_.gambleOpen() &&
           !ended_ && !(child_ && child_->isOpen());
}

void Quorvel::Form_KeyDown(int keyCode) {
    if (volumeKey(keyCode)) return;
    if (keyCode != platform::kKeyF2 || !recallAllowed()) return;
    openChild<info::RecallWindow>();
}

void Quorvel::gamehistory_Click() {
    e_.menupic.hide();
    if (!recallAllowed()) return;
    cue(cue::kMenuEntry);
    openChild<info::RecallWindow>();
}

}  // namespace quorvel::screen
