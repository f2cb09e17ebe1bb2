#pragma once

#include <QBrush>
#include <QPainter>
#include <QRectF>
#include <string>

#include "tools/artgen/kit.h"

namespace quorvel::artgen {

enum class Tier { Premium, Standard };

inline QRectF inset(const QRectF& r, double d) {
    return r.adjusted(d, d, -d, -d);
}
// The cell's backing: a rounded card of `back` inside a gold (premium) or bronze moulding.
void tileBack(QPainter& p, const Kit& k, const QRectF& cell, const QBrush& back, Tier tier);
// The clip of the card inside the moulding, for scenery that must not spill.
QRectF tileInner(const QRectF& cell);
// A symbol's icon with the house outline and drop shadow.
void symbolIcon(QPainter& p, const Kit& k, const std::string& name, const QRectF& box,
                const QBrush& fill, double outline = 2.0);
// A small four-pointed glint.
void sparkle(QPainter& p, const QPointF& at, double radius, const QColor& colour);
// A waving cloth hanging from a pole on the left of `box`.
void flagCloth(QPainter& p, const Kit& k, const QRectF& box, const QBrush& cloth, double phase);

}  // namespace quorvel::artgen
