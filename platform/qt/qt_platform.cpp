#include "platform/qt/qt_platform.h"

#include <QCoreApplication>
#include <chrono>
#include <thread>

namespace quorvel::platform::qt {

void QtEventLoop::pump() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventLoop::sleep(int ms) {
    host_.paintNow();
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

QtPlatform::QtPlatform(std::string assetDirectory, std::string organisation)
    : pictures(assetDirectory, placeholders),
      resources(std::move(assetDirectory)),
      store(std::move(organisation)) {
    store.setReporter([this](const std::string& sentence) {
        messages.show("Slots_Quorvel", sentence, MessageIcon::Critical);
    });
}

Services QtPlatform::services() {
    return Services{timers,   events,  sound, resources, store,
                    messages, display, links, random,    windows};
}

}  // namespace quorvel::platform::qt
