// The main screen on a screen with more device pixels than logical ones: run with the device
// pixel ratio as its argument (1.5, 2).
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <cmath>
#include <cstdlib>

#include "platform/qt/scene_geometry.h"
#include "platform/qt/window_fit.h"
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
    view->resize(view->sceneSize());    // the design's size, whatever the screen left room for
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

// On a 1920 x 1200 screen at this scale the main screen opens whole on the screen, in the
// design's proportions, and its windows over it too; full size wherever that fits.
TEST(HiDpi, TheWindowsOpenInsideTheScreensFreeArea) {
    MainScreen screen("QuorvelHiDpiFitTest", MainScreen::Start::FormLoad);
    SceneView* view = screen.view;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    const QRect available = view->screen()->availableGeometry();
    const QSize design = view->sceneSize();
    // Whole on the screen, and with room for the title bar a window manager would add.
    auto inside = [&](const QWidget& window) {
        return available.contains(window.frameGeometry()) &&
               window.height() + kExpectedFrame.top() + kExpectedFrame.bottom() <=
                   available.height();
    };
    EXPECT_TRUE(inside(*view)) << "available " << available.height() << ", window "
                               << view->height();
    EXPECT_NEAR(double(view->width()) / view->height(), double(design.width()) / design.height(),
                0.01);
    const bool designFits = design.grownBy(kExpectedFrame).height() <= available.height();
    EXPECT_EQ(view->size() == design, designFits);

    screen.quorvel.mnuviewpaytable_Click();
    SceneView* pays =
        screen.platform.windows.binding(screen.quorvel.childWindow()->window())->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pays));
    EXPECT_TRUE(inside(*pays));
    EXPECT_NEAR(pays->transform().scale(), view->transform().scale(), 0.01) << "as the main screen";
}

// The volume bar and its mute key lie whole inside the cabinet's gold frame (three pixels
// round its 800 x 600 artwork), so none of it is cut off at the window's edge.
TEST(HiDpi, TheVolumeBarLiesInsideTheCabinet) {
    MainScreen screen("QuorvelHiDpiVolumeTest");
    SceneView* view = screen.view;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    const SceneTransform t = view->transform();
    const QRect cabinet = deviceAligned(t.toWidgetF(QRectF(3, 3, 794, 594)), ratio);
    const QRect window(QPoint(0, 0), view->size() * ratio);
    for (const char* name : {"volumebar", "btnmute"}) {
        const QRect shown = deviceAligned(t.toWidgetF(QRectF(sceneRect(screen.el(name)))), ratio);
        EXPECT_TRUE(cabinet.contains(shown) && window.contains(shown))
            << name << " at " << shown.right() << "," << shown.bottom() << " past "
            << cabinet.right() << "," << cabinet.bottom();
    }
}

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const char* scale = argc > 1 ? argv[1] : "2";
    ratio = std::atof(scale);
    setenv("QT_SCALE_FACTOR", scale, 1);
    quorvel::qt_tests::useDesktopSizedOffscreenScreen();
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
