#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <string>

#include "presentation/gamble_places.h"
#include "screen/quorvel_layout.h"
#include "tools/artgen/design.h"

// The generated pictures checked against the places the design gives their elements.
namespace quorvel::assets_test {
namespace {

using quorvel::artgen::placeOf;

QImage picture(const std::string& name) {
    return QImage(QString::fromStdString(std::string(QUORVEL_ASSET_DIR) + "/pictures/" + name +
                                         ".png"))
        .convertToFormat(QImage::Format_RGB32);
}

int lightness(const QImage& image, QPointF at) {
    return QColor(image.pixel(at.toPoint())).lightness();
}

TEST(ScreenArt, ReelWindowsAreDarkWhereTheReelsTurn) {
    const QImage bg = picture("background");
    for (int reel = 1; reel <= 5; ++reel) {
        const QRectF window = placeOf("Picture" + std::to_string(reel));
        for (double fy : {0.05, 0.5, 0.95})
            for (double fx : {0.1, 0.5, 0.9})
                EXPECT_LT(lightness(bg, {window.left() + fx * window.width(),
                                         window.top() + fy * window.height()}),
                          40)
                    << "reel " << reel;
    }
}

TEST(ScreenArt, MeterLabelsSitOnBoxesTheirTextReadsOn) {
    // Yellow and white figures need a dark box; the jackpot meters' dark ink a light one.
    const QImage bg = picture("background");
    for (const char* label : {"panelbank", "Lblcredit", "lbllines", "lblbet", "lbllast",
                              "lbltotallast", "LABWIN", "lblwin"}) {
        EXPECT_LT(lightness(bg, placeOf(label).center()), 60) << label;
        // ...and the figures on it are drawn light.
        for (const auto& design : screen::mainScreenDesign()) {
            if (design.name != label || design.index != 0) continue;
            EXPECT_GT(QColor(design.fore.r, design.fore.g, design.fore.b).lightness(), 120)
                << label;
        }
    }
    for (const char* label : {"lblgrand", "lblmajor", "lblminor"})
        EXPECT_GT(lightness(bg, placeOf(label).center()), 180) << label;
}

// The prize is written on the board's plain ground, below its title: neither hides the other.
TEST(ScreenArt, TheBoardsTitleStandsClearOfThePrize) {
    const QImage board = picture("jackpotframe");
    const QRect prize = placeOf("lbljackpotwon", 0, "jackpotframe").toRect();
    auto brightest = [&](const QRect& area) {
        int most = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                most = std::max(most, lightness(board, {double(x), double(y)}));
        return most;
    };
    EXPECT_LT(brightest(prize), 110) << "no title or question where the prize stands";
    EXPECT_GT(brightest(prize.translated(0, -prize.height())), 200) << "the title above it";
}

TEST(ScreenArt, TheButtonBarStripIsLight) {
    const QImage bg = picture("background");
    for (double x : {10.0, 400.0, 790.0})
        EXPECT_GT(lightness(bg, {x, 570}), 150) << x;
}

TEST(ScreenArt, PaintedKeysOnTheBarMatchTheRaisedKeysAbove) {
    const QImage bar = picture("panfreespin");
    for (const char* key :
         {"coinsin", "payline", "btnbet", "btnspin", "doublebutton", "autoplayon"}) {
        const QImage raised = picture(key);
        const QRectF place = placeOf(key, 0, "panfreespin");
        // Sample beside the caption, on the key's own colour.
        const QColor painted(
            bar.pixel((place.topLeft() + QPointF(8, place.height() * 0.75)).toPoint()));
        const QColor top(raised.pixel(8, static_cast<int>(raised.height() * 0.75)));
        const int hueGap = std::abs(painted.hsvHue() - top.hsvHue());
        EXPECT_LT(std::min(hueGap, 360 - hueGap), 25) << key;
        EXPECT_LT(painted.value(), top.value()) << key << " should look pressed in";
    }
}

TEST(ScreenArt, TheWinHighlightFramesTheSymbolAndLeavesItSeen) {
    const QImage frame(
        QString::fromStdString(std::string(QUORVEL_ASSET_DIR) + "/pictures/ImageList2/19.png"));
    ASSERT_EQ(frame.size(), QSize(125, 125));
    // Clear over the symbol...
    for (int y = 30; y < 95; y += 5)
        for (int x = 30; x < 95; x += 5)
            EXPECT_EQ(qAlpha(frame.pixel(x, y)), 0) << x << "," << y;
    // ...and a bright, solid rim round the middle of every edge.
    for (QPoint rim : {QPoint(62, 5), QPoint(62, 119), QPoint(5, 62), QPoint(119, 62)}) {
        const QRgb pixel = frame.pixel(rim);
        EXPECT_GT(qAlpha(pixel), 200) << rim.x() << "," << rim.y();
        EXPECT_GT(QColor(pixel).lightness(), 150) << rim.x() << "," << rim.y();
    }
}

TEST(ScreenArt, TheCountBannerHasADarkPlateWhereTheCountStands) {
    // The banner is stretched over its place on the screen.
    const QImage banner = picture("ctrlfreesleft");
    const QRectF shown = placeOf("ctrlfreesleft1");
    const QRectF count = placeOf("spinsleft").translated(-shown.topLeft());
    const double sx = banner.width() / shown.width(), sy = banner.height() / shown.height();
    for (double fx : {0.1, 0.5, 0.9})
        for (double fy : {0.1, 0.5, 0.9})
            EXPECT_LT(lightness(banner, {(count.left() + fx * count.width()) * sx,
                                         (count.top() + fy * count.height()) * sy}),
                      30)
                << fx << "," << fy;
}

TEST(ScreenArt, TheGambleResultComesToRestOnPlainFelt) {
    // No painted lettering under the won or lost plaque where its slide ends.
    const QImage felt = picture("pandouble");
    const QRectF rest(artgen::pixelsOf(presentation::kResultLeft),
                      artgen::pixelsOf(presentation::kResultRestTop), placeOf("gamblewin").width(),
                      placeOf("gamblewin").height());
    int bright = 0;
    for (int y = static_cast<int>(rest.top()); y < rest.bottom(); ++y)
        for (int x = static_cast<int>(rest.left()); x < rest.right(); ++x)
            bright += QColor(felt.pixel(x, y)).lightness() > 110;
    EXPECT_EQ(bright, 0);
    // The rules are painted in their own band, above the plaque.
    const QRectF rules(20, artgen::pixelsOf(presentation::kRulesTop), felt.width() - 40,
                       artgen::pixelsOf(presentation::kRulesHeight));
    int lettering = 0;
    for (int y = static_cast<int>(rules.top()); y < rules.bottom(); ++y)
        for (int x = static_cast<int>(rules.left()); x < rules.right(); ++x)
            lettering += QColor(felt.pixel(x, y)).lightness() > 110;
    EXPECT_GT(lettering, 100);
}

// Sum of neighbour differences: how much fine edge a picture carries.
double edgeEnergy(const QImage& image) {
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            sum += std::abs(qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y)));
    return sum;
}

TEST(ScreenArt, DoubleSizePicturesAreDrawnNotEnlarged) {
    for (const char* name : {"background", "jackpotframe", "ImageList2/5", "linepics/12"}) {
        const QImage one = picture(name), two = picture(std::string(name) + "@2x");
        const QImage enlarged =
            one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_GT(edgeEnergy(two), 1.1 * edgeEnergy(enlarged)) << name;
    }
}

}  // namespace
}  // namespace quorvel::assets_test
