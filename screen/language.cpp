#include "platform/layout.h"
#include "screen/quorvel.h"
#include "screen/quorvel_layout.h"

namespace quorvel::screen {

void Quorvel::languageChanged() {
    platform::retranslateElements(window_, mainScreenDesign(), services_.text);
}

}  // namespace quorvel::screen
