#include <gtest/gtest.h>

#include <QExposeEvent>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <map>

#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::MainScreen;
using quorvel::qt_tests::PaintLog;
using quorvel::qt_tests::stripRow;

namespace {

// A display that keeps the pictures it is given and notes every copy asked of it.
struct DisplayLog {
    struct Copy {
        std::string picture;
        QRect source;
        QPoint target;
        QImage pixels;  // what the copy puts on screen
    };
    std::map<HeldPicture, QImage> held;
    std::vector<Copy> copies;
    int flushes = 0;
};

class RecordingBlitter : public PictureBlitter {
public:
    explicit RecordingBlitter(DisplayLog& log) : log_(log) {}
    bool holds(const HeldPicture& picture) const override { return log_.held.count(picture); }
    bool hold(const HeldPicture& picture, const QPixmap& pixels) override {
        std::erase_if(log_.held,
                      [&](const auto& entry) { return entry.first.outgrownBy(picture); });
        log_.held[picture] = pixels.toImage();
        return true;
    }
    void copy(const HeldPicture& picture, const QRect& source, QPoint target) override {
        log_.copies.push_back(
            {picture.picture.source, source, target, log_.held.at(picture).copy(source)});
    }
    void flush() override { ++log_.flushes; }

private:
    DisplayLog& log_;
};

class SlidingStrips : public testing::Test, protected MainScreen {
protected:
    SlidingStrips() : MainScreen("QuorvelSlidingTest") {
        view->setBlitterFactory([this] { return std::make_unique<RecordingBlitter>(display); });
        EXPECT_TRUE(QTest::qWaitForWindowExposed(view));
        EXPECT_TRUE(heldAt(QSize(125, 3625)));
    }
    // Runs the event loop until the display holds all five strips at a size.
    bool heldAt(QSize size) {
        return QTest::qWaitFor([&] {
            return display.held.size() == 5 &&
                   std::all_of(display.held.begin(), display.held.end(),
                               [&](const auto& held) { return held.first.size == size; });
        });
    }
    bool caughtUp() {
        return QTest::qWaitFor([&] { return view->drawnPastBackingStore().isEmpty(); });
    }
    QRect reelWindow(int reel) { return view->widgetRect(el("Picture" + std::to_string(reel))); }
    void startLogging() {
        display.copies.clear();
        log.painted = QRegion();
        view->installEventFilter(&log);
    }

    DisplayLog display;
    PaintLog log;
};

}  // namespace

TEST_F(SlidingStrips, EveryShownStripIsHandedToTheDisplayAtItsScreenSize) {
    ASSERT_EQ(display.held.size(), 5u);
    for (const auto& [picture, pixels] : display.held) {
        EXPECT_EQ(picture.size, QSize(125, 3625)) << picture.picture.source;
        EXPECT_EQ(stripRow(pixels.pixelColor(10, 700)), 700);
    }
    // A larger window: each strip again at its new size, the old copy let go.
    view->resize(1606, 1204);
    ASSERT_TRUE(heldAt(QSize(250, 7250)));
    for (const auto& [picture, pixels] : display.held) {
        EXPECT_EQ(picture.size, QSize(250, 7250)) << picture.picture.source;
        EXPECT_EQ(pixels.pixelColor(10, 10).red(), 201) << "the two-times file";
    }
}

TEST_F(SlidingStrips, AReelStepIsCopiedByTheDisplayAndPaintedIntoTheBackingStoreAfterwards) {
    startLogging();
    el("reel2").move(0, -1875);  // strip row 125 at the window's top
    el("reel4").move(0, -3750);
    EXPECT_TRUE(view->hasPendingPaint());
    platform.events.sleep(0);
    EXPECT_FALSE(view->hasPendingPaint());
    EXPECT_TRUE(log.painted.isEmpty()) << "the step was painted as well";
    ASSERT_EQ(display.copies.size(), 2u);
    EXPECT_EQ(display.flushes, 1);
    const DisplayLog::Copy& second = display.copies[0];
    EXPECT_EQ(second.picture, "reel2");
    EXPECT_EQ(second.source, QRect(0, 125, 125, 375));
    EXPECT_EQ(second.target, reelWindow(2).topLeft());
    EXPECT_EQ(stripRow(second.pixels.pixelColor(5, 0)), 125);
    EXPECT_EQ(stripRow(second.pixels.pixelColor(5, 374)), 499);
    EXPECT_EQ(display.copies[1].source, QRect(0, 250, 125, 375));
    EXPECT_EQ(view->drawnPastBackingStore(), QRegion(reelWindow(2)) + reelWindow(4));
    view->grab();
    EXPECT_FALSE(view->drawnPastBackingStore().isEmpty()) << "a grab taken for a repaint";

    // Back on the event loop the backing store catches up with what the display shows.
    EXPECT_TRUE(caughtUp());
    EXPECT_TRUE(log.painted.contains(reelWindow(2)) && log.painted.contains(reelWindow(4)));
    const QImage frame = view->grab().toImage();
    EXPECT_EQ(stripRow(frame.pixelColor(reelWindow(2).left() + 5, reelWindow(2).top())), 125);
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AnExposeBeforeTheBackingStoreCaughtUpShowsTheStripsWhereTheyAre) {
    startLogging();
    el("reel3").move(0, -3750);
    platform.events.sleep(0);
    ASSERT_EQ(display.copies.size(), 1u);
    ASSERT_FALSE(view->drawnPastBackingStore().isEmpty());
    // The window uncovered before the event loop had its turn: no other event runs here.
    QExposeEvent expose(QRegion(QRect(QPoint(), view->size())));
    QCoreApplication::sendEvent(view->windowHandle(), &expose);
    EXPECT_TRUE(view->drawnPastBackingStore().isEmpty());
    EXPECT_TRUE(log.painted.contains(reelWindow(3)));
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AtTwiceTheSizeTheCopyTakesTheTwoTimesPixelsOneToOne) {
    view->resize(1606, 1204);
    ASSERT_TRUE(heldAt(QSize(250, 7250)));
    startLogging();
    el("reel3").move(0, -5625);
    platform.events.sleep(0);
    ASSERT_EQ(display.copies.size(), 1u);
    EXPECT_EQ(display.copies[0].source, QRect(0, 750, 250, 750));
    EXPECT_EQ(display.copies[0].target, QPoint(680, 98));
    EXPECT_EQ(stripRow(display.copies[0].pixels.pixelColor(0, 749)), 749);
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AtAScaleBetweenWholePixelsEveryStepOfASweepIsCopied) {
    view->resize(1000, 750);  // 1.2453 device pixels to a scene pixel
    // Each strip is 4514.3 device pixels tall, so it shows 4514 or 4515 tall as it moves.
    ASSERT_TRUE(QTest::qWaitFor([&] { return display.held.size() == 10; }));
    for (const auto& [picture, pixels] : display.held)
        EXPECT_TRUE(picture.size.height() == 4514 || picture.size.height() == 4515);
    startLogging();
    int steps = 0;
    for (int top = -24675; top <= -20625; top += 1875, ++steps) {  // one sweep of code 1
        for (int reel = 1; reel <= 5; ++reel)
            el("reel" + std::to_string(reel)).move(0, top - 1875 * reel);
        platform.events.sleep(0);
    }
    EXPECT_EQ(display.copies.size(), 5u * steps);
    EXPECT_TRUE(log.painted.isEmpty());
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AnythingShownOverAReelWindowMakesItsStepAPaint) {
    el("flasher", 2).show();  // the highlight box over reel 1's middle cell
    platform.events.sleep(0);
    startLogging();
    el("reel1").move(0, -1875);
    el("reel2").move(0, -1875);
    platform.events.sleep(0);
    ASSERT_EQ(display.copies.size(), 1u);
    EXPECT_EQ(display.copies[0].picture, "reel2");
    EXPECT_TRUE(log.painted.contains(reelWindow(1)));
    EXPECT_FALSE(log.painted.intersects(reelWindow(2)));
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AStripThatUncoversPartOfItsWindowIsPainted) {
    startLogging();
    el("reel5").move(0, 1500);  // the window's top 100 pixels show its black
    platform.events.sleep(0);
    EXPECT_TRUE(display.copies.empty());
    EXPECT_TRUE(log.painted.contains(reelWindow(5)));
    const QImage frame = view->grab().toImage();
    EXPECT_EQ(frame.pixelColor(reelWindow(5).left() + 60, reelWindow(5).top() + 50),
              QColor(Qt::black));

    // And the step back to a covered window is the display's again, covering the black.
    el("reel5").move(0, -1875);
    platform.events.sleep(0);
    ASSERT_EQ(display.copies.size(), 1u);
    EXPECT_EQ(display.copies[0].source, QRect(0, 125, 125, 375));
    EXPECT_EQ(display.copies[0].target, reelWindow(5).topLeft());
    view->removeEventFilter(&log);
}

TEST_F(SlidingStrips, AStripTheDisplayDoesNotHoldYetIsPainted) {
    view->resize(1606, 1204);  // the strips at this size are handed over only after a paint
    view->repaint();
    startLogging();
    el("reel1").move(0, -1875);
    platform.events.sleep(0);
    EXPECT_TRUE(display.copies.empty());
    EXPECT_TRUE(log.painted.contains(reelWindow(1)));
    ASSERT_TRUE(heldAt(QSize(250, 7250)));
    el("reel1").move(0, -3750);
    platform.events.sleep(0);
    EXPECT_EQ(display.copies.size(), 1u);
    view->removeEventFilter(&log);
}

TEST(SlidingStripsWithoutADisplay, OffscreenTheStepsArePaintedAsEver) {
    MainScreen screen("QuorvelSlidingTest");
    SceneView* view = screen.view;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    PaintLog log;
    view->installEventFilter(&log);
    screen.el("reel3").move(0, -1875);
    screen.platform.events.sleep(0);
    EXPECT_TRUE(log.painted.contains(view->widgetRect(screen.el("Picture3"))));
    EXPECT_TRUE(view->drawnPastBackingStore().isEmpty());
    view->removeEventFilter(&log);
}
