#include "tools/sim/par_sheet.h"

#include <array>
#include <thread>
#include <vector>

#include "engine/jackpot_board.h"
#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "engine/strips.h"

namespace quorvel::sim {
namespace {

using engine::kLines;
using engine::kReels;
using engine::kStops;
using engine::Symbol;

constexpr int kMasks = 1 << engine::kPayingSymbols;

// For each line, reel and stop: which paying symbols the reel carries on that line.
struct Tables {
    std::uint16_t mask[kLines + 1][kReels + 1][kStops + 1]{};
    std::uint8_t chests[kReels + 1][kStops + 1]{};
    bool jollyroger[kReels + 1][kStops + 1]{};
    // Summed pays of every symbol in a mask for 3, 4 and 5 reels, in bets per line.
    std::array<std::uint32_t, kMasks> pay3{}, pay4{}, pay5{};
};

std::uint16_t symbolMask(Symbol symbol) {
    if (symbol == Symbol::wild) return kMasks - 1;
    if (!engine::isPaying(symbol)) return 0;
    return static_cast<std::uint16_t>(1u << engine::payingIndex(symbol));
}

Tables buildTables() {
    Tables t;
    for (int reel = 1; reel <= kReels; ++reel) {
        for (int stop = 1; stop <= kStops; ++stop) {
            for (int row = 1; row <= engine::kRows; ++row) {
                const Symbol symbol = engine::symbolAtStop(reel, stop, row);
                if (symbol == Symbol::chest) ++t.chests[reel][stop];
                if (symbol == Symbol::jollyroger && reel <= 3) t.jollyroger[reel][stop] = true;
            }
            for (int line = 1; line <= kLines; ++line)
                t.mask[line][reel][stop] =
                    symbolMask(engine::symbolAtStop(reel, stop, engine::lineRow(line, reel)));
        }
    }
    for (int mask = 0; mask < kMasks; ++mask) {
        for (int s = 0; s < engine::kPayingSymbols; ++s) {
            if (!(mask & (1 << s))) continue;
            const auto symbol = static_cast<Symbol>(s);
            t.pay3[mask] += engine::linePay(symbol, 3);
            t.pay4[mask] += engine::linePay(symbol, 4);
            t.pay5[mask] += engine::linePay(symbol, 5);
        }
    }
    return t;
}

struct ActiveLine {
    int line;
    std::uint16_t prefix;  // symbols carried by reels 1, 2 and 3 on this line
};

// Tallies the combinations whose reel 1 stop lies in [firstStop, lastStop].
void enumerateStops(const Tables& t, int lines, int firstStop, int lastStop, ParTally& tally) {
    const std::uint64_t threshold = 2ull * lines;
    std::array<std::uint32_t, 6> scatterBets{};
    for (int chests = 0; chests <= 5; ++chests)
        scatterBets[chests] = engine::scatterMultiple(chests) * lines;

    std::vector<ActiveLine> active;
    std::vector<std::uint16_t> reached;  // prefix & reel 4, per active line
    active.reserve(kLines);
    reached.reserve(kLines);
    for (int s1 = firstStop; s1 <= lastStop; ++s1)
        for (int s2 = 1; s2 <= kStops; ++s2)
            for (int s3 = 1; s3 <= kStops; ++s3) {
                active.clear();
                for (int line = 1; line <= lines; ++line) {
                    const auto prefix = static_cast<std::uint16_t>(
                        t.mask[line][1][s1] & t.mask[line][2][s2] & t.mask[line][3][s3]);
                    if (prefix) active.push_back({line, prefix});
                }
                const int chests123 = t.chests[1][s1] + t.chests[2][s2] + t.chests[3][s3];
                const bool jolly =
                    t.jollyroger[1][s1] && t.jollyroger[2][s2] && t.jollyroger[3][s3];
                for (int s4 = 1; s4 <= kStops; ++s4) {
                    std::uint32_t three = 0;
                    reached.clear();
                    for (const ActiveLine& a : active) {
                        const std::uint16_t m4 = t.mask[a.line][4][s4];
                        three += t.pay3[a.prefix & ~m4];
                        const auto on4 = static_cast<std::uint16_t>(a.prefix & m4);
                        if (on4) reached.push_back(on4 | static_cast<std::uint16_t>(a.line << 10));
                    }
                    const int chests1234 = chests123 + t.chests[4][s4];
                    for (int s5 = 1; s5 <= kStops; ++s5) {
                        std::uint64_t win = three + scatterBets[chests1234 + t.chests[5][s5]];
                        for (std::uint16_t r : reached) {
                            const std::uint16_t on4 = r & (kMasks - 1);
                            const std::uint16_t m5 = t.mask[r >> 10][5][s5];
                            win += t.pay4[on4 & ~m5] + t.pay5[on4 & m5];
                        }
                        const int band = win > threshold ? ParTally::Controlled : ParTally::Stands;
                        ++tally.combinations[band];
                        tally.winBets[band] += win;
                        tally.hits[band] += win > 0;
                        ++tally.chests[chests1234 + t.chests[5][s5]][band];
                        tally.jackpotSymbols[band] += jolly;
                    }
                }
            }
}

void add(ParTally& into, const ParTally& from) {
    for (int band = 0; band < 2; ++band) {
        into.combinations[band] += from.combinations[band];
        into.winBets[band] += from.winBets[band];
        into.hits[band] += from.hits[band];
        into.jackpotSymbols[band] += from.jackpotSymbols[band];
        for (int chests = 0; chests <= 5; ++chests)
            into.chests[chests][band] += from.chests[chests][band];
    }
}

}  // namespace

ParTally enumerateNormalSpin(int lines) {
    static const Tables t = buildTables();
    // Two halves of reel 1's stops on two cores; the tallies are exact integers, so the
    // split changes nothing in the result.
    ParTally first, second;
    std::thread helper([&] { enumerateStops(t, lines, kStops / 2 + 1, kStops, second); });
    enumerateStops(t, lines, 1, kStops / 2, first);
    helper.join();
    add(first, second);
    return first;
}

ParSheet parSheet(const ParTally& tally, int lines, int machinepay) {
    ParSheet sheet;
    sheet.lines = lines;
    sheet.machinepay = machinepay;
    const double m = machinepay;
    const auto standing = [m](const std::uint64_t(&v)[2]) {
        return static_cast<double>(v[0]) + static_cast<double>(v[1]) / m;
    };
    const double all = static_cast<double>(tally.combinations[0] + tally.combinations[1]);
    const double weight = standing(tally.combinations);
    sheet.outcomes = 2 * (tally.combinations[0] + tally.combinations[1]);
    sheet.rawRtp = static_cast<double>(tally.winBets[0] + tally.winBets[1]) / all / lines;
    sheet.baseRtp = standing(tally.winBets) / weight / lines;
    sheet.hitFrequency = standing(tally.hits) / weight;
    for (int chests = 0; chests <= 5; ++chests)
        sheet.freespinsP[chests] = standing(tally.chests[chests]) / weight;
    // Reel 3's jolly roger counts on one of its two equally likely draws.
    sheet.jackpotFeatureP = standing(tally.jackpotSymbols) / weight / 2;

    // A free spin has the same standing distribution of wins and chests as a normal spin;
    // each retrigger adds 11, 16 or 21 spins, so the expected count is k / (1 - r).
    const double retrigger = engine::freeGamesFor(3, true) * sheet.freespinsP[3] +
                             engine::freeGamesFor(4, true) * sheet.freespinsP[4] +
                             engine::freeGamesFor(5, true) * sheet.freespinsP[5];
    const double awarded = engine::freeGamesFor(3, false) * sheet.freespinsP[3] +
                           engine::freeGamesFor(4, false) * sheet.freespinsP[4] +
                           engine::freeGamesFor(5, false) * sheet.freespinsP[5];
    sheet.freespinRtp = retrigger < 1 ? sheet.baseRtp * awarded / (1 - retrigger) : 0;

    double multiples = 0;
    for (int position = 1; position <= engine::kBoardPositions; ++position)
        multiples += engine::boardMultiple(engine::boardPosition(position).prize);
    sheet.jackpotMultipleRtp = sheet.jackpotFeatureP * multiples / engine::kBoardPositions;
    return sheet;
}

}  // namespace quorvel::sim
