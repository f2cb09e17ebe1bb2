#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

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

namespace {

// The real cabinet on the Qt platform with settings of its own, started with credit to play.
struct QtCabinet {
    explicit QtCabinet(int reelspeed = 1) {
        quorvel.Form_Load();
        quorvel::testing_support::arrangeCabinet(quorvel, [&](auto&, auto& v) {
            v.bank = 100000;
            v.reelspeed = static_cast<std::int16_t>(reelspeed);
        });
    }
    QTemporaryDir config;
    // The settings folder is set before the platform's store looks for it.
    bool configured = [this] {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, config.path());
        return true;
    }();
    TestAssets assets;
    QtPlatform platform{assets.path(), "QuorvelSpinTest"};
    quorvel::screen::Quorvel quorvel{platform.services()};
};

}  // namespace

TEST(SpinOnQt, TheSpinButtonLandsTheReelsOnTheDrawnStops) {
    QtCabinet cabinet;
    quorvel::screen::Quorvel& quorvel = cabinet.quorvel;
    SceneView* view = cabinet.platform.windows.mainView();
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

// A press on the turning reels lands them at once; a press on anything else waits for the
// landing and then reaches its handler, as it always did.
TEST(SpinOnQt, APressOnTheTurningReelsLandsThemAndOtherPressesWait) {
    QtCabinet cabinet(10);  // the slowest reels: over three seconds a spin
    quorvel::screen::Quorvel& quorvel = cabinet.quorvel;
    SceneView* view = cabinet.platform.windows.mainView();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    Window& window = quorvel.window();
    auto pressOn = [&](const char* name, int afterMs) {
        QTimer::singleShot(afterMs, view, [view, &window, name] {
            const QPoint centre = view->widgetRect(window.at(name)).center();
            QTest::mousePress(view, Qt::LeftButton, {}, centre);
            QTest::mouseRelease(view, Qt::LeftButton, {}, centre);
        });
    };
    auto spin = [&] {
        QElapsedTimer clock;
        clock.start();
        QTest::mouseClick(view, Qt::LeftButton, {},
                          view->widgetRect(window.at("btnspin")).center());
        return clock.elapsed();
    };

    pressOn("btnmute", 300);
    const qint64 full = spin();
    EXPECT_GT(full, 3000) << "a press on the mute key is no request to stop";
    EXPECT_TRUE(quorvel.muted()) << "it reached its handler once the reels had landed";

    const int games = quorvel.player().games;
    pressOn("Picture3", 300);
    const qint64 hurried = spin();
    EXPECT_LT(hurried * 2, full) << "landed soon after the press, not at the end of the spin";
    EXPECT_EQ(quorvel.player().games, games + 1);
    for (int reel = 1; reel <= 5; ++reel)
        EXPECT_EQ(window.at("reel" + std::to_string(reel)).top(),
                  quorvel::presentation::restOffset(quorvel.run().stop[reel]));
}
