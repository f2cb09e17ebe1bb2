#include "platform/qt/sdl_sound.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <QMetaObject>
#include <algorithm>
#include <atomic>

namespace quorvel::platform::qt {
namespace {

// The mixer's callback takes no context; there is one channel object per run.
std::atomic<SdlSoundChannel*> current{nullptr};

}  // namespace

SdlSoundChannel::SdlSoundChannel() {
    // SDL would otherwise swallow SIGINT and SIGTERM, and the game could not be stopped.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    Mix_Volume(0, volume_ * MIX_MAX_VOLUME / 100);
    current = this;
    Mix_ChannelFinished(&SdlSoundChannel::channelFinished);
    ready_ = true;
}

SdlSoundChannel::~SdlSoundChannel() {
    if (!ready_) return;
    Mix_ChannelFinished(nullptr);
    current = nullptr;
    Mix_HaltChannel(-1);
    for (auto& [key, chunk] : chunks_)
        if (chunk) Mix_FreeChunk(chunk);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Called on the mixer's thread (or inside a halt): only queues, never runs game code here.
void SdlSoundChannel::channelFinished(int) {
    SdlSoundChannel* channel = current.load();
    if (!channel) return;
    QMetaObject::invokeMethod(
        &channel->receiver_,
        [channel] {
            if (channel->finished_) channel->finished_();
        },
        Qt::QueuedConnection);
}

Mix_Chunk* SdlSoundChannel::chunkFor(const SoundBuffer& sound) {
    const auto key =
        std::make_pair(static_cast<const void*>(sound.bytes.data()), sound.bytes.size());
    auto it = chunks_.find(key);
    if (it != chunks_.end()) return it->second;
    SDL_RWops* source =
        SDL_RWFromConstMem(sound.bytes.data(), static_cast<int>(sound.bytes.size()));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    chunks_[key] = chunk;  // an unplayable buffer is remembered as silent
    return chunk;
}

void SdlSoundChannel::start(const SoundBuffer& sound, int loops) {
    if (!ready_) return;
    Mix_HaltChannel(0);  // one channel: the new sound cuts off the old, even a silent one
    if (sound.bytes.empty()) return;
    if (Mix_Chunk* chunk = chunkFor(sound)) Mix_PlayChannel(0, chunk, loops);
}

bool SdlSoundChannel::playing() const {
    return ready_ && Mix_Playing(0) != 0;
}

void SdlSoundChannel::setVolume(int percent) {
    volume_ = std::clamp(percent, 0, 100);
    if (ready_) Mix_Volume(0, volume_ * MIX_MAX_VOLUME / 100);
}

void SdlSoundChannel::stop() {
    if (ready_) Mix_HaltChannel(0);
}

}  // namespace quorvel::platform::qt
