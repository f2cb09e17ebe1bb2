#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QStandardPaths>
#include <QTest>
#include <cstring>

#include "platform/qt/qt_platform.h"
#include "platform/qt/widgets.h"
#include "screen/quorvel.h"

using namespace quorvel::platform;
using namespace quorvel::platform::qt;

namespace {

void runEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A valid 8-bit mono WAVE of the given length.
std::vector<std::uint8_t> wave(int samples) {
    std::vector<std::uint8_t> bytes(44 + samples, 128);
    auto put32 = [&](int at, std::uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
    auto put16 = [&](int at, std::uint16_t v) { std::memcpy(&bytes[at], &v, 2); };
    std::memcpy(&bytes[0], "RIFF", 4);
    put32(4, 36 + samples);
    std::memcpy(&bytes[8], "WAVEfmt ", 8);
    put32(16, 16);
    put16(20, 1);
    put16(22, 1);
    put32(24, 11025);
    put32(28, 11025);
    put16(32, 1);
    put16(34, 8);
    std::memcpy(&bytes[36], "data", 4);
    put32(40, samples);
    return bytes;
}

}  // namespace

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

TEST(QtPlatform, SettingsStoreKeepsTextPerApplicationSectionAndKey) {
    QStandardPaths::setTestModeEnabled(true);
    {
        QtSettingsStore store("QuorvelTest");
        EXPECT_EQ(store.read("quorvel", "player1", "bank"), "");
        store.write("quorvel", "player1", "bank", "2500");
        store.write("allslot", "player1", "bank", "-1");
    }
    QtSettingsStore again("QuorvelTest");
    EXPECT_EQ(again.read("quorvel", "player1", "bank"), "2500");
    EXPECT_EQ(again.read("allslot", "player1", "bank"), "-1");
    EXPECT_EQ(again.read("quorvel", "player2", "bank"), "");
    QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/QuorvelTest")
        .removeRecursively();
}

TEST(QtPlatform, SoundChannelPlaysWavesAndToleratesEmptyOnes) {
    SdlSoundChannel channel;
    ASSERT_TRUE(channel.ready()) << "the dummy audio driver should always open";
    const SoundBuffer click{"RESOURCE_ID_130", wave(1100)};
    const SoundBuffer broken{"RESOURCE_ID_999", {1, 2, 3}};
    channel.play(click);
    EXPECT_TRUE(channel.playing());
    channel.stop();
    EXPECT_FALSE(channel.playing());
    channel.playLooped(click);
    runEventsFor(250);  // longer than the click itself: the loop keeps it going
    EXPECT_TRUE(channel.playing());
    channel.play(broken);
    EXPECT_FALSE(channel.playing()) << "an unplayable sound still cuts off the one before";
    channel.play(click);
    channel.play(SoundBuffer{"RESOURCE_ID_102", {}});
    EXPECT_FALSE(channel.playing());
}

TEST(QtPlatform, MainScreenWidgetsSitAtTheirPlacesInPixels) {
    QtPlatform platform("/nonexistent");
    quorvel::screen::Quorvel quorvel(platform.services());
    platform.windows.open(quorvel.window());
    WindowBinding* binding = platform.windows.binding(quorvel.window());
    ASSERT_NE(binding, nullptr);
    EXPECT_EQ(binding->form()->size(), QSize(803, 602));
    EXPECT_EQ(binding->form()->windowTitle(), "Slots_Quorvel");
    QWidget* reel3 = binding->widget(quorvel.window().at("Picture3"));
    EXPECT_EQ(reel3->geometry(), QRect(340, 49, 125, 375));
    QWidget* spin = binding->widget(quorvel.window().at("btnspin"));
    EXPECT_EQ(spin->parentWidget(), binding->widget(quorvel.window().at("panfreespin")));
    EXPECT_EQ(spin->geometry(), QRect(394, 1, 106, 54));
    EXPECT_FALSE(binding->widget(quorvel.window().at("pandouble"))->isVisibleTo(binding->form()));

    quorvel.window().at("pandouble").show();
    EXPECT_TRUE(binding->widget(quorvel.window().at("pandouble"))->isVisibleTo(binding->form()));
    quorvel.window().at("btnspin").move(0, 150);
    EXPECT_EQ(spin->pos(), QPoint(0, 10));
    quorvel.window().setEnabled(false);
    EXPECT_FALSE(binding->form()->isEnabled());
    platform.events.sleep(1);
    platform.windows.close(quorvel.window());
    EXPECT_EQ(platform.windows.binding(quorvel.window()), nullptr);
}

TEST(QtPlatform, PlayerInputReachesTheModel) {
    QtPlatform platform("/nonexistent");
    Window window("w", 3000, 3000);
    Element& button = window.add("button", 0, ElementKind::PictureBox);
    button.move(150, 150);
    button.resize(600, 600);
    Element& line = window.add("segment", 1, ElementKind::Line);
    line.setPoints({150, 300, 1500, 300});
    line.setLineWidth(10);
    std::vector<std::string> log;
    window.on("button", EventKind::MouseDown,
              [&](Event& e) { log.push_back("down" + std::to_string(e.button)); });
    window.on("button", EventKind::Click, [&](Event&) { log.push_back("click"); });
    window.on("", EventKind::KeyPress,
              [&](Event& e) { log.push_back("key" + std::to_string(e.key)); });
    window.on("", EventKind::Close, [&](Event&) { log.push_back("close"); });
    platform.windows.open(window);
    WindowBinding* binding = platform.windows.binding(window);
    QWidget* buttonWidget = binding->widget(button);

    QTest::mouseClick(buttonWidget, Qt::RightButton, {}, QPoint(5, 5));
    window.setKeyPreview(true);
    QTest::keyClick(binding->form(), Qt::Key_Space, {}, 10);
    button.setEnabled(false);
    QTest::mouseClick(buttonWidget, Qt::LeftButton, {}, QPoint(5, 5));
    binding->form()->close();
    EXPECT_EQ(log, (std::vector<std::string>{"down2", "click", "key32", "close"}));

    // A 10-pixel segment from (10, 20) to (100, 20) gets a widget around it.
    EXPECT_EQ(binding->widget(line)->geometry(), QRect(0, 10, 111, 21));
    platform.windows.close(window);
}

TEST(QtPlatform, TheGameMovesItsWindowOnlyWhenItSaysSo) {
    QtPlatform platform("/nonexistent");
    Window window("w", 1500, 1500);
    platform.windows.open(window);
    QWidget* form = platform.windows.binding(window)->form();
    form->move(120, 80);  // where a window manager might put it
    window.setCaption("Current Player       ");
    EXPECT_EQ(form->pos(), QPoint(120, 80));
    EXPECT_EQ(form->windowTitle(), "Current Player       ");
    window.move(0, 0);  // unchanged model position: still no move
    EXPECT_EQ(form->pos(), QPoint(120, 80));
    window.move(1500, 750);
    EXPECT_EQ(form->pos(), QPoint(100, 50));
    window.move(0, 0);
    EXPECT_EQ(form->pos(), QPoint(0, 0));
    platform.windows.close(window);
}

TEST(QtPlatform, APictureButtonThatHidesOnPressStillGetsItsRelease) {
    QtPlatform platform("/nonexistent");
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
    WindowBinding* binding = platform.windows.binding(window);
    QTest::mousePress(binding->widget(button), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(binding->widget(button)->isVisible());
    QTest::mouseRelease(binding->form(), Qt::LeftButton, {}, QPoint(15, 15));
    EXPECT_EQ(log, (std::vector<std::string>{"down", "up"}));
    EXPECT_TRUE(binding->widget(button)->isVisible());
    platform.windows.close(window);
}
