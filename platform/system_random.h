#pragma once

#include "engine/random_source.h"
#include "platform/mixing_generator.h"

namespace quorvel::platform {

// The real game's random source: reseeds from the system's high-resolution clock.
class SystemRandom : public engine::RandomSource {
public:
    SystemRandom();
    double next() override;
    void reseedFromClock() override;

private:
    MixingGenerator generator_;
};

}  // namespace quorvel::platform
