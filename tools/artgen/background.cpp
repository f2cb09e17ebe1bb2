#include <QPainterPath>
#include <cmath>

#include "tools/artgen/design.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// The cabinet behind everything: wood, a gold title, the reel windows and the meter boxes,
// each placed where the design puts the element it frames.
namespace quorvel::artgen {
namespace {

struct MeterBox {
    const char* caption;
    const char* first;  // the leftmost and rightmost labels the box holds
    const char* last;
};
constexpr MeterBox kMeters[] = {
    {QT_TRANSLATE_NOOP("artwork", "CREDIT"), "panelbank", "Lblcredit"},
    {QT_TRANSLATE_NOOP("artwork", "LINES"), "lbllines", "lbllines"},
    {QT_TRANSLATE_NOOP("artwork", "BET"), "lblbet", "lblbet"},
    {QT_TRANSLATE_NOOP("artwork", "TOTAL BET"), "lbllast", "lbltotallast"},
    {QT_TRANSLATE_NOOP("artwork", "WINNER PAID"), "LABWIN", "lblwin"},
};
struct Jackpot {
    const char* caption;
    const char* label;
    const char* colour;
};
constexpr Jackpot kJackpots[] = {
    {QT_TRANSLATE_NOOP("artwork", "GRAND"), "lblgrand", "grandBlue"},
    {QT_TRANSLATE_NOOP("artwork", "MAJOR"), "lblmajor", "majorRed"},
    {QT_TRANSLATE_NOOP("artwork", "MINOR"), "lblminor", "minorBlack"},
};
constexpr double kMeterTop = 487, kMeterHeight = 24;
constexpr double kBarTop = 520;

void woodGrain(QPainter& p, const Kit& k, const QRectF& r) {
    p.fillRect(r, vertical(r, {{0, k.pal("wood")}, {0.5, k.pal("woodLight")}, {1, k.pal("wood")}}));
    unsigned seed = 7;
    for (int i = 0; i < 90; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double y = r.top() + (seed >> 8) % static_cast<unsigned>(r.height());
        const double bend = static_cast<double>((seed >> 4) % 9) - 4;
        QPainterPath line(QPointF(r.left(), y));
        line.cubicTo(QPointF(r.left() + r.width() * 0.3, y + bend),
                     QPointF(r.left() + r.width() * 0.7, y - bend),
                     QPointF(r.right(), y + bend / 2));
        p.setPen(QPen(i % 3 ? QColor(30, 12, 4, 45) : QColor(255, 200, 150, 25), 1 + i % 2));
        p.drawPath(line);
    }
}

void title(QPainter& p, const Kit& k) {
    const QRectF band(0, 0, 800, 44);
    p.fillRect(band, vertical(band, {{0, k.pal("bloodDark")}, {1, QColor(40, 4, 6)}}));
    p.fillRect(QRectF(0, 42, 800, 3), k.pal("goldDark"));
    goldCaption(p, k, QRectF(200, 1, 400, 42), "QUORVEL", font(Face::Comic, 40), 2.5);
    for (double x : {255.0, 515.0})
        drawIcon(p, k.icons, "skull-crossed-bones", QRectF(x, 5, 32, 32),
                 {.fill = k.pal("gold"), .outline = k.pal("ink"), .outlineWidth = 1.2});
    goldCaption(p, k, QRectF(20, 8, 170, 30),
                k.say(QT_TRANSLATE_NOOP("artwork", "Pirate Treasure")),
                font(Face::Serif, 20, true, true), 1.5);
    goldCaption(p, k, QRectF(610, 8, 170, 30), k.say(QT_TRANSLATE_NOOP("artwork", "25 Lines")),
                font(Face::Serif, 20, true, true), 1.5);
}

void reelArea(QPainter& p, const Kit& k) {
    const QRectF first = placeOf("Picture1"), last = placeOf("Picture5");
    const QRectF area(first.left() - 40, first.top() - 3, last.right() - first.left() + 80,
                      first.height() + 7);
    panel(p, area, 8, vertical(area, {{0, k.pal("seaDark")}, {1, k.pal("night")}}));
    goldFrame(p, k, area.adjusted(-4, -2, 4, 4), 10, 4);
    for (int reel = 1; reel <= 5; ++reel) {
        const QRectF window = placeOf("Picture" + std::to_string(reel));
        p.fillRect(window, vertical(window, {{0, QColor(4, 6, 10)},
                                             {0.5, QColor(16, 22, 34)},
                                             {1, QColor(4, 6, 10)}}));
        goldFrame(p, k, window.adjusted(-3, -1, 3, 2), 3, 2.5);
    }
    // Recessed columns for the payline markers.
    for (const QRectF marker : {placeOf("lin", 4), placeOf("lin", 25)}) {
        const QRectF column(marker.left() - 2, marker.top() - 2, marker.width() + 3,
                            placeOf("lin", 5).bottom() - marker.top() + 3);
        panel(p, column, 5, QColor(0, 0, 0, 120), k.pal("goldDark"), 1);
    }
}

void jackpotMeters(QPainter& p, const Kit& k) {
    for (const auto& j : kJackpots) {
        const QRectF label = placeOf(j.label);
        const QRectF plaque = label.adjusted(-12, -2, 12, 2);
        panel(p, plaque, 6, vertical(plaque, {{0, k.pal("bone")}, {1, k.pal("parchment")}}),
              k.pal(j.colour), 1.5);
        goldFrame(p, k, plaque.adjusted(-2, -2, 2, 2), 7, 2.5);
        // The caption hangs on a tab from the reel frame above the meter.
        const QRectF tab(plaque.center().x() - 38, plaque.top() - 19, 76, 19);
        panel(p, tab, 5, vertical(tab, {{0, k.pal("bloodDark")}, {1, QColor(40, 4, 6)}}),
              k.pal("gold"), 1.5);
        goldCaption(p, k, tab.adjusted(2, 1, -2, 0), k.say(j.caption), font(Face::Comic, 15), 1.4);
    }
}

void meterBoxes(QPainter& p, const Kit& k) {
    for (const auto& m : kMeters) {
        const QRectF a = placeOf(m.first), b = placeOf(m.last);
        double left = a.left() - 5, right = std::max(b.right(), a.right()) + 5;
        if (right - left < 64) {
            const double mid = (left + right) / 2;
            left = mid - 32;
            right = mid + 32;
        }
        const QRectF box(left, kMeterTop, right - left, kMeterHeight);
        panel(p, box, 5, vertical(box, {{0, QColor(5, 8, 14)}, {1, QColor(24, 30, 44)}}));
        goldFrame(p, k, box.adjusted(-2, -2, 2, 2), 6, 2);
        caption(p, QRectF(left, kMeterTop - 17, right - left, 15), k.say(m.caption),
                font(Face::Comic, 13), k.pal("goldLight"), k.pal("ink"), 1.5);
    }
}

void ovalSockets(QPainter& p, const Kit& k) {
    for (const char* name : {"btnoptions", "btnopenmenu"}) {
        const QRectF oval = placeOf(name).adjusted(-3, -3, 3, 3);
        p.setPen(QPen(k.pal("goldDark"), 2));
        p.setBrush(radial(oval.center(), oval.width() / 2,
                          {{0, QColor(0, 0, 0, 200)}, {1, QColor(0, 0, 0, 90)}}));
        p.drawEllipse(oval);
    }
}

}  // namespace

void paintBackground(QPainter& p, const Kit& k) {
    woodGrain(p, k, QRectF(0, 0, 800, 600));
    title(p, k);
    reelArea(p, k);
    jackpotMeters(p, k);
    meterBoxes(p, k);
    ovalSockets(p, k);
    const QRectF strip(0, kBarTop, 800, 600 - kBarTop);
    p.fillRect(strip, vertical(strip, {{0, k.pal("parchment")}, {1, k.pal("parchmentDark")}}));
    p.fillRect(QRectF(0, kBarTop - 3, 800, 3), k.pal("goldDark"));
    goldFrame(p, k, QRectF(0, 0, 800, 600), 2, 3);
}

}  // namespace quorvel::artgen
