#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "platform/qt/qt_platform.h"
#include "qt_test_support.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;
using quorvel::qt_tests::runEventsFor;

TEST(QtPlatform, TimersTickAndNeverReenterTheirHandler) {
    QtTimers timers;
    int ticks = 0, nested = 0;
    bool inside = false;
    timers.add("t", 10, [&] {
        if (inside) ++nested;
        inside = true;
        ++ticks;
        runEventsFor(40);  // the pump inside a handler
        inside = false;
    });
    EXPECT_FALSE(timers.enabled("t"));
    timers.start("t");
    EXPECT_TRUE(timers.enabled("t"));
    runEventsFor(200);
    timers.stop("t");
    EXPECT_GT(ticks, 1);
    EXPECT_EQ(nested, 0);
    const int stopped = ticks;
    runEventsFor(50);
    EXPECT_EQ(ticks, stopped);
    timers.setInterval("t", 300);
    EXPECT_EQ(timers.interval("t"), 300);
    EXPECT_FALSE(timers.enabled("t"));
}

TEST(QtPlatform, KeysTextAndTheCloseBoxReachTheModel) {
    QtPlatform platform("/nonexistent", "QuorvelPlatformTest");
    Window window("w", 4500, 3000);
    Element& name = window.add("player1", 0, ElementKind::TextBox);
    name.move(150, 150);
    name.resize(2250, 375);
    std::vector<std::string> log;
    window.on("", EventKind::KeyPress, [&](Event& e) {
        log.push_back("key" + std::to_string(e.key));
        if (e.key == 'x') e.key = 0;  // the game swallows this one
    });
    window.on("", EventKind::Close, [&](Event&) { log.push_back("close"); });
    window.setKeyPreview(true);
    platform.windows.open(window);
    SceneView* view = platform.windows.binding(window)->view();
    QLineEdit* edit = view->textBox(name);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->geometry(), view->widgetRect(name));

    QTest::keyClick(view, Qt::Key_Space);
    QTest::keyClicks(edit, "Axb");
    EXPECT_EQ(name.caption(), "Ab") << "typed text reaches the model, swallowed keys do not";
    name.setCaption("Zed");
    EXPECT_EQ(edit->text(), "Zed");
    view->resize(900, 600);
    EXPECT_EQ(edit->geometry(), view->widgetRect(name)) << "the text box follows the scale";
    view->close();
    EXPECT_EQ(log, (std::vector<std::string>{"key32", "key65", "key120", "key98", "close"}));
    platform.windows.close(window);
}

TEST(QtPlatform, TheGameMovesItsWindowOnlyWhenItSaysSo) {
    QtPlatform platform("/nonexistent", "QuorvelPlatformTest");
    Window window("w", 1500, 1500);
    platform.windows.open(window);
    QWidget* view = platform.windows.binding(window)->view();
    view->move(120, 80);  // where a window manager might put it
    window.setCaption("Current Player       ");
    EXPECT_EQ(view->pos(), QPoint(120, 80));
    EXPECT_EQ(view->windowTitle(), "Current Player       ");
    window.move(0, 0);  // unchanged model position: still no move
    EXPECT_EQ(view->pos(), QPoint(120, 80));
    window.move(1500, 750);
    EXPECT_EQ(view->pos(), QPoint(100, 50));
    window.move(0, 0);
    EXPECT_EQ(view->pos(), QPoint(0, 0));
    platform.windows.close(window);
}

TEST(QtPlatform, APictureButtonThatHidesOnPressStillGetsItsRelease) {
    QtPlatform platform("/nonexistent", "QuorvelPlatformTest");
    Window window("w", 3000, 3000);
    Element& button = window.add("button", 0, ElementKind::PictureBox);
    button.move(150, 150);
    button.resize(600, 600);
    std::vector<std::string> log;
    window.on("button", EventKind::MouseDown, [&](Event&) {
        log.push_back("down");
        button.hide();  // the pressed look
    });
    window.on("button", EventKind::MouseUp, [&](Event&) {
        log.push_back("up");
        button.show();
    });
    platform.windows.open(window);
    SceneView* view = platform.windows.binding(window)->view();
    QTest::mousePress(view, Qt::LeftButton, {}, view->widgetRect(button).center());
    EXPECT_FALSE(button.visible());
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(150, 150));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
    EXPECT_TRUE(button.visible());
    platform.windows.close(window);
}

TEST(QtPlatform, ClosingTheLastWindowFromTheGameEndsTheProgramOnce) {
    QtPlatform platform("/nonexistent", "QuorvelPlatformTest");
    Window main("main", 1500, 1500), about("about", 750, 750);
    int closeRequests = 0;
    main.on("", EventKind::Close, [&](Event&) { ++closeRequests; });
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    platform.windows.open(main);
    platform.windows.open(about);
    platform.windows.close(about);
    EXPECT_EQ(lastClosed.count(), 0) << "the main screen is still open";
    // Only a running application ends on its last window: run it, and close from inside.
    QTimer::singleShot(10, [&] { platform.windows.close(main); });
    QTimer::singleShot(3000, [] { QCoreApplication::exit(7); });  // a guard, should it hang
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_EQ(lastClosed.count(), 1);
    EXPECT_EQ(closeRequests, 0) << "the game closed it: no close request goes back to it";
}
