#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::assets_test {

// What a test needs of a WAVE file, read chunk by chunk without trusting the writer.
struct WaveInfo {
    bool riff = false;
    bool hasFmt = false;
    bool hasData = false;
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<double> samples;  // in [-1, 1]
};

WaveInfo readWave(const std::string& path);
std::vector<std::uint8_t> fileBytes(const std::string& path);

}  // namespace quorvel::assets_test
