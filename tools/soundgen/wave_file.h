#pragma once

#include <string>
#include <vector>

namespace quorvel::soundgen {

// Writes samples in [-1, 1] as a mono PCM WAVE file of 8 (unsigned) or 16 (signed) bits.
bool writeWave(const std::string& path, const std::vector<float>& samples, int rate, int bits);

}  // namespace quorvel::soundgen
