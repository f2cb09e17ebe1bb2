#include "tools/soundgen/wave_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace quorvel::soundgen {
namespace {

void put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xff));
}

std::int32_t quantise(float sample, int bits) {
    const float scale = bits == 8 ? 127.0f : 32767.0f;
    return static_cast<std::int32_t>(std::lround(std::clamp(sample, -1.0f, 1.0f) * scale));
}

}  // namespace

bool writeWave(const std::string& path, const std::vector<float>& samples, int rate, int bits) {
    std::ofstream out(path, std::ios::binary);
    if (!out) return false;
    const auto bytesPerSample = static_cast<std::uint32_t>(bits / 8);
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    const auto padded = dataBytes + (dataBytes & 1u);
    out.write("RIFF", 4);
    put(out, 4 + 8 + 16 + 8 + padded, 4);
    out.write("WAVEfmt ", 8);
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, static_cast<std::uint32_t>(rate), 4);
    put(out, static_cast<std::uint32_t>(rate) * bytesPerSample, 4);
    put(out, bytesPerSample, 2);
    put(out, static_cast<std::uint32_t>(bits), 2);
    out.write("data", 4);
    put(out, dataBytes, 4);
    for (float s : samples) {
        const auto q = quantise(s, bits);
        // 8-bit WAVE is unsigned with silence at 128.
        put(out, bits == 8 ? static_cast<std::uint32_t>(q + 128) : static_cast<std::uint32_t>(q),
            static_cast<int>(bytesPerSample));
    }
    if (padded != dataBytes) out.put(0);
    return static_cast<bool>(out);
}

}  // namespace quorvel::soundgen
