// The game: the main screen on the real platform.
#include <QApplication>

#include "platform/qt/qt_platform.h"
#include "screen/quorvel.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("Quorvel");
    quorvel::platform::qt::QtPlatform platform(QUORVEL_ASSET_DIR);
    quorvel::screen::Quorvel quorvel(platform.services());
    platform.windows.open(quorvel.window());
    return application.exec();
}
