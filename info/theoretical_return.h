#pragma once

#include <string>

#include "platform/text_catalogue.h"

namespace quorvel::info {

// The long-run return of a normal spin on 25 lines at payout setting `machinepay`: base game,
// free spins and the jackpot feature's bet multiples (the meters left out), as a fraction.
double theoreticalReturn(int machinepay);

// The sentence the pay table shows for it, e.g. "... (Realistic): 95.31 %".
std::string returnStatement(int machinepay, const platform::TextCatalogue& text);

}  // namespace quorvel::info
