#pragma once

#include <string>
#include <vector>
#include "platform/catalogue/qt_catalogue.h"

#include "platform/event_loop.h"
#include "platform/qt/asset_pictures.h"
#include "platform/qt/busy_input.h"
#include "platform/qt/folder_lock.h"
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
    QtEventLoop(QtWindowHost& host, QtTimers& timers);
    void pump() override;
    void sleep(int ms) override;
    void setInputWatch(InputWatch* watch) override;
    std::int64_t secondsSinceEpoch() const override;

private:
    QtWindowHost& host_;
    QtTimers& timers_;
    BusyInput busy_;
};

// The whole real platform. Needs a QApplication to exist first.
class QtPlatform {
public:
    explicit QtPlatform(std::string assetDirectory, std::string organisation = "Quorvel");
    Services services();
    // Makes this copy the one game on its settings folder; must come before the first read of
    // the store. A copy started while another plays there asks that one to come forward,
    // tells the player and returns false: it must then end without touching the settings.
    bool claimSettingsFolder();
    // Shows what went wrong while the main screen closed, once it is gone.
    void showHeldReports();

    PlaceholderPictures placeholders;
    AssetPictures pictures;
    QtWindowHost windows{pictures};
    QtTimers timers;
    QtEventLoop events{windows, timers};
    SdlSoundChannel sound;
    QtResources resources;
    QtSettingsStore store;
    FolderLock folderLock{store.folder()};
    QtMessageBoxes messages{windows};
    QtDisplay display{windows};
    QtLinks links;
    SystemRandom random;
    QtCatalogue text;

private:
    // The pictures with words follow the language: every open window is painted afresh in it.
    void languageChanged();

    std::vector<std::string> heldReports_;
};

}  // namespace quorvel::platform::qt
