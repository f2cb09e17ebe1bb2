// The main screen on a screen with more device pixels than logical ones: run with the device
// pixel ratio as its argument (1.5, 2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cmath>
#include <cstdlib>

#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::MainScreen;
using quorvel::qt_tests::stripRow;

namespace {
double ratio = 1.0;
}

TEST(HiDpi, PicturesAreDrawnFromTheLargerFileAtTheirPhysicalSize) {
    MainScreen screen("QuorvelHiDpiTest");
    SceneView* view = screen.view;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    ASSERT_DOUBLE_EQ(view->devicePixelRatioF(), ratio);
    screen.el("reel3").move(0, -5625);  // strip row 375 at the window's top
    screen.platform.events.sleep(0);

    const QImage image = view->grab().toImage();
    EXPECT_EQ(image.width(), static_cast<int>(std::lround(803 * ratio)));
    const QRect window3 = view->widgetRect(screen.el("Picture3"));
    const int x = static_cast<int>((window3.left() + 60) * ratio);
    for (int logicalRow : {1, 200, 373}) {
        const int y = static_cast<int>(std::lround((window3.top() + logicalRow) * ratio));
        const QColor pixel = image.pixelColor(x, y);
        EXPECT_EQ(pixel.red(), 201) << "not the two-times file at row " << logicalRow;
        EXPECT_NEAR(stripRow(pixel), 375 + logicalRow, 1) << "row " << logicalRow;
    }
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* scale = argc > 1 ? argv[1] : "2";
    ratio = std::atof(scale);
    setenv("QT_SCALE_FACTOR", scale, 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
