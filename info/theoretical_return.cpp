#include "info/theoretical_return.h"

#include <cstdio>

#include "engine/paylines.h"
#include "info/return_odds.h"
#include "math/par_sheet.h"

namespace quorvel::info {
namespace {

std::string settingName(int machinepay, const platform::TextCatalogue& text) {
    switch (machinepay) {
        case 2:
            return text.translate("quorvelpays", "Dream Machine !!");
        case 3:
            return text.translate("quorvelpays", "Loose");
        case 4:
            return text.translate("quorvelpays", "Realistic");
        default:
            return platform::fillIn(text.translate("quorvelpays", "big wins stand 1 in %1"),
                                    {std::to_string(machinepay)});
    }
}

}  // namespace

double theoreticalReturn(int machinepay) {
    const math::ParSheet sheet =
        math::parSheet(spinTally(engine::kLines), engine::kLines, machinepay);
    return sheet.baseRtp + sheet.freespinRtp + sheet.jackpotMultipleRtp;
}

std::string returnStatement(int machinepay, const platform::TextCatalogue& text) {
    if (machinepay < 1) return "";
    char percent[32];
    std::snprintf(percent, sizeof percent, "%.2f", theoreticalReturn(machinepay) * 100);
    return platform::fillIn(
        text.translate("quorvelpays", "Return to player, %1 lines, %2: %3 %"),
        {std::to_string(engine::kLines), settingName(machinepay, text), percent});
}

}  // namespace quorvel::info
