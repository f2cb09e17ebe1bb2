#include "platform/system_random.h"

#include <chrono>
#include <random>

namespace quorvel::platform {

SystemRandom::SystemRandom() : generator_(std::random_device{}()) {}

double SystemRandom::next() {
    return generator_.nextUnit();
}

void SystemRandom::reseedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    generator_.mix(static_cast<std::uint64_t>(ticks));
}

}  // namespace quorvel::platform
