#pragma once

#include <string>

#include "platform/event_loop.h"
#include "platform/qt/asset_pictures.h"
#include "platform/qt/pictures.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_timers.h"
#include "platform/qt/sdl_sound.h"
#include "platform/qt/window_binding.h"
#include "platform/services.h"
#include "platform/system_random.h"

namespace quorvel::platform::qt {

// Pending events run through Qt; a sleep first puts every changed element on screen.
class QtEventLoop : public EventLoop {
public:
    explicit QtEventLoop(QtWindowHost& host);
    void pump() override;
    void sleep(int ms) override;
    std::int64_t secondsSinceEpoch() const override;

private:
    QtWindowHost& host_;
};

// The whole real platform. Needs a QApplication to exist first.
class QtPlatform {
public:
    explicit QtPlatform(std::string assetDirectory, std::string organisation = "Quorvel");
    Services services();

    PlaceholderPictures placeholders;
    AssetPictures pictures;
    QtWindowHost windows{pictures};
    QtTimers timers;
    QtEventLoop events{windows};
    SdlSoundChannel sound;
    QtResources resources;
    QtSettingsStore store;
    QtMessageBoxes messages{windows};
    QtDisplay display{windows};
    QtLinks links;
    SystemRandom random;
};

}  // namespace quorvel::platform::qt
