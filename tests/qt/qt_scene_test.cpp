#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"
#include "screen/quorvel.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::MainScreen;
using quorvel::qt_tests::PaintLog;
using quorvel::qt_tests::stripRow;
using quorvel::qt_tests::TestAssets;

namespace {

class MainScreenOnQt : public testing::Test, protected MainScreen {
protected:
    MainScreenOnQt() : MainScreen("QuorvelSceneTest") {
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
    }

    Window& window() { return quorvel.window(); }
    QImage frame() { return view->grab().toImage(); }
    QPoint centreOf(const char* name) { return view->widgetRect(el(name)).center(); }
};

}  // namespace

TEST_F(MainScreenOnQt, ElementsSitAtTheirPlacesAtTwoWindowSizes) {
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->size(), QSize(803, 602));
    EXPECT_EQ(view->windowTitle(), "Slots_Quorvel");
    EXPECT_EQ(view->widgetRect(el("Picture3")), QRect(340, 49, 125, 375));
    EXPECT_EQ(view->widgetRect(el("btnspin")), QRect(394, 521, 106, 54));

    view->resize(1606, 1204);
    EXPECT_EQ(view->widgetRect(el("Picture3")), QRect(680, 98, 250, 750));
    EXPECT_EQ(view->widgetRect(el("btnspin")), QRect(788, 1042, 212, 108));

    // A wider window keeps the proportions and centres the scene between black bars.
    view->resize(1003, 602);
    EXPECT_EQ(view->widgetRect(el("Picture3")), QRect(440, 49, 125, 375));
    const QImage image = frame();
    EXPECT_EQ(image.pixelColor(20, 300), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(110, 5), TestAssets::kBackground);
}

TEST_F(MainScreenOnQt, AReelWindowShowsItsStripFromItsTopAndClipsTheRest) {
    el("reel3").move(0, -5625);  // the strip's row 375 at the window's top
    platform.events.sleep(0);
    QImage image = frame();
    EXPECT_EQ(stripRow(image.pixelColor(400, 49)), 375);
    EXPECT_EQ(stripRow(image.pixelColor(400, 49 + 374)), 749);
    EXPECT_EQ(stripRow(image.pixelColor(400, 49 + 376)), -1) << "the strip leaks out below";
    EXPECT_EQ(stripRow(image.pixelColor(338, 100)), -1) << "the strip leaks out to the left";

    // Twice the size: the two-times strip drawn one to one, the same rows in the same places.
    view->resize(1606, 1204);
    image = frame();
    EXPECT_EQ(image.pixelColor(800, 98).red(), 201) << "the larger file is used";
    EXPECT_EQ(stripRow(image.pixelColor(800, 98)), 375);
    EXPECT_EQ(stripRow(image.pixelColor(800, 98 + 749)), 749);
    EXPECT_EQ(stripRow(image.pixelColor(800, 98 + 751)), -1);
}

TEST_F(MainScreenOnQt, AStripPulledDownLeavesTheWindowBlackAboveIt) {
    el("reel5").move(0, -1875);
    platform.events.sleep(0);
    el("reel5").move(0, 1500);  // the last reel's bounce lifts its top 100 pixels down
    platform.events.sleep(0);
    const QImage image = frame();
    const QRect window5 = view->widgetRect(el("Picture5"));
    EXPECT_EQ(image.pixelColor(window5.left() + 60, window5.top() + 50), QColor(Qt::black));
    EXPECT_EQ(stripRow(image.pixelColor(window5.left() + 60, window5.top() + 100)), 0);
}

TEST_F(MainScreenOnQt, ASleepPaintsWhatChangedAndNothingElse) {
    view->repaint();
    PaintLog log;
    view->installEventFilter(&log);
    el("reel2").move(0, -1875);
    el("reel4").move(0, -3750);
    EXPECT_TRUE(view->hasPendingPaint());
    EXPECT_TRUE(log.painted.isEmpty()) << "painted before the sleep";
    platform.events.sleep(0);
    EXPECT_FALSE(view->hasPendingPaint());
    EXPECT_EQ(log.painted,
              QRegion(view->widgetRect(el("Picture2"))) + view->widgetRect(el("Picture4")));
    view->removeEventFilter(&log);
    const QImage image = frame();
    EXPECT_EQ(stripRow(image.pixelColor(view->widgetRect(el("Picture2")).left() + 5, 49)), 125);
    EXPECT_EQ(stripRow(image.pixelColor(view->widgetRect(el("Picture4")).left() + 5, 49)), 250);
}

TEST_F(MainScreenOnQt, AClickLandsOnTheSameElementAtAnyWindowSize) {
    std::vector<std::string> log;
    window().on("btnspin", EventKind::MouseDown, [&](Event&) {
        log.push_back("down");
        el("btnspin").hide();  // the press look
    });
    window().on("btnspin", EventKind::MouseUp, [&](Event&) {
        log.push_back("up");
        el("btnspin").show();
    });
    window().on("btnspin", EventKind::Click, [&](Event&) { log.push_back("click"); });
    const std::vector<std::string> click{"down", "up", "click"};

    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("btnspin"));
    EXPECT_EQ(log, click);
    log.clear();
    view->resize(1200, 900);
    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("btnspin"));
    EXPECT_EQ(log, click);

    // Released somewhere else: the release still belongs to the button, the click does not,
    // and so do the moves on the way.
    log.clear();
    window().on("btnspin", EventKind::MouseMove, [&](Event&) { log.push_back("move"); });
    QTest::mousePress(view, Qt::LeftButton, {}, centreOf("btnspin"));
    el("btnspin").show();  // a hidden element takes no moves
    QMouseEvent drag(QEvent::MouseMove, centreOf("btnbet"), view->mapToGlobal(centreOf("btnbet")),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view, &drag);
    QTest::mouseRelease(view, Qt::LeftButton, {}, centreOf("btnbet"));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "move", "up"}));
    EXPECT_TRUE(el("btnspin").visible());
}

TEST_F(MainScreenOnQt, HiddenDisabledAndLineElementsTakeNoInput) {
    int gamble = 0, bare = 0, options = 0;
    window().on("doublebutton", EventKind::MouseDown, [&](Event&) { ++gamble; });
    window().on("", EventKind::MouseMove, [&](Event&) { ++bare; });
    window().on("btnoptions", EventKind::Click, [&](Event&) { ++options; });
    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("doublebutton"));
    EXPECT_EQ(gamble, 0) << "disabled in the design";

    // A payline segment over the bare window lets the mouse through to the window.
    Element& segment = el("Lineflash", 1);
    segment.setPoints({300, 300, 3000, 300});
    segment.show();
    QTest::mouseMove(view, view->transform().toWidget(QRect(100, 20, 1, 1)).topLeft());
    EXPECT_GT(bare, 0);

    el("btnoptions").hide();
    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("btnoptions"));
    el("btnoptions").show();
    window().setEnabled(false);
    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("btnoptions"));
    EXPECT_EQ(options, 0);
    window().setEnabled(true);
    QTest::mouseClick(view, Qt::LeftButton, {}, centreOf("btnoptions"));
    EXPECT_EQ(options, 1);
}

TEST_F(MainScreenOnQt, TooltipsComeFromTheElementUnderTheMouse) {
    view->resize(1200, 900);
    auto tooltipAt = [&](const char* name) {
        const QPoint at = centreOf(name);
        QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
        QApplication::sendEvent(view, &help);
        return QToolTip::text().toStdString();
    };
    EXPECT_EQ(tooltipAt("btnspin"), "") << "the spin button has none of its own";
    EXPECT_EQ(tooltipAt("btnbet"), "CLICK to choose how many coins to bet per LINE");
    EXPECT_EQ(tooltipAt("payline"), "CLICK to select LINES 1 to 25");
}

TEST_F(MainScreenOnQt, AMessageBoxDuringAPressTakesItsRelease) {
    window().on("btnspin", EventKind::MouseDown, [&](Event&) {
        QTimer::singleShot(50, [] {
            if (QWidget* box = QApplication::activeModalWidget()) box->close();
        });
        platform.messages.show("Slots_Quorvel", "Not now", MessageIcon::Information);
    });
    int released = 0;
    window().on("btnspin", EventKind::MouseUp, [&](Event&) { ++released; });
    QTest::mousePress(view, Qt::LeftButton, {}, centreOf("btnspin"));
    EXPECT_EQ(window().captured(), nullptr);
    QTest::mouseRelease(view, Qt::LeftButton, {}, centreOf("btnbet"));
    EXPECT_EQ(released, 0);
}

TEST_F(MainScreenOnQt, TheLargeDisplayModeShowsTheGameFullScreenAndBack) {
    const std::optional<DisplayModeRecord> mode = platform.display.mode(0);
    ASSERT_TRUE(mode);
    EXPECT_FALSE(platform.display.mode(1));
    const ScreenSize screen = platform.display.screenSize();
    EXPECT_EQ(mode->width, screen.width);
    EXPECT_GT(screen.width, 0);

    DisplayModeRecord large = *mode;
    large.width = 800;
    large.height = 600;
    EXPECT_EQ(platform.display.change(large), 0);
    EXPECT_TRUE(view->isFullScreen());
    EXPECT_EQ(platform.display.change(DisplayModeRecord{}), 0);
    EXPECT_FALSE(view->isFullScreen());
    large.width = 640;
    EXPECT_NE(platform.display.change(large), 0);
}

TEST_F(MainScreenOnQt, SecondaryWindowsOpenModalAndCentredOverTheMainScreen) {
    Window about("aboutquorvel", 6000, 4500);
    Element& ok = about.add("cmdok", 0, ElementKind::CommandButton);
    ok.move(2000, 3000);
    ok.resize(1500, 500);
    ok.setCaption("OK");
    int clicks = 0;
    about.on("cmdok", EventKind::Click, [&](Event&) { ++clicks; });
    view->move(100, 100);
    platform.windows.open(about);
    SceneView* dialog = platform.windows.binding(about)->view();
    EXPECT_EQ(dialog->windowModality(), Qt::ApplicationModal);
    EXPECT_LE((dialog->geometry().center() - view->geometry().center()).manhattanLength(), 6)
        << "centred, give or take a window frame";
    QTest::mouseClick(dialog, Qt::LeftButton, {}, dialog->widgetRect(ok).center());
    EXPECT_EQ(clicks, 1);
    platform.windows.close(about);
    EXPECT_EQ(platform.windows.mainView(), view);
}
