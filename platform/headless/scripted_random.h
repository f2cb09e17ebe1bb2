#pragma once

#include <cstdint>
#include <deque>

#include "engine/random_source.h"
#include "platform/headless/virtual_time.h"
#include "platform/mixing_generator.h"

namespace quorvel::platform::headless {

// Seeded, so a run is the same for the same seed; the clock reseed mixes in virtual time.
// Queued values come out first, in the order the game draws; a reseed consumes none.
class ScriptedRandom : public engine::RandomSource {
public:
    ScriptedRandom(const VirtualTime& clock, std::uint64_t seed = 1)
        : clock_(clock), generator_(seed) {}
    double next() override;
    void reseedFromClock() override;

    void queue(double value) { queued_.push_back(value); }
    // Queues the value that makes Int(random * n) + 1 come out as `outcome`.
    void queueDraw(int outcome, int n) { queue((outcome - 0.5) / n); }
    bool queueEmpty() const { return queued_.empty(); }
    int draws() const { return draws_; }
    int reseeds() const { return reseeds_; }

private:
    const VirtualTime& clock_;
    MixingGenerator generator_;
    std::deque<double> queued_;
    int draws_ = 0;
    int reseeds_ = 0;
};

}  // namespace quorvel::platform::headless
