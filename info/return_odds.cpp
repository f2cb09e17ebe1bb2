#include "info/return_odds.h"

#include <map>
#include <memory>
#include <mutex>
#include <utility>

#include "math/volatility.h"

namespace quorvel::info {
namespace {

std::mutex& cacheLock() {
    static std::mutex lock;
    return lock;
}

}  // namespace

// The tally does not depend on the payout setting, so one pass serves every setting.
const math::ParTally& spinTally(int lines) {
    static std::map<int, std::unique_ptr<math::ParTally>> tallies;
    std::scoped_lock hold(cacheLock());
    auto& tally = tallies[lines];
    if (!tally) tally = std::make_unique<math::ParTally>(math::enumerateNormalSpin(lines));
    return *tally;
}

ReturnOdds returnOdds(int lines, int machinepay) {
    static std::map<std::pair<int, int>, ReturnOdds> known;
    {
        std::scoped_lock hold(cacheLock());
        if (auto it = known.find({lines, machinepay}); it != known.end()) return it->second;
    }
    const math::Volatility v = math::volatility(spinTally(lines), lines, machinepay);
    const ReturnOdds odds{v.meanBets, v.sd};
    std::scoped_lock hold(cacheLock());
    known[{lines, machinepay}] = odds;
    return odds;
}

}  // namespace quorvel::info
