#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTemporaryDir>

#include "platform/qt/asset_fonts.h"

using quorvel::platform::qt::loadAssetFonts;

TEST(AssetFonts, TheFontFolderIsLoadedAndStandsInForTheDesignFaces) {
    const QString comic = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf";
    if (!QFile::exists(comic)) GTEST_SKIP() << "fonts-comic-neue is not installed";
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("fonts");
    ASSERT_TRUE(QFile::copy(comic, folder.path() + "/fonts/ComicNeue-Bold.otf"));
    QFile(folder.path() + "/fonts/notes.txt").open(QIODevice::WriteOnly);

    EXPECT_EQ(loadAssetFonts(folder.path().toStdString()), 1);
    EXPECT_TRUE(QFontDatabase::families().contains("Comic Neue"));
    EXPECT_EQ(QFontInfo(QFont("Comic Sans MS")).family(), "Comic Neue");
    EXPECT_EQ(loadAssetFonts("/nonexistent"), 0);
}
