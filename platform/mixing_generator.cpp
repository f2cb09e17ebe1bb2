#include "platform/mixing_generator.h"

namespace quorvel::platform {
namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

}  // namespace

MixingGenerator::MixingGenerator(std::uint64_t seedValue) {
    seed(seedValue);
}

void MixingGenerator::seed(std::uint64_t seedValue) {
    for (auto& word : s_)
        word = splitmix(seedValue);
}

void MixingGenerator::mix(std::uint64_t entropy) {
    std::uint64_t x = entropy ^ nextBits();
    for (auto& word : s_)
        word ^= splitmix(x);
    if ((s_[0] | s_[1] | s_[2] | s_[3]) == 0) s_[0] = 1;  // the all-zero state is a fixed point
}

std::uint64_t MixingGenerator::nextBits() {
    const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return result;
}

double MixingGenerator::nextUnit() {
    return static_cast<double>(nextBits() >> 11) * 0x1.0p-53;
}

}  // namespace quorvel::platform
