// The game: the main screen on the real platform.
#include <QApplication>
#include <QIcon>

#include "app/icon_art.h"
#include "engine/strips.h"
#include "platform/qt/qt_platform.h"
#include "presentation/reel_pictures.h"
#include "screen/quorvel.h"

namespace {

using quorvel::platform::qt::AssetPictures;
using quorvel::platform::qt::PlaceholderPictures;

// Until the artwork exists, the reel strips show the names of their symbols.
void labelReelStrips(PlaceholderPictures& pictures) {
    for (int reel = 1; reel <= 5; ++reel) {
        std::vector<std::string> labels;
        for (int picture = 1; picture <= quorvel::presentation::kStripPictures; ++picture)
            labels.emplace_back(
                quorvel::engine::symbolName(quorvel::presentation::stripPicture(reel, picture)));
        pictures.setTileLabels("reel" + std::to_string(reel), std::move(labels));
    }
}

QIcon programIcon(AssetPictures& pictures) {
    const quorvel::platform::Picture picture{"icon", 0};
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addPixmap(pictures.has(picture) ? pictures.picture(picture, QSize(size, size))
                                             : QPixmap::fromImage(quorvel::app::drawIcon(size)));
    return icon;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("Quorvel");
    application.setDesktopFileName("org.quorvel.Quorvel");
    quorvel::platform::qt::QtPlatform platform(
        quorvel::platform::qt::findAssetFolder(QUORVEL_ASSET_DIR));
    if (!platform.claimSettingsFolder()) return 0;
    labelReelStrips(platform.placeholders);
    platform.windows.setIcon(programIcon(platform.pictures));
    quorvel::screen::Quorvel quorvel(platform.services());
    quorvel.Form_Load();
    const int code = application.exec();
    platform.showHeldReports();
    return code;
}
