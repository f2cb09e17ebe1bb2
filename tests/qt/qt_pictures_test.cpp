#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/qt/asset_pictures.h"
#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::PaintLog;
using quorvel::qt_tests::runEventsFor;
using quorvel::qt_tests::stripRow;
using quorvel::qt_tests::TestAssets;

TEST(AssetPictures, TheSmallestFileThatCoversTheSizeIsScaledDown) {
    TestAssets assets;
    PlaceholderPictures placeholders;
    AssetPictures pictures(assets.path(), placeholders);
    const Picture strip{"reel2", 0};
    EXPECT_TRUE(pictures.has(strip));
    QImage one = pictures.picture(strip, QSize(125, 3625)).toImage();
    EXPECT_EQ(one.pixelColor(10, 1000).red(), 200);
    EXPECT_EQ(stripRow(one.pixelColor(10, 1000)), 1000);
    QImage twice = pictures.picture(strip, QSize(250, 7250)).toImage();
    EXPECT_EQ(twice.pixelColor(10, 2001).red(), 201);
    EXPECT_EQ(stripRow(twice.pixelColor(10, 2001)), 1000);
    QImage between = pictures.picture(strip, QSize(188, 5438)).toImage();
    EXPECT_EQ(between.size(), QSize(188, 5438));
    EXPECT_EQ(between.pixelColor(10, 3000).red(), 201) << "scaled down, not up";
}

TEST(AssetPictures, AMissingFileFallsBackAndCardFramesLetTheFaceThrough) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("pictures/imagelistcards");
    QImage frame(100, 153, QImage::Format_RGB32);
    frame.fill(Qt::white);
    frame.setPixelColor(50, 5, Qt::red);
    frame.save(folder.path() + "/pictures/imagelistcards/12.png");
    frame.save(folder.path() + "/pictures/imagelistcards/3.png");
    PlaceholderPictures placeholders;
    AssetPictures pictures(folder.path().toStdString(), placeholders);

    const QImage reveal = pictures.picture({"imagelistcards", 12}, QSize(100, 153)).toImage();
    EXPECT_EQ(reveal.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(reveal.pixelColor(50, 5), QColor(Qt::red));
    const QImage face = pictures.picture({"imagelistcards", 3}, QSize(100, 153)).toImage();
    EXPECT_EQ(face.pixelColor(0, 0), QColor(Qt::white)) << "a card face keeps its white";

    EXPECT_FALSE(pictures.has({"btnspin", 0}));
    const QImage stand_in = pictures.picture({"btnspin", 0}, QSize(106, 54)).toImage();
    EXPECT_EQ(stand_in.size(), QSize(106, 54));
    EXPECT_EQ(stand_in.pixelColor(5, 5),
              placeholders.picture({"btnspin", 0}, QSize(106, 54)).toImage().pixelColor(5, 5));
}

TEST(AssetPictures, ARevealFrameLaidOverAFaceShowsTheFaceThroughItsWhite) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("pictures/imagelistcards");
    QImage face(100, 153, QImage::Format_RGB32);
    face.fill(Qt::blue);
    face.save(folder.path() + "/pictures/imagelistcards/2.png");
    QImage frame(100, 153, QImage::Format_RGB32);
    frame.fill(Qt::white);
    for (int y = 0; y < 153; ++y)
        frame.setPixelColor(90, y, Qt::darkYellow);
    frame.save(folder.path() + "/pictures/imagelistcards/17.png");
    PlaceholderPictures placeholders;
    AssetPictures pictures(folder.path().toStdString(), placeholders);
    const QImage shown =
        pictures.picture(Picture{"imagelistcards", 2, 17}, QSize(100, 153)).toImage();
    EXPECT_EQ(shown.pixelColor(10, 10), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(90, 10), QColor(Qt::darkYellow));
    const QImage plain = pictures.picture(Picture{"imagelistcards", 2}, QSize(100, 153)).toImage();
    EXPECT_EQ(plain.pixelColor(90, 10), QColor(Qt::blue)) << "the face alone is cached apart";
}

// The painted words follow the language in force: an open window shows the German picture at
// once, a picture without words stays the English one, and switching back brings English back.
TEST(AssetPictures, PicturesWithWordsFollowTheLanguageInForce) {
    QTemporaryDir folder;
    QDir(folder.path()).mkpath("pictures/de/linepics");
    QDir(folder.path()).mkpath("pictures/linepics");
    const auto save = [&](const QString& name, QColor colour) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(colour);
        image.save(folder.path() + "/pictures/" + name + ".png");
    };
    save("btnspin", Qt::blue);
    save("de/btnspin", Qt::red);
    save("linepics/3", Qt::blue);
    save("de/linepics/3", Qt::red);
    save("btnbet", Qt::green);
    QtPlatform platform(folder.path().toStdString(), "QuorvelPicturesTest");
    platform.text.setLanguage("en");
    Window window("w", 1500, 600);
    Element& key = window.add("key", 0, ElementKind::PictureBox);
    key.resize(600, 300);
    key.setPicture({"btnspin", 0});
    platform.windows.open(window);
    SceneView* view = platform.windows.binding(window)->view();
    runEventsFor(50);
    const auto shown = [&](const Picture& picture) {
        return platform.pictures.picture(picture, QSize(40, 20)).toImage().pixelColor(4, 4);
    };
    const auto onScreen = [&] {
        return view->grab().toImage().pixelColor(view->widgetRect(key).center());
    };
    EXPECT_EQ(shown({"btnspin", 0}), QColor(Qt::blue));
    EXPECT_EQ(onScreen(), QColor(Qt::blue));

    PaintLog log;
    view->installEventFilter(&log);
    platform.text.setLanguage("de");
    runEventsFor(50);
    EXPECT_TRUE(log.painted.contains(view->rect())) << "the whole window painted afresh";
    EXPECT_EQ(shown({"btnspin", 0}), QColor(Qt::red));
    EXPECT_EQ(shown({"linepics", 3}), QColor(Qt::red));
    EXPECT_EQ(shown({"btnbet", 0}), QColor(Qt::green)) << "no German twin: the English file";
    EXPECT_EQ(onScreen(), QColor(Qt::red));

    platform.text.setLanguage("en");
    EXPECT_EQ(shown({"btnspin", 0}), QColor(Qt::blue));
    EXPECT_EQ(shown({"linepics", 3}), QColor(Qt::blue));
    EXPECT_EQ(onScreen(), QColor(Qt::blue));
    view->removeEventFilter(&log);
    platform.windows.close(window);
}
