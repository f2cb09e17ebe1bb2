#include "tools/artgen/symbols.h"

#include <QPainterPath>

// The symbols painted as little scenes: something in front of a sky, a sea or a beach.
namespace quorvel::artgen {
namespace {

void sea(QPainter& p, const Kit& k, const QRectF& in, double from, const QColor& glint) {
    const QRectF water(in.left(), in.top() + in.height() * from, in.width(),
                       in.height() * (1 - from));
    p.fillRect(water, vertical(water, {{0, k.pal("sea")}, {1, k.pal("seaDark")}}));
    p.setPen(QPen(glint, 1.2));
    for (int i = 0; i < 5; ++i) {
        const double y = water.top() + 4 + i * water.height() / 5;
        const double w = in.width() * (0.35 - i * 0.04);
        p.drawLine(QPointF(in.center().x() - w / 2 + (i % 2) * 8, y),
                   QPointF(in.center().x() + w / 2 + (i % 2) * 8, y));
    }
}

}  // namespace

void paintShip(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(
        p, k, cell,
        vertical(in,
                 {{0, QColor(255, 214, 110)}, {0.45, k.pal("sunset")}, {0.8, k.pal("sunsetDeep")}}),
        Tier::Premium);
    p.save();
    p.setClipRect(in);
    p.setPen(Qt::NoPen);
    const QPointF sun(in.center().x() + 12, in.top() + in.height() * 0.6);
    p.setBrush(radial(
        sun, 34,
        {{0, QColor(255, 250, 200)}, {0.5, QColor(255, 210, 90)}, {1, QColor(255, 160, 60, 0)}}));
    p.drawEllipse(sun, 34, 34);
    sea(p, k, in, 0.72, QColor(255, 190, 110, 200));
    drawIcon(
        p, k.icons, "shooner-sailboat", inset(cell, 13).translated(0, -7),
        {.fill = QColor(14, 10, 18), .outline = QColor(255, 200, 120, 140), .outlineWidth = 1});
    p.restore();
}

void paintFlag(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell,
             radial(in.center(), 80, {{0, QColor(70, 120, 170)}, {1, k.pal("seaDark")}}),
             Tier::Premium);
    const QRectF box = inset(cell, 14);
    flagCloth(p, k, box, vertical(box, {{0, k.pal("bone")}, {1, k.pal("parchment")}}), 0.6);
    const QRectF emblem(box.left() + box.width() * 0.26, box.top() + box.height() * 0.1,
                        box.width() * 0.6, box.width() * 0.6);
    drawIcon(p, k.icons, "crossed-sabres", emblem, {.fill = k.pal("ink")});
}

void paintCutlass(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell, vertical(in, {{0, QColor(120, 170, 200)}, {1, QColor(30, 70, 110)}}),
             Tier::Premium);
    p.save();
    p.setClipRect(in);
    sea(p, k, in, 0.75, QColor(200, 230, 255, 150));
    drawIcon(p, k.icons, "galleon", inset(cell, 18).translated(0, -2),
             {.fill = QColor(20, 40, 70, 150)});
    p.restore();
    const QRectF blade = inset(cell, 13);
    QLinearGradient steel(blade.bottomLeft(), blade.topRight());
    steel.setColorAt(0, k.pal("goldDark"));
    steel.setColorAt(0.22, k.pal("gold"));
    steel.setColorAt(0.3, k.pal("steelDark"));
    steel.setColorAt(0.55, Qt::white);
    steel.setColorAt(1, k.pal("steel"));
    symbolIcon(p, k, "sparkling-sabre", blade, steel, 1.8);
}

void paintPistol(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell, vertical(in, {{0, k.pal("parchment")}, {1, k.pal("parchmentDark")}}),
             Tier::Standard);
    p.save();
    p.setClipRect(in);
    p.setPen(QPen(QColor(120, 80, 40, 90), 1));
    for (int i = 1; i < 5; ++i) {
        p.drawLine(QPointF(in.left() + i * in.width() / 5, in.top()),
                   QPointF(in.left() + i * in.width() / 5, in.bottom()));
        p.drawLine(QPointF(in.left(), in.top() + i * in.height() / 5),
                   QPointF(in.right(), in.top() + i * in.height() / 5));
    }
    p.setPen(QPen(k.pal("blood"), 2, Qt::DashLine));
    QPainterPath trail(QPointF(in.left() + 10, in.bottom() - 12));
    trail.cubicTo(QPointF(in.left() + 40, in.top() + 30), QPointF(in.right() - 50, in.bottom()),
                  QPointF(in.right() - 18, in.top() + 22));
    p.drawPath(trail);
    p.setPen(QPen(k.pal("blood"), 3));
    const QPointF x(in.right() - 18, in.top() + 22);
    p.drawLine(x + QPointF(-6, -6), x + QPointF(6, 6));
    p.drawLine(x + QPointF(-6, 6), x + QPointF(6, -6));
    p.restore();
    const QRectF gun = inset(cell, 16).translated(0, 4);
    QLinearGradient wood(gun.topRight(), gun.bottomLeft());
    wood.setColorAt(0, QColor(200, 205, 215));
    wood.setColorAt(0.4, k.pal("steelDark"));
    wood.setColorAt(0.5, k.pal("woodLight"));
    wood.setColorAt(1, k.pal("woodDark"));
    symbolIcon(p, k, "blunderbuss", gun, wood);
}

void paintBeach(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell, vertical(in, {{0, k.pal("sky")}, {0.5, QColor(190, 230, 250)}}),
             Tier::Premium);
    p.save();
    p.setClipRect(in);
    sea(p, k, in, 0.45, QColor(255, 255, 255, 140));
    const QRectF beach(in.left(), in.top() + in.height() * 0.62, in.width(), in.height() * 0.4);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(beach, {{0, k.pal("sand")}, {1, QColor(190, 140, 70)}}));
    p.drawEllipse(beach.adjusted(-30, 0, 30, 40));
    drawIcon(p, k.icons, "palm-tree", QRectF(in.left() - 6, in.top() + 2, 52, 52),
             {.fill = QColor(20, 90, 50, 200)});
    p.restore();
}

void paintChestFigure(QPainter& p, const Kit& k, const QRectF& cell, const std::string& icon,
                      double glow) {
    const QRectF box = inset(cell, 17).translated(0, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(radial(
        box.center() - QPointF(0, 12), 40,
        {{0, QColor(255, 240, 150, static_cast<int>(220 * glow))}, {1, QColor(255, 220, 100, 0)}}));
    p.drawEllipse(box.center() - QPointF(0, 12), 40, 32);
    symbolIcon(p, k, icon, box,
               vertical(box, {{0, k.pal("goldLight")},
                              {0.35, k.pal("gold")},
                              {0.55, k.pal("woodLight")},
                              {1, k.pal("woodDark")}}));
}

void paintChest(QPainter& p, const Kit& k, const QRectF& cell) {
    paintBeach(p, k, cell);
    paintChestFigure(p, k, cell, "open-treasure-chest", 1.0);
    const QRectF box = inset(cell, 17).translated(0, 7);
    sparkle(p, box.topLeft() + QPointF(20, 10), 7, k.pal("gold"));
    sparkle(p, box.topRight() + QPointF(-14, 18), 5, k.pal("gold"));
}

void paintJollyRoger(QPainter& p, const Kit& k, const QRectF& cell, double phase) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell,
             radial(in.center(), 85, {{0, QColor(120, 130, 150)}, {1, QColor(30, 34, 48)}}),
             Tier::Premium);
    const QRectF box = inset(cell, 13);
    flagCloth(p, k, box, vertical(box, {{0, QColor(40, 40, 46)}, {1, QColor(8, 8, 10)}}), phase);
    const QRectF emblem(box.left() + box.width() * 0.3, box.top() + box.height() * 0.1,
                        box.width() * 0.56, box.width() * 0.56);
    drawIcon(p, k.icons, "skull-crossed-bones", emblem, {.fill = k.pal("bone")});
}

void paintMysteryTile(QPainter& p, const Kit& k, const QRectF& cell) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell,
             radial(in.center(), 85, {{0, QColor(150, 60, 200)}, {1, QColor(40, 10, 70)}}),
             Tier::Premium);
    for (int i = 0; i < 7; ++i) {
        const QPointF at(in.left() + 12 + (i * 37) % 95, in.top() + 12 + (i * 53) % 95);
        sparkle(p, at, 3 + i % 3, QColor(255, 220, 120, 200));
    }
    goldCaption(p, k, inset(cell, 10), "?", font(Face::Serif, 96), 3);
}

}  // namespace quorvel::artgen
