#include "tools/artgen/tile.h"

#include <QPainterPath>
#include <cmath>

namespace quorvel::artgen {

QRectF tileInner(const QRectF& cell) {
    return inset(cell, 7);
}

void tileBack(QPainter& p, const Kit& k, const QRectF& cell, const QBrush& back, Tier tier) {
    const QRectF outer = inset(cell, 2);
    panel(p, tileInner(cell), 9, back);
    // Darken the card towards its edge so the symbol stands forward.
    panel(p, tileInner(cell), 9,
          radial(cell.center(), cell.width() * 0.62,
                 {{0.6, QColor(0, 0, 0, 0)}, {1, QColor(0, 0, 0, 120)}}));
    if (tier == Tier::Premium) {
        goldFrame(p, k, outer, 11, 5);
    } else {
        p.save();
        p.setBrush(Qt::NoBrush);
        QLinearGradient bronze(outer.topLeft(), outer.bottomRight());
        bronze.setColorAt(0, QColor(226, 170, 110));
        bronze.setColorAt(0.5, QColor(140, 84, 40));
        bronze.setColorAt(1, QColor(200, 140, 80));
        p.setPen(QPen(QBrush(bronze), 3.5));
        p.drawRoundedRect(inset(outer, 2.5), 10, 10);
        p.restore();
    }
}

void symbolIcon(QPainter& p, const Kit& k, const std::string& name, const QRectF& box,
                const QBrush& fill, double outline) {
    drawIcon(p, k.icons, name, box,
             {.fill = fill,
              .outline = k.pal("ink"),
              .outlineWidth = outline,
              .shadow = QColor(0, 0, 0, 110),
              .shadowOffset = {2.5, 3.5}});
}

void sparkle(QPainter& p, const QPointF& at, double radius, const QColor& colour) {
    QPainterPath star;
    star.moveTo(at.x(), at.y() - radius);
    star.quadTo(at, QPointF(at.x() + radius, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() + radius));
    star.quadTo(at, QPointF(at.x() - radius, at.y()));
    star.quadTo(at, QPointF(at.x(), at.y() - radius));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(radial(at, radius * 0.6, {{0, Qt::white}, {1, colour}}));
    p.drawPath(star);
    p.restore();
}

void flagCloth(QPainter& p, const Kit& k, const QRectF& box, const QBrush& cloth, double phase) {
    const double poleX = box.left() + box.width() * 0.08;
    p.save();
    p.setPen(QPen(k.pal("ink"), 1.5));
    p.setBrush(vertical(box, {{0, k.pal("woodLight")}, {1, k.pal("woodDark")}}));
    p.drawRoundedRect(QRectF(poleX - 3, box.top(), 6, box.height()), 3, 3);
    const double top = box.top() + box.height() * 0.06, bottom = box.top() + box.height() * 0.7;
    const double left = poleX + 3, right = box.right();
    const double wave = box.height() * 0.05;
    auto dy = [&](double t) { return wave * std::sin(phase + t * 2 * M_PI); };
    QPainterPath path;
    path.moveTo(left, top);
    for (int i = 1; i <= 20; ++i) {
        const double t = i / 20.0;
        path.lineTo(left + (right - left) * t, top + dy(t));
    }
    for (int i = 20; i >= 0; --i) {
        const double t = i / 20.0;
        path.lineTo(left + (right - left) * t, bottom + dy(t));
    }
    path.closeSubpath();
    p.setPen(QPen(k.pal("ink"), 2));
    p.setBrush(cloth);
    p.drawPath(path);
    // Folds: light and shade following the wave.
    QLinearGradient folds(left, 0, right, 0);
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0;
        const int shade = static_cast<int>(40 * std::sin(phase + t * 2 * M_PI + M_PI / 2));
        folds.setColorAt(t, shade > 0 ? QColor(255, 255, 255, shade) : QColor(0, 0, 0, -shade));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(folds);
    p.drawPath(path);
    p.restore();
}

}  // namespace quorvel::artgen
