#include <QPainterPath>
#include <cmath>

#include "tools/artgen/symbols.h"

// The frames of the three cell animations: the wild, the opening chest and the jackpot flag.
namespace quorvel::artgen {
namespace {

constexpr QRectF kCell(0, 0, 125, 125);
constexpr int kWildFrames = 18;
constexpr int kClosedChestFrames = 3;

void rays(QPainter& p, const QPointF& centre, double radius, double turn, int alpha) {
    p.save();
    p.translate(centre);
    p.rotate(turn);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(radius * std::cos(0.1), radius * std::sin(0.1));
        ray.lineTo(radius * std::cos(-0.1), radius * std::sin(-0.1));
        ray.closeSubpath();
        p.setBrush(radial({0, 0}, radius,
                          {{0, QColor(255, 245, 180, alpha)}, {1, QColor(255, 220, 120, 0)}}));
        p.drawPath(ray);
        p.rotate(30);
    }
    p.restore();
}

// A jagged bolt from `from` downwards, its kinks fixed by `seed`.
void bolt(QPainter& p, QPointF from, double length, unsigned seed, double strength) {
    QPainterPath path(from);
    for (int i = 1; i <= 6; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double swing = static_cast<double>((seed >> 16) % 29) - 14;
        from += QPointF(swing, length / 6);
        path.lineTo(from);
    }
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 180, 255, static_cast<int>(160 * strength)), 7, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(QColor(255, 255, 255, static_cast<int>(255 * strength)), 2.5, Qt::SolidLine,
                  Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

// Laid over each symbol of a paid line: a glowing gold rim round the tile, clear inside so
// that the symbol itself shows.
void winHighlight(QPainter& p, const Kit& k) {
    const QRectF rim = inset(kCell, 5);
    p.setBrush(Qt::NoBrush);
    for (const auto& [width, alpha] :
         {std::pair{22.0, 50}, std::pair{15.0, 110}, std::pair{10.0, 190}}) {
        QColor glow(255, 200, 40);
        glow.setAlpha(alpha);
        p.setPen(QPen(glow, width));
        p.drawRoundedRect(rim, 12, 12);
    }
    p.setPen(QPen(
        vertical(rim, {{0, k.pal("goldLight")}, {0.5, k.pal("gold")}, {1, k.pal("goldLight")}}),
        6));
    p.drawRoundedRect(rim, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawRoundedRect(rim, 12, 12);
    for (const QPointF& corner :
         {rim.topLeft(), rim.topRight(), rim.bottomLeft(), rim.bottomRight()})
        sparkle(p, corner, 10, QColor(255, 255, 255));
}

}  // namespace

void paintWildFrame(QPainter& p, const Kit& k, int frame) {
    if (frame > kWildFrames) return winHighlight(p, k);
    const double t = (frame - 1) / static_cast<double>(kWildFrames);
    const double glow = 0.5 - 0.5 * std::cos(2 * M_PI * t);
    paintWild(p, k, kCell, glow, -0.2 + 1.4 * t);
    if (glow > 0.6) sparkle(p, {32 + 60 * t, 24}, 8 * glow, k.pal("goldLight"));
}

void paintChestFrame(QPainter& p, const Kit& k, int frame) {
    paintBeach(p, k, kCell);
    if (frame <= kClosedChestFrames) {
        // The closed chest rattles before it bursts open.
        p.save();
        p.translate(62.5, 100);
        p.rotate(frame == 2 ? 5 : -5);
        p.translate(-62.5, -100 - 2.0 * frame);
        paintChestFigure(p, k, kCell, "locked-chest", 0.2 * frame);
        p.restore();
        return;
    }
    const int open = frame - kClosedChestFrames;  // 1..10
    p.save();
    p.setClipRect(tileInner(kCell));
    rays(p, {62.5, 58}, 90, open * 9.0, open == 1 ? 255 : 170);
    p.restore();
    paintChestFigure(p, k, kCell, "open-treasure-chest", 1.0);
    for (int i = 0; i < 3; ++i) {
        const double rise = std::fmod(open * 0.1 + i / 3.0, 1.0);
        sparkle(p, {40 + 22.0 * i, 60 - 45 * rise}, 4 + 5 * std::sin(M_PI * rise),
                k.pal("goldLight"));
    }
}

void paintMorphFrame(QPainter& p, const Kit& k, int frame) {
    const double phase = frame <= 10 ? frame * 2 * M_PI / 10 : 0.6;
    paintJollyRoger(p, k, kCell, phase);
    if (frame <= 10) {
        const double flash = frame % 2 ? 1.0 : 0.55;
        p.fillRect(tileInner(kCell), QColor(170, 210, 255, static_cast<int>(50 * flash)));
        bolt(p, {30.0 + (frame * 17) % 50, 8}, 70, static_cast<unsigned>(frame), flash);
        bolt(p, {70.0 + (frame * 29) % 40, 10}, 55, static_cast<unsigned>(frame) * 7, 1.5 - flash);
    } else if (frame == 11) {
        for (const auto& [colour, width] :
             {std::pair{QColor(60, 0, 0), 17.0}, std::pair{QColor(230, 20, 20), 11.0}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(22, 22), QPointF(103, 103));
            p.drawLine(QPointF(103, 22), QPointF(22, 103));
        }
    }
}

}  // namespace quorvel::artgen
