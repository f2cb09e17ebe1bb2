#include "math/par_sheet.h"

#include <array>
#include <numeric>
#include <thread>
#include <vector>

#include "engine/jackpot_board.h"
#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "engine/strips.h"

namespace quorvel::math {
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

// Walks reels 1-3 in full and reels 4-5 only where a line is still alive: where no line
// reaches reel 4 (or 5) the win depends on the chest count alone, tallied in bulk.
class Enumerator {
public:
    Enumerator(const Tables& t, int lines, ParTally& tally) : t_(t), lines_(lines), tally_(tally) {
        for (int chests = 0; chests <= 5; ++chests)
            scatterBets_[chests] = engine::scatterMultiple(chests) * lines;
        for (int s5 = 1; s5 <= kStops; ++s5)
            ++fifthChests_[t.chests[5][s5]];
        for (int s4 = 1; s4 <= kStops; ++s4)
            for (int s5 = 1; s5 <= kStops; ++s5)
                ++lastTwoChests_[t.chests[4][s4] + t.chests[5][s5]];
    }

    void prefix(int s1, int s2, int s3) {
        active_.clear();
        for (int line = 1; line <= lines_; ++line) {
            const auto prefix = static_cast<std::uint16_t>(
                t_.mask[line][1][s1] & t_.mask[line][2][s2] & t_.mask[line][3][s3]);
            if (prefix) active_.push_back({line, prefix});
        }
        chests_ = t_.chests[1][s1] + t_.chests[2][s2] + t_.chests[3][s3];
        jolly_ = t_.jollyroger[1][s1] && t_.jollyroger[2][s2] && t_.jollyroger[3][s3];
        if (active_.empty()) {
            for (int more = 0; more <= 2; ++more)
                tally(scatterBets_[chests_ + more], chests_ + more, lastTwoChests_[more]);
            return;
        }
        for (int s4 = 1; s4 <= kStops; ++s4)
            reelFour(s4);
    }

private:
    void reelFour(int s4) {
        std::uint32_t three = 0;
        reached_.clear();
        for (const ActiveLine& a : active_) {
            const std::uint16_t m4 = t_.mask[a.line][4][s4];
            three += t_.pay3[a.prefix & ~m4];
            if (const auto on4 = static_cast<std::uint16_t>(a.prefix & m4))
                reached_.push_back({a.line, on4});
        }
        const int chests = chests_ + t_.chests[4][s4];
        if (reached_.empty()) {
            for (int more = 0; more <= 1; ++more)
                tally(three + scatterBets_[chests + more], chests + more, fifthChests_[more]);
            return;
        }
        for (int s5 = 1; s5 <= kStops; ++s5) {
            const int all = chests + t_.chests[5][s5];
            std::uint64_t win = three + scatterBets_[all];
            for (const ActiveLine& r : reached_) {
                const std::uint16_t m5 = t_.mask[r.line][5][s5];
                win += t_.pay4[r.prefix & ~m5] + t_.pay5[r.prefix & m5];
            }
            tally(win, all, 1);
        }
    }

    void tally(std::uint64_t win, int chests, std::uint64_t count) {
        const int band = win > 2ull * lines_ ? ParTally::Controlled : ParTally::Stands;
        tally_.combinations[band] += count;
        tally_.winBets[band] += win * count;
        tally_.hits[band] += win > 0 ? count : 0;
        tally_.chests[chests][band] += count;
        tally_.jackpotSymbols[band] += jolly_ ? count : 0;
        tally_.wins[tally_.winIndex(ParTally::chestClass(chests), jolly_, static_cast<int>(win))] +=
            count;
    }

    const Tables& t_;
    const int lines_;
    ParTally& tally_;
    std::array<std::uint32_t, 6> scatterBets_{};
    std::array<std::uint64_t, 2> fifthChests_{};
    std::array<std::uint64_t, 3> lastTwoChests_{};
    std::vector<ActiveLine> active_;
    std::vector<ActiveLine> reached_;  // the lines that carry their prefix on reel 4 too
    int chests_ = 0;
    bool jolly_ = false;
};

// Tallies the combinations whose reel 1 stop lies in [firstStop, lastStop].
void enumerateStops(const Tables& t, int lines, int firstStop, int lastStop, ParTally& tally) {
    Enumerator enumerator(t, lines, tally);
    for (int s1 = firstStop; s1 <= lastStop; ++s1)
        for (int s2 = 1; s2 <= kStops; ++s2)
            for (int s3 = 1; s3 <= kStops; ++s3)
                enumerator.prefix(s1, s2, s3);
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
    for (std::size_t i = 0; i < into.wins.size(); ++i)
        into.wins[i] += from.wins[i];
}

ParTally emptyTally(int lines) {
    ParTally tally;
    tally.winUnit = spinWinUnit(lines);
    tally.maxWin = maxSpinWin(lines);
    tally.wins.assign(
        2 * ParTally::kChestClasses * static_cast<std::size_t>(tally.maxWin / tally.winUnit + 1),
        0);
    return tally;
}

}  // namespace

int maxSpinWin(int lines) {
    int five = 0;
    for (int s = 0; s < engine::kPayingSymbols; ++s)
        five += engine::linePay(static_cast<Symbol>(s), 5);
    return lines * five + engine::scatterMultiple(5) * lines;
}

int spinWinUnit(int lines) {
    int unit = lines;
    for (int s = 0; s < engine::kPayingSymbols; ++s)
        for (int matching = 3; matching <= 5; ++matching)
            unit = std::gcd(unit, engine::linePay(static_cast<Symbol>(s), matching));
    return unit;
}

ParTally enumerateNormalSpin(int lines, int threads) {
    static const Tables t = buildTables();
    ParTally first = emptyTally(lines);
    if (threads < 2) {
        enumerateStops(t, lines, 1, kStops, first);
        return first;
    }
    // Two halves of reel 1's stops on two cores; the tallies are exact integers, so the
    // split changes nothing in the result.
    ParTally second = emptyTally(lines);
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
        multiples += engine::boardMultiple(engine::boardPrize(position));
    sheet.jackpotMultipleRtp = sheet.jackpotFeatureP * multiples / engine::kBoardPositions;
    return sheet;
}

}  // namespace quorvel::math
