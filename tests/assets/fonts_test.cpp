#include <gtest/gtest.h>

#include <QFontDatabase>
#include <string>

#include "gui_app.h"

namespace quorvel::assets_test {
namespace {

// The three faces the game's texts ask for, as the front end will embed them.
TEST(Fonts, TheCopiedFilesAreTheGamesThreeFaces) {
    ensureGuiApp();
    QStringList families;
    for (const char* file :
         {"ComicNeue-Bold.otf", "LiberationSerif-Bold.ttf", "LiberationSans-Bold.ttf"}) {
        const int id = QFontDatabase::addApplicationFont(
            QString::fromStdString(std::string(QUORVEL_ASSET_DIR) + "/fonts/" + file));
        ASSERT_GE(id, 0) << file;
        families += QFontDatabase::applicationFontFamilies(id);
    }
    EXPECT_TRUE(families.contains("Comic Neue"));
    EXPECT_TRUE(families.contains("Liberation Serif"));
    EXPECT_TRUE(families.contains("Liberation Sans"));
}

}  // namespace
}  // namespace quorvel::assets_test
