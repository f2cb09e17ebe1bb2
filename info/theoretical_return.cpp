#include "info/theoretical_return.h"

#include <cstdio>

#include "engine/paylines.h"
#include "info/return_odds.h"
#include "math/par_sheet.h"

namespace quorvel::info {
namespace {

std::string settingName(int machinepay) {
    switch (machinepay) {
        case 2:
            return "Dream Machine !!";
        case 3:
            return "Loose";
        case 4:
            return "Realistic";
        default:
            return "big wins stand 1 in " + std::to_string(machinepay);
    }
}

}  // namespace

double theoreticalReturn(int machinepay) {
    const math::ParSheet sheet =
        math::parSheet(spinTally(engine::kLines), engine::kLines, machinepay);
    return sheet.baseRtp + sheet.freespinRtp + sheet.jackpotMultipleRtp;
}

std::string returnStatement(int machinepay) {
    if (machinepay < 1) return "";
    char text[120];
    std::snprintf(text, sizeof text, "Return to player, %d lines, %s: %.2f %%", engine::kLines,
                  settingName(machinepay).c_str(), theoreticalReturn(machinepay) * 100);
    return text;
}

}  // namespace quorvel::info
