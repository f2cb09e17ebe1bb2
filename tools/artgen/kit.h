#pragma once

#include <QColor>
#include <QFont>
#include <QGradient>
#include <QPainter>
#include <QString>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/artgen/icon_set.h"

namespace quorvel::artgen {

// The named colours of the cabinet and the colour of each payline, read from the palette file.
class Palette {
public:
    explicit Palette(const std::string& jsonPath);
    QColor operator()(const std::string& name) const;
    QColor line(int line) const;  // 1..25

private:
    std::map<std::string, QColor> colours_;
    std::vector<QColor> lines_;
};

enum class Face { Comic, Serif, Sans };
QFont font(Face face, double pixels, bool bold = true, bool italic = false);

// What every drawing gets: the icon shapes and the palette.
struct Kit {
    const IconSet& icons;
    const Palette& pal;
};

using Stops = std::initializer_list<std::pair<double, QColor>>;
QLinearGradient vertical(const QRectF& r, Stops stops);
QRadialGradient radial(const QPointF& centre, double radius, Stops stops);

// Rounded panel with an optional edge line.
void panel(QPainter& p, const QRectF& r, double radius, const QBrush& fill,
           const QColor& edge = Qt::transparent, double edgeWidth = 0);
// A bevelled gold moulding `width` wide drawn inside `r`.
void goldFrame(QPainter& p, const Kit& k, const QRectF& r, double radius, double width);
// The glassy highlight across the upper half of a raised surface.
void gloss(QPainter& p, const QRectF& r, double radius, int alpha = 110);
// Text drawn as a path: outline first, then the fill; shrinks to fit the box's width.
void caption(QPainter& p, const QRectF& box, const QString& text, QFont f, const QBrush& fill,
             const QColor& outline = Qt::transparent, double outlineWidth = 0,
             Qt::Alignment align = Qt::AlignCenter);
// Gold lettering with a dark edge, the house style for titles.
void goldCaption(QPainter& p, const Kit& k, const QRectF& box, const QString& text, QFont f,
                 double outlineWidth = 2);

}  // namespace quorvel::artgen
