#include "tools/artgen/design.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/tile.h"

// Banners for the free spins and the small plaque buttons of the features.
namespace quorvel::artgen {

namespace {

void bannerBody(QPainter& p, const Kit& k, const QRectF& r) {
    const double radius = r.height() * 0.3;
    panel(p, r, radius,
          vertical(r, {{0, QColor(170, 20, 30)}, {0.5, k.pal("blood")}, {1, k.pal("bloodDark")}}));
    gloss(p, r, radius, 80);
    goldFrame(p, k, r, radius, std::max(2.5, r.height() / 12));
}

}  // namespace

void paintBanner(QPainter& p, const Kit& k, const Words& text, const QSizeF& size) {
    const QRectF r(QPointF(0, 0), size);
    bannerBody(p, k, r);
    for (double x : {size.height() * 0.55, size.width() - size.height() * 0.55})
        sparkle(p, {x, size.height() / 2}, size.height() * 0.28, k.pal("gold"));
    goldCaption(p, k, r.adjusted(size.height(), 2, -size.height(), -2), text,
                font(Face::Comic, size.height() * 0.72), 2);
}

// The screen stretches this banner to its place, so it is painted in that shape and squeezed
// into the picture; the count of spins left stands in the gold-rimmed window after the text.
void paintCountBanner(QPainter& p, const Kit& k, const Words& text, const QSizeF& size) {
    const QRectF shown = placeOf("ctrlfreesleft1");
    const QRectF window = placeOf("spinsleft").translated(-shown.topLeft());
    const QRectF r(QPointF(0, 0), shown.size());
    p.save();
    p.scale(size.width() / shown.width(), size.height() / shown.height());
    bannerBody(p, k, r);
    sparkle(p, {r.height() * 0.5, r.height() / 2}, r.height() * 0.26, k.pal("gold"));
    goldCaption(p, k, QRectF(r.height(), 4, window.left() - r.height() - 10, r.height() - 8), text,
                font(Face::Comic, r.height() * 0.6), 2);
    panel(p, window.adjusted(-4, -4, 4, 4), 8, QColor(24, 10, 8), k.pal("gold"), 2.5);
    p.restore();
}

void paintPlaque(QPainter& p, const Kit& k, const Words& text, const QSizeF& size,
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
