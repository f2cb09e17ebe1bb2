#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QRegion>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/qt/qt_platform.h"
#include "platform/window.h"
#include "screen/quorvel.h"

namespace quorvel::qt_tests {

// Before the QApplication: unless the environment names another platform, the offscreen one
// with a single 1920 x 1200 screen, the size of a common desktop, so windows open at their design
// size.
void useDesktopSizedOffscreenScreen();

inline void runEventsFor(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// A valid 8-bit mono WAVE of the given length at 11025 Hz.
std::vector<std::uint8_t> wave(int samples);

// Strip pictures whose every row tells which row of the one-times picture it is:
// green = row % 256, blue = row / 256, red marks the file (200 for 1x, 201 for @2x).
QImage codedStrip(int width, int height, int factor);
// The row of the one-times strip a pixel shows, or -1 when it is no strip pixel.
int stripRow(QColor pixel);

// What is drawn on top at a scene point: the last shown element there in drawing order.
const platform::Element* drawnAt(const platform::Window& window, QPoint scenePoint);

// An asset folder with a plain background and coded strips for every reel.
class TestAssets {
public:
    TestAssets();
    std::string path() const { return folder_.path().toStdString(); }
    static inline const QColor kBackground{10, 20, 30};

private:
    QTemporaryDir folder_;
};

// The game's main screen on the Qt platform, drawn from the coded test assets.
struct MainScreen {
    enum class Start { OpenWindow, FormLoad };
    explicit MainScreen(const char* organisation, Start start = Start::OpenWindow);
    platform::Element& el(const std::string& name, int index = 0) {
        return quorvel.window().at(name, index);
    }

    TestAssets assets;
    platform::qt::QtPlatform platform;
    screen::Quorvel quorvel;
    platform::qt::SceneView* view = nullptr;
};

// Notes the region of every paint a widget gets.
class PaintLog : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override;
    QRegion painted;
};

}  // namespace quorvel::qt_tests
