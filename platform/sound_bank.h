#pragma once

#include <map>
#include <span>
#include <string>

#include "platform/sound.h"

namespace quorvel::platform {

// The program's recordings, loaded once by resource name and kept until the end.
class SoundBank {
public:
    // Loads each named WAVE resource in the order given; a missing one stays empty.
    void load(Resources& resources, std::span<const char* const> names);
    // The buffer of that name; an unknown name gives an empty buffer, which plays nothing.
    const SoundBuffer& get(const std::string& name) const;
    std::size_t size() const { return buffers_.size(); }

private:
    std::map<std::string, SoundBuffer> buffers_;
    SoundBuffer silence_;
};

}  // namespace quorvel::platform
