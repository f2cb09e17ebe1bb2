#pragma once

#include "engine/random_source.h"
#include "platform/display.h"
#include "platform/event_loop.h"
#include "platform/links.h"
#include "platform/message_boxes.h"
#include "platform/settings_store.h"
#include "platform/sound.h"
#include "platform/text_catalogue.h"
#include "platform/timers.h"
#include "platform/window_host.h"

namespace quorvel::platform {

// Everything the game needs of its platform, handed to each screen through its constructor.
struct Services {
    Timers& timers;
    EventLoop& events;
    SoundChannel& sound;
    Resources& resources;
    SettingsStore& store;
    MessageBoxes& messages;
    Display& display;
    Links& links;
    engine::RandomSource& random;
    WindowHost& windows;
    TextCatalogue& text;
};

}  // namespace quorvel::platform
