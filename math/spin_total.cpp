#include "math/spin_total.h"

#include <cmath>
#include <numeric>
#include <stdexcept>

namespace quorvel::math {
namespace {

// One free spin and every spin it retriggers, each spin worth `value` (its win, or 1 to
// count spins). The family Y of a free spin is its own value v plus the independent families
// of the k spins it adds, so E[Y] = E[v] / (1 - E[k]) and, squaring and taking expectations,
// E[Y^2] = (E[v^2] + 2 E[Y] E[vk] + E[k(k-1)] E[Y]^2) / (1 - E[k]).
struct Family {
    double mean = 0;
    double second = 0;
    double variance() const { return second - mean * mean; }
};

template <typename Value>
Family familyOf(const std::vector<SpinOutcome>& outcomes, Value value) {
    double v = 0, vv = 0, k = 0, kk1 = 0, vk = 0;
    for (const SpinOutcome& o : outcomes) {
        const double x = value(o);
        const double added = freeGamesOf(o.spinClass, true);
        v += o.p * x;
        vv += o.p * x * x;
        k += o.p * added;
        kk1 += o.p * added * (added - 1);
        vk += o.p * x * added;
    }
    if (k >= 1) throw std::domain_error("free spins would never end");
    Family family;
    family.mean = v / (1 - k);
    family.second = (vv + 2 * family.mean * vk + kk1 * family.mean * family.mean) / (1 - k);
    return family;
}

// A feature of n spins is n independent families.
Family featureOf(const Family& one, int n) {
    return {n * one.mean, n * one.variance() + n * n * one.mean * one.mean};
}

}  // namespace

Moments spinTotalMoments(const std::vector<SpinOutcome>& outcomes, int lines) {
    const Family wins = familyOf(outcomes, [](const SpinOutcome& o) { return double(o.win); });
    const std::vector<int> multiples = boardMultiples();
    const double positions = static_cast<double>(multiples.size());
    Family board;  // in bets per line, drawn independently of the spin
    for (int multiple : multiples) {
        board.mean += multiple * lines / positions;
        board.second += std::pow(multiple * lines, 2) / positions;
    }
    double first = 0, second = 0;
    for (const SpinOutcome& o : outcomes) {
        const Family feature = featureOf(wins, freeGamesOf(o.spinClass, false));
        const bool jackpot = jackpotOf(o.spinClass);
        const double extra = feature.mean + (jackpot ? board.mean : 0);
        const double extraSecond =
            feature.second + (jackpot ? board.second + 2 * feature.mean * board.mean : 0);
        first += o.p * (o.win + extra);
        second += o.p * (double(o.win) * o.win + 2 * o.win * extra + extraSecond);
    }
    return {first, second - first * first};
}

Moments featureLength(const std::vector<SpinOutcome>& outcomes) {
    const Family spins = familyOf(outcomes, [](const SpinOutcome&) { return 1.0; });
    double triggers = 0, n = 0, nn = 0;
    for (const SpinOutcome& o : outcomes) {
        const int awarded = freeGamesOf(o.spinClass, false);
        if (awarded == 0) continue;
        triggers += o.p;
        n += o.p * awarded;
        nn += o.p * awarded * awarded;
    }
    if (triggers == 0) return {};
    n /= triggers;
    nn /= triggers;
    // A random number of independent families: the variance within plus that of the count.
    return {n * spins.mean, n * spins.variance() + (nn - n * n) * spins.mean * spins.mean};
}

}  // namespace quorvel::math
