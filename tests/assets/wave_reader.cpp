#include "wave_reader.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace quorvel::assets_test {
namespace {

std::uint32_t le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

void readSamples(WaveInfo& info, const std::vector<std::uint8_t>& b, std::size_t at,
                 std::size_t size) {
    if (info.bits == 8) {
        for (std::size_t i = 0; i < size; ++i)
            info.samples.push_back((b[at + i] - 128) / 128.0);
    } else if (info.bits == 16) {
        for (std::size_t i = 0; i + 1 < size; i += 2)
            info.samples.push_back(static_cast<std::int16_t>(le(b, at + i, 2)) / 32768.0);
    }
}

}  // namespace

std::vector<std::uint8_t> fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

WaveInfo readWave(const std::string& path) {
    WaveInfo info;
    const auto b = fileBytes(path);
    if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) || std::memcmp(b.data() + 8, "WAVE", 4))
        return info;
    info.riff = true;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(reinterpret_cast<const char*>(b.data() + at), 4);
        const std::size_t size = le(b, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > b.size()) break;
        if (id == "fmt " && size >= 16) {
            info.hasFmt = true;
            info.format = static_cast<int>(le(b, body, 2));
            info.channels = static_cast<int>(le(b, body + 2, 2));
            info.rate = static_cast<int>(le(b, body + 4, 4));
            info.bits = static_cast<int>(le(b, body + 14, 2));
        } else if (id == "data" && info.hasFmt) {
            info.hasData = true;
            readSamples(info, b, body, size);
        }
        at = body + size + (size & 1);
    }
    return info;
}

}  // namespace quorvel::assets_test
