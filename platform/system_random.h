#pragma once

#include "platform/mixing_generator.h"
#include "platform/random_source.h"

namespace quorvel::platform {

// The real game's random source: reseeds from the system's high-resolution clock.
class SystemRandom : public RandomSource {
public:
    SystemRandom();
    double next() override;
    void reseedFromClock() override;

private:
    MixingGenerator generator_;
};

}  // namespace quorvel::platform
