#include "platform/layout.h"
#include "screen/quorvel.h"
#include "screen/quorvel_layout.h"

namespace quorvel::screen {

// The language chosen in the options (which retitle the main screen): the main screen speaks
// it at once. What play writes
// (the win meter's words, the gamble's texts) follows at its next writing.
void Quorvel::languageChanged() {
    speakLanguageInForce();
    showVolume();
    showAutoplaySpinsLeft();
}

void Quorvel::speakLanguageInForce() {
    platform::retranslateElements(window_, mainScreenDesign(), services_.text);
    nameElements();
}

}  // namespace quorvel::screen
