#include <QPainterPath>

#include "tools/artgen/paintings.h"

namespace quorvel::artgen {
namespace {

// A loudspeaker facing right, filling the height of `r`.
QPainterPath speaker(const QRectF& r) {
    const double h = r.height();
    QPainterPath path;
    path.moveTo(r.left(), r.top() + h * 0.34);
    path.lineTo(r.left() + h * 0.26, r.top() + h * 0.34);
    path.lineTo(r.left() + h * 0.56, r.top() + h * 0.08);
    path.lineTo(r.left() + h * 0.56, r.bottom() - h * 0.08);
    path.lineTo(r.left() + h * 0.26, r.bottom() - h * 0.34);
    path.lineTo(r.left(), r.bottom() - h * 0.34);
    path.closeSubpath();
    return path;
}

}  // namespace

// A round brass key with a speaker: sound waves when on, a red cross when muted.
void paintMuteKey(QPainter& p, const Kit& k, int entry) {
    const QRectF r(0.5, 0.5, 17, 17);
    p.setPen(QPen(k.pal("ink"), 1));
    p.setBrush(radial(r.center() - QPointF(2, 2), 11,
                      {{0, k.pal("parchment")}, {1, k.pal("parchmentDark")}}));
    p.drawEllipse(r);
    const QRectF body(r.left() + 3, r.top() + 4, 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(k.pal("ink"));
    p.drawPath(speaker(body));
    p.setBrush(Qt::NoBrush);
    if (entry == 1) {
        p.setPen(QPen(k.pal("ink"), 1.3, Qt::SolidLine, Qt::RoundCap));
        for (double radius : {2.5, 5.0})
            p.drawArc(QRectF(body.left() + 5.5 - radius, body.center().y() - radius, radius * 2,
                             radius * 2),
                      -50 * 16, 100 * 16);
        return;
    }
    p.setPen(QPen(QColor(200, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(body.left() + 7, body.top() + 1.5),
               QPointF(body.right() + 2, body.bottom() - 1.5));
    p.drawLine(QPointF(body.left() + 7, body.bottom() - 1.5),
               QPointF(body.right() + 2, body.top() + 1.5));
}

// Ten rising steps on an inked rail; entry 1 shows none lit, entry 11 all ten.
void paintVolumeBar(QPainter& p, const Kit& k, int entry) {
    const int lit = entry - 1;
    constexpr int kSteps = 10;
    const double step = 76.0 / kSteps;
    for (int i = 0; i < kSteps; ++i) {
        const double height = 4 + 11.0 * (i + 1) / kSteps;
        const QRectF bar(i * step + 1, 16 - height, step - 2, height - 0.5);
        const bool on = i < lit;
        p.setPen(QPen(k.pal("ink"), 0.8));
        p.setBrush(on ? vertical(bar, {{0, k.pal("gold")}, {1, k.pal("goldDark")}})
                      : QBrush(QColor(120, 96, 64, 110)));
        p.drawRoundedRect(bar, 1.2, 1.2);
    }
}

}  // namespace quorvel::artgen
