#include <cmath>

#include "tools/artgen/symbols.h"

// The symbols painted as one bold figure on a plain lit card.
namespace quorvel::artgen {
namespace {

QRadialGradient lit(const QRectF& cell, const QColor& centre, const QColor& edge) {
    return radial(cell.center() - QPointF(10, 14), cell.width() * 0.7, {{0, centre}, {1, edge}});
}

}  // namespace

void paintCaptain(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(200, 50, 40), k.pal("bloodDark")), Tier::Premium);
    const QRectF box = inset(cell, 13).translated(0, 2);
    symbolIcon(p, k, "pirate-captain", box,
               vertical(box, {{0, k.pal("goldLight")},
                              {0.3, k.pal("gold")},
                              {0.6, QColor(240, 205, 170)},
                              {1, QColor(170, 110, 70)}}));
}

void paintSkull(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(70, 90, 100), QColor(15, 20, 28)), Tier::Premium);
    const QRectF box = inset(cell, 14);
    // The bandana is the top of the shape, so a hard colour change paints it red.
    symbolIcon(p, k, "pirate-skull", box,
               vertical(box, {{0, QColor(235, 60, 50)},
                              {0.36, k.pal("blood")},
                              {0.361, k.pal("bone")},
                              {1, QColor(200, 185, 150)}}));
}

void paintCoin(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(40, 110, 80), QColor(8, 40, 26)), Tier::Standard);
    const QPointF c = cell.center();
    const double r = cell.width() * 0.36;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(c + QPointF(3, 4), r, r);
    p.setBrush(radial(c - QPointF(r * 0.4, r * 0.4), r * 1.8,
                      {{0, k.pal("goldLight")}, {0.4, k.pal("gold")}, {1, k.pal("goldDark")}}));
    p.setPen(QPen(k.pal("goldDeep"), 2));
    p.drawEllipse(c, r, r);
    p.setPen(QPen(k.pal("goldDark"), 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.8, r * 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(k.pal("goldDark"));
    for (int i = 0; i < 24; ++i) {
        const double a = i * M_PI / 12;
        p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * r * 0.9, 1.4, 1.4);
    }
    p.restore();
    // Struck, not printed: a light edge above and left of a darker emblem.
    const QRectF emblem(c.x() - r * 0.55, c.y() - r * 0.55, r * 1.1, r * 1.1);
    drawIcon(p, k.icons, "skull-crossed-bones", emblem.translated(-1, -1),
             {.fill = k.pal("goldLight")});
    drawIcon(p, k.icons, "skull-crossed-bones", emblem, {.fill = k.pal("goldDark")});
    sparkle(p, c + QPointF(-r * 0.6, -r * 0.6), 8, k.pal("goldLight"));
}

void paintParrot(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(60, 160, 80), k.pal("jungleDark")), Tier::Standard);
    const QRectF box = inset(cell, 14);
    QLinearGradient plumage(box.topLeft(), box.bottomRight());
    plumage.setColorAt(0, QColor(90, 170, 255));
    plumage.setColorAt(0.45, QColor(20, 80, 200));
    plumage.setColorAt(0.55, QColor(255, 214, 40));
    plumage.setColorAt(1, QColor(230, 150, 10));
    symbolIcon(p, k, "parrot-head", box, plumage);
}

void paintCannon(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(150, 130, 110), QColor(50, 36, 28)), Tier::Standard);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        const QPointF puff(cell.left() + 88 + i * 7, cell.top() + 30 + (i % 2) * 8 - i * 3);
        p.setBrush(
            radial(puff, 14, {{0, QColor(255, 255, 255, 150)}, {1, QColor(255, 255, 255, 0)}}));
        p.drawEllipse(puff, 14, 14);
    }
    p.restore();
    const QRectF box = inset(cell, 14).translated(0, 4);
    symbolIcon(p, k, "cannon", box,
               vertical(box, {{0, QColor(150, 160, 170)},
                              {0.5, QColor(60, 66, 74)},
                              {0.51, k.pal("woodLight")},
                              {1, k.pal("woodDark")}}));
}

void paintMap(QPainter& p, const Kit& k, const QRectF& cell) {
    tileBack(p, k, cell, lit(cell, QColor(60, 140, 190), k.pal("seaDark")), Tier::Standard);
    const QRectF box = inset(cell, 14);
    symbolIcon(
        p, k, "treasure-map", box,
        vertical(box,
                 {{0, k.pal("bone")}, {0.5, k.pal("parchment")}, {1, k.pal("parchmentDark")}}));
}

void paintWild(QPainter& p, const Kit& k, const QRectF& cell, double glow, double shine) {
    const QRectF in = tileInner(cell);
    tileBack(p, k, cell, lit(cell, QColor(120, 20, 60), QColor(30, 0, 20)), Tier::Premium);
    goldFrame(p, k, inset(cell, 9), 7, 3);
    p.save();
    p.setPen(Qt::NoPen);
    const QPointF c = cell.center() - QPointF(0, 8);
    p.setBrush(radial(c, 52,
                      {{0, QColor(255, 230, 120, static_cast<int>(80 + 150 * glow))},
                       {1, QColor(255, 200, 60, 0)}}));
    p.drawEllipse(c, 52, 52);
    p.restore();
    const QRectF box(cell.left() + 22, cell.top() + 12, 81, 81);
    QLinearGradient gold(box.topLeft(), box.bottomRight());
    gold.setColorAt(0, k.pal("goldLight"));
    if (shine > 0.1 && shine < 0.9) {
        gold.setColorAt(shine - 0.08, k.pal("gold"));
        gold.setColorAt(shine, Qt::white);
        gold.setColorAt(shine + 0.08, k.pal("gold"));
    } else {
        gold.setColorAt(0.5, k.pal("gold"));
    }
    gold.setColorAt(1, k.pal("goldDark"));
    symbolIcon(p, k, "pirate-skull", box, gold, 2.2);
    goldCaption(p, k, QRectF(in.left(), in.bottom() - 30, in.width(), 28), "WILD",
                font(Face::Comic, 27), 2.5);
}

}  // namespace quorvel::artgen
