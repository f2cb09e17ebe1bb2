#include "qt_test_support.h"

#include <QDir>
#include <QFile>
#include <QPaintEvent>
#include <cstdlib>
#include <cstring>

#include "platform/qt/scene_geometry.h"

namespace quorvel::qt_tests {

void useDesktopSizedOffscreenScreen() {
    const char* named = std::getenv("QT_QPA_PLATFORM");
    if (named && std::strcmp(named, "offscreen") != 0) return;
    static QTemporaryDir folder;
    const QString path = folder.filePath("screens.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    file.write(R"({"screens": [{"name": "desktop", "x": 0, "y": 0, "width": 1920,)"
               R"( "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + path).toLocal8Bit().constData(), 1);
}

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

QImage codedStrip(int width, int height, int factor) {
    QImage image(width * factor, height * factor, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        const int row = y / factor;
        const QRgb colour = qRgb(factor == 1 ? 200 : 201, row % 256, row / 256);
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = colour;
    }
    return image;
}

int stripRow(QColor pixel) {
    if (pixel.red() != 200 && pixel.red() != 201) return -1;
    return pixel.blue() * 256 + pixel.green();
}

const platform::Element* drawnAt(const platform::Window& window, QPoint scenePoint) {
    const auto& elements = window.elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        const platform::Element& element = **it;
        if (element.kind() == platform::ElementKind::ImageList ||
            element.kind() == platform::ElementKind::Line)
            continue;
        if (element.shown() && platform::qt::clippedSceneRect(element).contains(scenePoint))
            return &element;
    }
    return nullptr;
}

TestAssets::TestAssets() {
    QDir(folder_.path()).mkpath("pictures");
    const QString pictures = folder_.path() + "/pictures/";
    QImage background(800, 600, QImage::Format_RGB32);
    background.fill(kBackground);
    background.save(pictures + "background.png");
    for (int reel = 1; reel <= 5; ++reel) {
        codedStrip(125, 3625, 1).save(pictures + QString("reel%1.png").arg(reel));
        codedStrip(125, 3625, 2).save(pictures + QString("reel%1@2x.png").arg(reel));
    }
}

MainScreen::MainScreen(const char* organisation, Start start)
    : platform(assets.path(), organisation), quorvel(platform.services()) {
    if (start == Start::FormLoad)
        quorvel.Form_Load();
    else
        platform.windows.open(quorvel.window());
    view = platform.windows.mainView();
}

bool PaintLog::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
    return false;
}

}  // namespace quorvel::qt_tests
