#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::platform {

// A WAVE file held in memory under its resource name. An empty one plays nothing.
struct SoundBuffer {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// One channel: every new sound cuts off the one playing. All calls return at once.
class SoundChannel {
public:
    virtual ~SoundChannel() = default;
    virtual void play(const SoundBuffer& sound) = 0;
    virtual void playLooped(const SoundBuffer& sound) = 0;
    virtual void stop() = 0;
    // Loudness of everything played from now on, and of the sound playing: 0 (silent) to 100.
    virtual void setVolume(int percent) = 0;
};

// Named resources shipped with the program, read into byte buffers.
class Resources {
public:
    virtual ~Resources() = default;
    // Empty when the resource is missing or unreadable.
    virtual std::vector<std::uint8_t> load(const std::string& name, const std::string& type) = 0;
};

}  // namespace quorvel::platform
