#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <stdexcept>

#include "gui_app.h"
#include "tools/artgen/design.h"
#include "tools/artgen/kit.h"

namespace quorvel::assets_test {
namespace {

using namespace quorvel::artgen;

void expectRect(const QRectF& got, double left, double top, double width, double height) {
    EXPECT_NEAR(got.left(), left, 0.01);
    EXPECT_NEAR(got.top(), top, 0.01);
    EXPECT_NEAR(got.width(), width, 0.01);
    EXPECT_NEAR(got.height(), height, 0.01);
}

TEST(Design, PlacesAreInPixelsOfTheWindowOrOfTheNamedContainer) {
    expectRect(placeOf("Picture3"), 5094 / 15.0, 730 / 15.0, 125, 375);
    expectRect(placeOf("coinsin"), 50, (7800 + 20) / 15.0, 109, 54);
    expectRect(placeOf("coinsin", 0, "panfreespin"), 50, 20 / 15.0, 109, 54);
    expectRect(placeOf("lin", 26), 741, 227, 26, 27);
    EXPECT_THROW(placeOf("nothing"), std::runtime_error);
}

TEST(Palette, LineColoursAreThoseThePaylinesAreDrawnIn) {
    // The colour of each payline, line 1 first.
    const QColor lines[25] = {
        {0, 255, 255}, {0, 255, 0},   {255, 192, 192}, {192, 0, 192},   {0, 0, 255},
        {192, 64, 0},  {255, 0, 0},   {192, 192, 255}, {0, 0, 192},     {255, 224, 192},
        {255, 0, 255}, {0, 128, 128}, {192, 192, 0},   {255, 192, 255}, {128, 64, 64},
        {128, 0, 0},   {0, 192, 192}, {255, 128, 0},   {255, 255, 0},   {192, 0, 192},
        {192, 0, 192}, {192, 0, 192}, {192, 0, 192},   {192, 0, 192},   {192, 0, 192},
    };
    const Palette palette(QUORVEL_PALETTE);
    for (int line = 1; line <= 25; ++line)
        EXPECT_EQ(palette.line(line), lines[line - 1]) << line;
    EXPECT_THROW(palette("no such colour"), std::runtime_error);
}

class Painting : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureGuiApp(); }
};

int opaquePixels(const QImage& image, const QRect& outside = {}) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0 && !outside.contains(x, y);
    return n;
}

TEST_F(Painting, IconMasksAreTheShapeAtTheAskedSize) {
    const IconSet icons(QUORVEL_ICONS_JSON);
    const QImage mask = icons.mask("pirate-skull", 64);
    EXPECT_EQ(mask.size(), QSize(64, 64));
    const int covered = opaquePixels(mask);
    EXPECT_GT(covered, 64 * 64 / 5);
    EXPECT_LT(covered, 64 * 64);
    EXPECT_THROW(icons.mask("no-such-icon", 8), std::runtime_error);
}

TEST_F(Painting, CaptionsShrinkToStayInsideTheirBox) {
    QImage image(200, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(50, 15, 80, 30);
    caption(p, box, "FREESPINS REMAINING =", font(Face::Comic, 28), Qt::white, Qt::black, 2);
    p.end();
    EXPECT_GT(opaquePixels(image), 100);
    EXPECT_EQ(opaquePixels(image, box.toAlignedRect().adjusted(-1, -1, 1, 1)), 0);
}

// The rows and columns a caption inked, in a picture of its own.
QRect inked(const QRectF& box, const Words& text, int pixels) {
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    caption(p, box, text, font(Face::Comic, pixels), Qt::white, Qt::black, 1.8);
    p.end();
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(Painting, ATranslationWrapsWhereOneLineWouldComeOutSmallerAndNeverSpills) {
    const QRectF key(50, 20, 90, 41);
    const QRect english = inked(key, "Bet Per Line", 15);
    const QRect wrapped = inked(key, Words("Einsatz pro Gewinnlinie", "Bet Per Line"), 15);
    const QRect inside = key.toAlignedRect().adjusted(-1, -1, 1, 1);
    EXPECT_TRUE(inside.contains(wrapped)) << "wrapped";
    EXPECT_GT(wrapped.height(), 1.8 * english.height()) << "two lines as tall as the English";
    // No blank to break at: the word shrinks; capitals with dots above keep inside too.
    const QRect word = inked(key, Words("ENTERSÄBELKLINGEN", "Bet Per Line"), 15);
    EXPECT_TRUE(inside.contains(word)) << "one long word";
    EXPECT_LT(word.height(), english.height() * 1.5);
    const QRectF plaque(20, 30, 120, 16);
    EXPECT_TRUE(plaque.toAlignedRect()
                    .adjusted(-1, -1, 1, 1)
                    .contains(inked(plaque, Words("ÜBRIG ÄÖÜ", "TAKE WIN"), 16)))
        << "accents in a tight plaque";
    EXPECT_EQ(inked(plaque, Words("TAKE WIN", "TAKE WIN"), 16), inked(plaque, "TAKE WIN", 16))
        << "a text the same in both is set as the English";
}

}  // namespace
}  // namespace quorvel::assets_test
