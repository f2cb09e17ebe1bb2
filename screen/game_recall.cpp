#include "info/recall_window.h"
#include "info/session_window.h"
#include "screen/quorvel.h"
#include "screen/sound_cues.h"

namespace quorvel::screen {

// Only a quiet cabinet opens the recall: nothing spinning, no feature, no stake out.
bool Quorvel::recallAllowed() const {
    return spinHandlers_ == 0 && cabinet_.atRest() && counters_.pace.autoplaymode == 0 && !ended_ &&
           !(child_ && child_->isOpen());
}

void Quorvel::Form_KeyDown(int keyCode) {
    if (volumeKey(keyCode)) return;
    if (keyCode == platform::kKeyF2 && recallAllowed()) openChild<info::RecallWindow>();
    if (keyCode == platform::kKeyF3 && recallAllowed()) openSession();
}

void Quorvel::gamehistory_Click() {
    e_.menupic.hide();
    if (!recallAllowed()) return;
    cue(cue::kMenuEntry);
    openChild<info::RecallWindow>();
}

void Quorvel::mnusession_Click() {
    e_.menupic.hide();
    if (!recallAllowed()) return;
    cue(cue::kMenuEntry);
    openSession();
}

void Quorvel::openSession() {
    observeSession();
    openChild<info::SessionWindow>();
}

// Only at rest, when every game has its record, and once the session has begun; looking
// again changes nothing.
void Quorvel::observeSession() {
    const auto current = sessions_.find(cabinet_.player().playerslot);
    if (current != sessions_.end())
        current->second.observe(cabinet_.player(), services_.events.steadyMs());
}

}  // namespace quorvel::screen
