#include "platform/headless/scripted_random.h"

namespace quorvel::platform::headless {

double ScriptedRandom::next() {
    ++draws_;
    if (!queued_.empty()) {
        double value = queued_.front();
        queued_.pop_front();
        return value;
    }
    return generator_.nextUnit();
}

void ScriptedRandom::reseedFromClock() {
    ++reseeds_;
    generator_.mix(static_cast<std::uint64_t>(clock_.now()));
}

}  // namespace quorvel::platform::headless
