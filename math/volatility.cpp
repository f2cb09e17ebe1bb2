#include "math/volatility.h"

#include <cmath>

#include "math/spin_law.h"
#include "math/spin_tails.h"
#include "math/spin_total.h"

namespace quorvel::math {

Volatility volatility(const ParTally& tally, int lines, int machinepay) {
    const std::vector<SpinOutcome> outcomes = standingOutcomes(tally, lines, machinepay);
    Volatility v;
    const Moments total = spinTotalMoments(outcomes, lines);
    v.meanBets = total.mean / lines;
    v.sd = std::sqrt(total.variance) / lines;
    const Moments feature = featureLength(outcomes);
    v.featureSpinsMean = feature.mean;
    v.featureSpinsSd = std::sqrt(feature.variance);
    const Tails tails =
        spinTotalTails(outcomes, lines, {kTailThresholds.begin(), kTailThresholds.end()});
    for (std::size_t i = 0; i < kTailThresholds.size(); ++i)
        v.pAtLeast[i] = tails.pAtLeast[i];
    v.wrapBound = tails.wrapBound;
    return v;
}

}  // namespace quorvel::math
