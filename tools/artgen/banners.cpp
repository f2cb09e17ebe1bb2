#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// Banners for the free spins and the small plaque buttons of the features.
namespace quorvel::artgen {

void paintBanner(QPainter& p, const Kit& k, const QString& text, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    const double radius = size.height() * 0.3;
    panel(p, r, radius,
          vertical(r, {{0, QColor(170, 20, 30)}, {0.5, k.pal("blood")}, {1, k.pal("bloodDark")}}));
    gloss(p, r, radius, 80);
    goldFrame(p, k, r, radius, std::max(2.5, size.height() / 12));
    for (double x : {size.height() * 0.55, size.width() - size.height() * 0.55})
        sparkle(p, {x, size.height() / 2}, size.height() * 0.28, k.pal("gold"));
    goldCaption(p, k, r.adjusted(size.height(), 2, -size.height(), -2), text,
                font(Face::Comic, size.height() * 0.72), 2);
}

void paintPlaque(QPainter& p, const Kit& k, const QString& text, const QSizeF& size,
                 const QColor& base) {
    const QRectF r = inset(QRectF(QPointF(0, 0), size), 1);
    const double radius = std::min(10.0, size.height() * 0.35);
    panel(p, r, radius, vertical(r, {{0, base.lighter(145)}, {0.5, base}, {1, base.darker(170)}}),
          k.pal("ink"), 1.2);
    panel(p, inset(r, 2), radius - 1, Qt::NoBrush, k.pal("gold"), 1.2);
    gloss(p, inset(r, 2), radius, 100);
    const bool light = base.lightness() > 150;
    caption(p, inset(r, 4), text, font(Face::Comic, size.height() * 0.62),
            light ? k.pal("ink") : QColor(Qt::white), light ? Qt::transparent : k.pal("ink"),
            light ? 0 : 1.6);
}

}  // namespace quorvel::artgen
