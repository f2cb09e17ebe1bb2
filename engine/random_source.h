#pragma once

namespace quorvel::engine {

// What the rules draw from; the platform supplies it.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double next() = 0;
    // Mixes the clock into the current state; never restarts the sequence, so several
    // reseeds within one clock tick still give independent draws.
    virtual void reseedFromClock() = 0;
};

}  // namespace quorvel::engine
