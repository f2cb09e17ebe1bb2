#pragma once

#include <cstdint>

namespace quorvel::platform {

// xoshiro256** with a reseed that stirs entropy into the running state instead of
// replacing it, so reseeding twice with the same clock value still moves on.
class MixingGenerator {
public:
    explicit MixingGenerator(std::uint64_t seed = 0x5157u);
    void seed(std::uint64_t seed);
    void mix(std::uint64_t entropy);
    std::uint64_t nextBits();
    // Uniform in [0, 1) with 53 bits of precision.
    double nextUnit();

private:
    std::uint64_t s_[4];
};

}  // namespace quorvel::platform
