#include "platform/qt/qt_platform.h"

#include "platform/qt/asset_fonts.h"

#include <sys/prctl.h>

#include <QApplication>
#include <QCoreApplication>
#include <QWidget>
#include <chrono>
#include <thread>
#include <utility>

namespace quorvel::platform::qt {

void QtEventLoop::pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

QtEventLoop::QtEventLoop(QtWindowHost& host, QtTimers& timers) : host_(host), timers_(timers) {
    // The reel animation pauses 2 ms at a time; the default 50 us of timer slack per pause
    // would add up to a visible drag over a spin.
    prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

// The pause counts from the call, so the painting before it is part of it, not added to it.
void QtEventLoop::sleep(int ms) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    host_.paintNow();
    // Under a watch the player's presses are looked at as they come; the rest waits.
    if (busy_.watching()) QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::sleep_until(until);
}

void QtEventLoop::setInputWatch(InputWatch* watch) {
    timers_.hold(watch != nullptr);
    if (watch)
        busy_.begin(watch);
    else
        busy_.end();
}

std::int64_t QtEventLoop::secondsSinceEpoch() const {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

QtPlatform::QtPlatform(std::string assetDirectory, std::string organisation)
    : pictures(assetDirectory, placeholders),
      resources(std::move(assetDirectory)),
      store(std::move(organisation)) {
    loadAssetFonts(resources.folder());
    pictures.setLanguage(text.language());
    text.setOnChange([this] { languageChanged(); });
    store.setCatalogue(&text);
    messages.setCatalogue(&text);
    store.setReporter([this](const std::string& sentence) {
        if (windows.mainClosing())
            heldReports_.push_back(sentence);
        else
            messages.show("Slots_Quorvel", sentence, MessageIcon::Critical);
    });
}

void QtPlatform::languageChanged() {
    pictures.setLanguage(text.language());
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) window->update();
}

Services QtPlatform::services() {
    return Services{timers,  events, sound,  resources, store, messages,
                    display, links,  random, windows,   text};
}

}  // namespace quorvel::platform::qt

namespace quorvel::platform::qt {

void QtPlatform::showHeldReports() {
    for (const std::string& sentence : std::exchange(heldReports_, {}))
        messages.show("Slots_Quorvel", sentence, MessageIcon::Critical);
}

bool QtPlatform::claimSettingsFolder() {
    switch (folderLock.claim()) {
        case FolderLock::Claim::Held:
            folderLock.setOnKnock([this] { return windows.bringMainForward(); });
            return true;
        case FolderLock::Claim::Unavailable:
            return true;  // a folder that cannot be written is told when the store saves
        case FolderLock::Claim::HeldByAnother:
            break;
    }
    const bool answered = folderLock.knock();
    const std::string running =
        fillIn(text.translate("platform", "Quorvel is already running with the settings in %1.\r"),
               {store.folder()});
    messages.show("Slots_Quorvel",
                  running + (answered ? text.translate("platform",
                                                       "Its window has been brought to the front; "
                                                       "this copy closes.")
                                      : text.translate("platform",
                                                       "This copy closes; carry on in "
                                                       "the one already open.")),
                  MessageIcon::Information);
    return false;
}

}  // namespace quorvel::platform::qt
