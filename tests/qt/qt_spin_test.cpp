#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_platform.h"
#include "presentation/reel_pictures.h"
#include "qt_test_support.h"
#include "screen/quorvel.h"
#include "tests/arrange.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::drawnAt;
using quorvel::qt_tests::stripRow;
using quorvel::qt_tests::TestAssets;

TEST(SpinOnQt, TheSpinButtonLandsTheReelsOnTheDrawnStops) {
    QTemporaryDir config;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
    TestAssets assets;
    QtPlatform platform(assets.path(), "QuorvelSpinTest");
    quorvel::screen::Quorvel quorvel(platform.services());
    quorvel.Form_Load();
    quorvel::testing_support::arrangeCabinet(quorvel, [](auto&, auto& v) { v.bank = 100000; });
    SceneView* view = platform.windows.mainView();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    Window& window = quorvel.window();
    const int gamesBefore = quorvel.player().games;

    QTest::mouseClick(view, Qt::LeftButton, {}, view->widgetRect(window.at("btnspin")).center());
    ASSERT_EQ(quorvel.player().games, gamesBefore + 1) << "the click did not spin";

    const QImage image = view->grab().toImage();
    int checked = 0;
    for (int reel = 1; reel <= 5; ++reel) {
        const Element& reelWindow = window.at("Picture" + std::to_string(reel));
        const int rest = quorvel::presentation::restOffset(quorvel.run().stop[reel]);
        const int firstRow = -rest / 15;
        EXPECT_EQ(window.at("reel" + std::to_string(reel)).top(), rest);
        for (int y : {2, 180, 372}) {  // one row inside each of the three cells
            const QPoint scene = sceneRect(reelWindow).topLeft() + QPoint(60, y);
            const Element* top = drawnAt(window, scene);
            if (!top || top->name() != "reel" + std::to_string(reel)) continue;  // a win overlay
            EXPECT_EQ(stripRow(image.pixelColor(
                          view->transform().toWidget(QRect(scene, QSize(1, 1))).topLeft())),
                      firstRow + y)
                << "reel " << reel << " row " << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}
