#pragma once

#include <QObject>
#include <functional>
#include <map>
#include <utility>

#include "platform/sound.h"

struct Mix_Chunk;

namespace quorvel::platform::qt {

// One SDL2_mixer channel; WAVE buffers are decoded once, on first play. Without an audio
// device the channel stays silent. What the mixer reports on its own thread is passed to the
// user-interface thread through the Qt event queue.
class SdlSoundChannel : public SoundChannel {
public:
    SdlSoundChannel();
    ~SdlSoundChannel() override;
    SdlSoundChannel(const SdlSoundChannel&) = delete;
    SdlSoundChannel& operator=(const SdlSoundChannel&) = delete;

    void play(const SoundBuffer& sound) override { start(sound, 0); }
    void playLooped(const SoundBuffer& sound) override { start(sound, -1); }
    void stop() override;
    void setVolume(int percent) override;
    bool ready() const { return ready_; }
    // Whether the channel is sounding right now.
    bool playing() const;
    // Runs on the user-interface thread after a sound ends, however it ended.
    void setFinishedHandler(std::function<void()> handler) { finished_ = std::move(handler); }

private:
    static void channelFinished(int channel);
    void start(const SoundBuffer& sound, int loops);
    Mix_Chunk* chunkFor(const SoundBuffer& sound);

    bool ready_ = false;
    int volume_ = 100;
    std::map<std::pair<const void*, std::size_t>, Mix_Chunk*> chunks_;
    std::function<void()> finished_;
    QObject receiver_;
};

}  // namespace quorvel::platform::qt
