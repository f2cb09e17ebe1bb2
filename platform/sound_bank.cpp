#include "platform/sound_bank.h"

namespace quorvel::platform {

void SoundBank::load(Resources& resources, std::span<const char* const> names) {
    for (const char* name : names)
        buffers_[name] = SoundBuffer{name, resources.load(name, "WAVE")};
}

const SoundBuffer& SoundBank::get(const std::string& name) const {
    auto it = buffers_.find(name);
    return it == buffers_.end() ? silence_ : it->second;
}

}  // namespace quorvel::platform
