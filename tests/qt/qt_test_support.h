#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

namespace quorvel::qt_tests {

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

// An asset folder with a plain background and coded strips for every reel.
class TestAssets {
public:
    TestAssets();
    std::string path() const { return folder_.path().toStdString(); }
    static inline const QColor kBackground{10, 20, 30};

private:
    QTemporaryDir folder_;
};

}  // namespace quorvel::qt_tests
