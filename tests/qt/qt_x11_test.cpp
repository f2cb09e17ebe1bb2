// The cabinet on a real X server (run under xvfb-run): reel steps drawn by the server from the
// strips it holds must show exactly what painting them would have shown.
#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <QtGui/qguiapplication_platform.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <vector>

#include "presentation/reel_pictures.h"
#include "qt_test_support.h"
#include "tests/arrange.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::drawnAt;
using quorvel::qt_tests::MainScreen;
using quorvel::qt_tests::runEventsFor;
using quorvel::qt_tests::stripRow;

namespace {

double ratio = 1.0;  // device pixels per logical pixel, from the command line
// A strip drawn from the two-times file at a ratio between may show a neighbouring row.
int rowTolerance() {
    return ratio == 1.0 || ratio == 2.0 ? 0 : 1;
}
// Window sizes whose device pixels fit the test server's 1920 x 1280 screen.
std::vector<QSize> sizesOnScreen() {
    std::vector<QSize> sizes;
    for (QSize size : {QSize(803, 602), QSize(1606, 1204)})
        if (size.width() * ratio <= 1920 && size.height() * ratio <= 1280) sizes.push_back(size);
    return sizes;
}

// Settings written to a folder of the test's own, set before the game reads them.
struct TemporaryConfig {
    TemporaryConfig() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    }
    QTemporaryDir dir;
};

class CabinetOnX : public testing::Test, protected TemporaryConfig, protected MainScreen {
protected:
    CabinetOnX() : MainScreen("QuorvelX11Test", Start::FormLoad) {
        quorvel::testing_support::arrangeCabinet(quorvel, [](auto&, auto& v) { v.bank = 100000; });
    }
    // At a window size, exposed, with the strips handed to the server.
    void showAt(QSize size) {
        view->move(0, 0);  // all of it on the screen, where the server can read it back
        view->resize(size);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->size() == size; }));
        runEventsFor(300);
    }
    // What the X server shows in the window, read straight back from it: no event is run
    // meanwhile, so the backing store cannot catch up first.
    QImage onScreen() {
        xcb_connection_t* c =
            qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        const auto window = static_cast<xcb_window_t>(view->winId());
        auto* geometry = xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr);
        if (!geometry) return {};
        const QSize size(geometry->width, geometry->height);
        std::free(geometry);
        auto* reply =
            xcb_get_image_reply(c,
                                xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                              static_cast<std::uint16_t>(size.width()),
                                              static_cast<std::uint16_t>(size.height()), ~0u),
                                nullptr);
        if (!reply) return {};
        QImage image(size, QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(xcb_get_image_data(reply));
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, pixels[y * size.width() + x] | 0xff000000u);
        std::free(reply);
        return image;
    }
    // The strip row shown at scene row `y` of a reel window, in a picture of the window in
    // device pixels.
    int rowShown(const QImage& image, int reel, int y) {
        const QRect window = view->widgetRect(el("Picture" + std::to_string(reel)));
        const QPointF point(window.left() + window.width() / 2.0,
                            window.top() + y * view->transform().scale());
        return stripRow(image.pixelColor((point * ratio).toPoint()));
    }
    // Checks the strip rows the server shows against the drawn stops; how many it checked.
    int expectReelsAtRest(const QImage& image) {
        int checked = 0;
        for (int reel = 1; reel <= 5; ++reel) {
            const std::string name = "reel" + std::to_string(reel);
            const int stop = quorvel::presentation::restOffset(quorvel.run().stop[reel]);
            EXPECT_EQ(el(name).top(), stop);
            for (int y : {2, 187, 372}) {
                const QRect window = sceneRect(el("Picture" + std::to_string(reel)));
                const Element* top = drawnAt(quorvel.window(), window.topLeft() + QPoint(62, y));
                if (!top || top->name() != name) continue;  // a win highlight over the cell
                EXPECT_NEAR(rowShown(image, reel, y), -stop / 15 + y, rowTolerance())
                    << "reel " << reel << " row " << y;
                ++checked;
            }
        }
        return checked;
    }
    QRect reelOnDevice(int reel) {
        return deviceAligned(QRectF(view->widgetRect(el("Picture" + std::to_string(reel)))), ratio);
    }
};

}  // namespace

TEST_F(CabinetOnX, ReelStepsAreDrawnByTheServerAsPaintingWouldDrawThem) {
    int pass = 0;
    for (QSize size : sizesOnScreen()) {
        showAt(size);
        const int first = ++pass;  // a new place on each pass, or nothing would move
        for (int reel = 1; reel <= 5; ++reel)
            el("reel" + std::to_string(reel)).move(0, -1875 * (reel * 3 + first));
        platform.events.sleep(0);
        ASSERT_FALSE(view->drawnPastBackingStore().isEmpty())
            << "the step was painted, not drawn by the server, at " << size.width();
        const QImage drawn = onScreen();
        for (int reel = 1; reel <= 5; ++reel)
            for (int y : {0, 187, 374})
                EXPECT_NEAR(rowShown(drawn, reel, y), 375 * reel + 125 * first + y, rowTolerance())
                    << "reel " << reel << " row " << y << " at " << size.width();

        // The backing store catches up unseen: the screen stays as it was, and a paint of
        // the window now gives the same pixels.
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->drawnPastBackingStore().isEmpty(); }));
        EXPECT_EQ(onScreen(), drawn);
        const QImage painted = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int reel = 1; reel <= 5; ++reel)
            EXPECT_EQ(painted.copy(reelOnDevice(reel)), drawn.copy(reelOnDevice(reel)))
                << "reel " << reel;
    }
}

TEST_F(CabinetOnX, ASpinOnTheServerLandsEveryReelOnItsDrawnStop) {
    showAt(sizesOnScreen().back());
    QTest::mouseClick(view, Qt::LeftButton, {}, view->widgetRect(el("btnspin")).center());
    ASSERT_EQ(quorvel.player().games, 1) << "the click did not spin";
    EXPECT_GT(expectReelsAtRest(onScreen()), 0);
}

// Landed at once by a second space bar, with the sound off (nothing sleeps after the landing),
// the reels show their stops on the server, not where the press found them.
TEST_F(CabinetOnX, AQuickStoppedSpinShowsEveryReelAtRest) {
    quorvel::testing_support::arrangeCabinet(quorvel, [](auto&, auto& v) { v.reelspeed = 10; });
    showAt(sizesOnScreen().back());
    for (int pressMs : {300, 900}) {
        QTimer::singleShot(pressMs, view, [this] { QTest::keyClick(view, Qt::Key_Space); });
        QElapsedTimer clock;
        clock.start();
        QTest::keyClick(view, Qt::Key_Space);
        ASSERT_LT(clock.elapsed(), 2500) << "the second space did not land the reels";
        runEventsFor(200);
        // The draw is the system's: a big win's celebration or the jackpot board may lie over
        // every cell, and then only the reels' places are checked.
        if (expectReelsAtRest(onScreen()) == 0) {
            EXPECT_TRUE(quorvel.celebration().running() || el("jackpotframe").shown())
                << "no cell of the reels shows, pressed at " << pressMs << " ms";
        }
    }
}

// Takes the device pixel ratio to run at as its argument (1 when none).
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1) {
        ratio = std::atof(argv[1]);
        setenv("QT_SCALE_FACTOR", argv[1], 1);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
