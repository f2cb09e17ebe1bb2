#pragma once

#include <map>
#include <utility>

#include "platform/sound.h"

struct Mix_Chunk;

namespace quorvel::platform::qt {

// One SDL2_mixer channel; WAVE buffers are decoded once, on first play.
class SdlSoundChannel : public SoundChannel {
public:
    SdlSoundChannel();
    ~SdlSoundChannel() override;
    SdlSoundChannel(const SdlSoundChannel&) = delete;
    SdlSoundChannel& operator=(const SdlSoundChannel&) = delete;

    void play(const SoundBuffer& sound) override { start(sound, 0); }
    void playLooped(const SoundBuffer& sound) override { start(sound, -1); }
    void stop() override;
    bool ready() const { return ready_; }
    // Whether the channel is sounding right now.
    bool playing() const;

private:
    void start(const SoundBuffer& sound, int loops);
    Mix_Chunk* chunkFor(const SoundBuffer& sound);

    bool ready_ = false;
    std::map<std::pair<const void*, std::size_t>, Mix_Chunk*> chunks_;
};

}  // namespace quorvel::platform::qt
