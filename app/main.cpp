// The game: the main screen on the real platform.
#include <QApplication>

#include "engine/strips.h"
#include "platform/qt/qt_platform.h"
#include "screen/quorvel.h"

namespace {

// Until the artwork exists, the reel strips show the names of their symbols.
void labelReelStrips(quorvel::platform::qt::PlaceholderPictures& pictures) {
    for (int reel = 1; reel <= 5; ++reel) {
        std::vector<std::string> labels;
        for (int picture = 1; picture <= quorvel::engine::kStripPictures; ++picture)
            labels.emplace_back(
                quorvel::engine::symbolName(quorvel::engine::stripPicture(reel, picture)));
        pictures.setTileLabels("reel" + std::to_string(reel), std::move(labels));
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setApplicationName("Quorvel");
    quorvel::platform::qt::QtPlatform platform(QUORVEL_ASSET_DIR);
    labelReelStrips(platform.pictures);
    quorvel::screen::Quorvel quorvel(platform.services());
    quorvel.Form_Load();
    return application.exec();
}
